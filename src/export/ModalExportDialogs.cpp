#include "export/ModalExportDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace holdsheet {

namespace {

QString startFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

std::optional<QString> ModalExportDialogs::chooseSaveFile(const QString& title,
                                                          const QString& suggestedName) {
    QFileDialog dialog(nullptr, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Replacing a file takes the user's yes: QFileDialog asks unless told not to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setMimeTypeFilters({QStringLiteral("application/pdf")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(lastFolder_.isEmpty() ? startFolder() : lastFolder_);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

bool ModalExportDialogs::print(const QString& documentName,
                               const std::function<bool(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    paint(printer);
    return true;
}

}  // namespace holdsheet
