#pragma once

namespace holdsheet {

class Localization;

// Asks the user whether to switch on the desktop's accessibility support; true for yes.
bool askToEnableAccessibility(const Localization& localization);

}  // namespace holdsheet
