#pragma once

#include <QString>

namespace holdsheet {

// The program's own drawings, embedded in the binary and installed into the icon theme:
// its mark (also the application icon) and the monochrome symbol of its status-area item.
QString brandMarkPath();
QString menuBarIconPath();

}  // namespace holdsheet
