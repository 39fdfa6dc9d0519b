#pragma once

#include <QString>

#include <memory>

class QMimeData;

namespace holdsheet {

// A PDF file as the clipboard carries it: its address (text/uri-list, and as file managers
// paste a copied file) and its content (application/pdf), so it pastes into a folder, a mail
// or a document alike. Null when the file cannot be read.
std::unique_ptr<QMimeData> pdfFileMimeData(const QString& path);

// Puts it on the desktop's clipboard; false when the file cannot be read.
bool copyPDFToClipboard(const QString& path);

}  // namespace holdsheet
