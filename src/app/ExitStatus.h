#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace holdsheet {

// Every status the program and its commands end with. A number means one thing whichever
// command returns it, so that a script calling several can tell the causes apart.
constexpr int exitOk = 0;
constexpr int exitUsage = 2;
constexpr int exitNoAccessibilityBus = 3;
constexpr int exitAccessibilityOff = 4;
constexpr int exitNoApplication = 5;
constexpr int exitPartialSheet = 6;
constexpr int exitPastTimeout = 7;
constexpr int exitOutputUnwritable = 8;
constexpr int exitOutputExists = 9;
constexpr int exitStandardOutputUnwritable = 10;
constexpr int exitNoDisplay = 11;
constexpr int exitDisplayUnavailable = 12;
constexpr int exitNoSessionBus = 13;
constexpr int exitNotRunning = 14;
constexpr int exitNotResponding = 15;
constexpr int exitSessionUnserved = 16;
constexpr int exitNothingToRead = 17;
constexpr int exitBrowserAccessibilityOff = 18;

struct ExitStatusRow {
    int status;
    // "holdsheet" is the program started without a command.
    std::string_view commands;
    std::string_view meaning;
};

// The table `holdsheet help` prints and the README shows.
constexpr std::array exitStatuses{
    ExitStatusRow{exitOk, "all", "done"},
    ExitStatusRow{exitUsage, "all", "an unknown command or wrong options"},
    ExitStatusRow{exitNoAccessibilityBus, "dump", "no accessibility bus that answers"},
    ExitStatusRow{exitAccessibilityOff, "dump", "accessibility is off on this desktop"},
    ExitStatusRow{exitNoApplication, "dump",
                  "no such application on the accessibility bus (the sheet holds what its "
                  "shortcuts help gives)"},
    ExitStatusRow{exitPartialSheet, "dump", "a partial sheet, printed or written all the same"},
    ExitStatusRow{exitPastTimeout, "dump", "no sheet within --timeout"},
    ExitStatusRow{exitOutputUnwritable, "dump", "the --output file cannot be written"},
    ExitStatusRow{exitOutputExists, "dump", "the --output file exists and --force is not given"},
    ExitStatusRow{exitStandardOutputUnwritable, "dump, help", "standard output cannot be written"},
    ExitStatusRow{exitNoDisplay, "holdsheet", "neither WAYLAND_DISPLAY nor DISPLAY is set"},
    ExitStatusRow{exitDisplayUnavailable, "holdsheet",
                  "the X display or sway's IPC socket cannot be reached"},
    ExitStatusRow{exitNoSessionBus, "holdsheet, show, hide", "no session bus"},
    ExitStatusRow{exitNotRunning, "show, hide", "Holdsheet is not running in this session"},
    ExitStatusRow{exitNotResponding, "holdsheet, show, hide",
                  "the running Holdsheet does not answer"},
    ExitStatusRow{exitSessionUnserved, "holdsheet", "a Wayland desktop other than sway or GNOME"},
    ExitStatusRow{exitNothingToRead, "dump",
                  "the application has neither a menu bar nor a shortcuts help"},
    ExitStatusRow{exitBrowserAccessibilityOff, "dump",
                  "a browser-engine application started without --force-renderer-accessibility"},
};

constexpr bool eachStatusOnce() {
    for (std::size_t i = 0; i < exitStatuses.size(); ++i) {
        for (std::size_t j = i + 1; j < exitStatuses.size(); ++j) {
            if (exitStatuses[i].status == exitStatuses[j].status) {
                return false;
            }
        }
    }
    return true;
}
static_assert(eachStatusOnce(), "an exit status with two meanings");

// The table as plain text for a usage message, one row a line; with a command, only the
// rows that command can end with.
QString exitStatusTable(std::string_view command = {});

}  // namespace holdsheet
