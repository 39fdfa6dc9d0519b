#pragma once

#include "harvest/ShortcutModel.h"

#include <QString>

#include <optional>

namespace holdsheet {

// The localisation key of the line that says why a sheet is incomplete or holds none of the
// application's own shortcuts, or none when nothing needs saying. The text takes the
// application's name. One reason at a time: the one the user can act on first.
std::optional<QString> sheetReasonKey(const ShortcutSheet& sheet);

}  // namespace holdsheet
