#pragma once

namespace holdsheet {

// Puts the rows and group titles that the columns draw on the accessibility bus, each with
// its name, role, state and place, and lets a screen reader press a row. Call once, before
// the first sheet is shown.
void installSheetAccessibility();

}  // namespace holdsheet
