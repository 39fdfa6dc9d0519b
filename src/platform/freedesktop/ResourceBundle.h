#pragma once

#include "harvest/ShortcutsHelpXml.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace holdsheet {

namespace bundle_limits {
inline constexpr int entries = 4096;  // files and folders visited
inline constexpr int depth = 16;
inline constexpr qsizetype pathBytes = 1024;
inline constexpr int helpFiles = 16;
inline constexpr int bundles = 16;  // handed to one reading process
inline constexpr qsizetype inputBytes = 64 << 20;
inline constexpr int readSeconds = 10;
}  // namespace bundle_limits

// A named file: a GtkBuilder file of a bundle, or a bundle handed to the reading process.
struct BundleFile {
    QByteArray path;
    QByteArray data;
};

// Files in a simple framing for the pipe to the reading process and back.
QByteArray encodeBundleFiles(const std::vector<BundleFile>& files);
// Nothing for frames that are cut or exceed `maxFiles` files of `maxBytes` bytes each.
std::optional<std::vector<BundleFile>> decodeBundleFiles(QByteArrayView frames, int maxFiles,
                                                         qsizetype maxBytes);

// The GtkBuilder files of a GResource bundle that may hold a shortcuts help. GLib trusts the
// tables of a bundle and can crash on a damaged one: only the reading process calls this.
std::vector<BundleFile> helpFilesInBundle(const QByteArray& bundle);

// One shortcuts help found in a compiled resource bundle, and where.
struct BundleHelp {
    QString path;  // e.g. "/org/gnome/TextEditor/gtk/help-overlay.ui"
    HelpXml help;
};

// Every shortcuts help with at least one group in the bundles, read by the program `reader`
// (holdsheet-bundle-reader) in a process of its own; nothing from bundles that make it fail
// or outlast its time.
std::vector<BundleHelp> shortcutsHelpInBundles(const std::vector<QByteArray>& bundles,
                                               const QString& reader);

}  // namespace holdsheet
