#pragma once

#include "harvest/ShortcutsHelpXml.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace holdsheet {

namespace bundle_limits {
inline constexpr int entries = 4096;  // files and folders visited
inline constexpr int depth = 16;
inline constexpr qsizetype pathBytes = 1024;
inline constexpr int helpFiles = 16;
}  // namespace bundle_limits

// One shortcuts help found in a compiled resource bundle, and where.
struct BundleHelp {
    QString path;  // e.g. "/org/gnome/TextEditor/gtk/help-overlay.ui"
    HelpXml help;
};

// Every GtkBuilder file of a GResource bundle that holds a shortcuts help with at least one
// group, in the order the bundle lists them; nothing for data that is not a bundle.
std::vector<BundleHelp> shortcutsHelpInBundle(const QByteArray& bundle);

}  // namespace holdsheet
