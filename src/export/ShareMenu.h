#pragma once

#include "sheetview/MenuBuilder.h"

#include <QString>

#include <functional>
#include <vector>

namespace holdsheet {

class FileHandlers;
class FileViewer;
class ProcessRunner;

// Where a shared PDF can go.
struct ShareServices {
    FileHandlers& handlers;
    ProcessRunner& runner;
    FileViewer& viewer;
    std::function<QString(const QString&)> localized;
};

// The desktop has no share picker; this menu offers what one would for the PDF at `path`:
// the applications that open PDF files (the default one first, each with its icon), a new
// mail with the file attached where xdg-email is installed, the file on the clipboard, and
// the file shown in the file manager.
std::vector<MenuBuilder::Entry> shareMenuEntries(const QString& path,
                                                 const ShareServices& services);

// `name` with every character a mail handler's shell script could take for syntax (quotes,
// commas, backslashes, ...) made "-": the name comes from another application's title.
QString mailSafeFileName(const QString& name);

// Where the rectangle the share menu opens from lies in a view of `size`: over the footer's
// share button, 110 × 30, 190 from the right edge and 40 from the bottom.
QRect shareAnchor(const QSize& size);

}  // namespace holdsheet
