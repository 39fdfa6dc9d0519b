#pragma once

#include "export/ExportDialogs.h"
#include "platform/FileHandlers.h"
#include "platform/FileViewer.h"

#include <QPrinter>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace holdsheet::testing {

// The desktop's PDF applications, as a test lists them; what was opened with which.
class FakeFileHandlers : public FileHandlers {
  public:
    std::vector<FileHandler> handlersFor(const QString& mimeType) override {
        asked << mimeType;
        return list;
    }
    bool open(const QString& handlerId, const QString& path) override {
        opened.emplace_back(handlerId, path);
        return true;
    }
    std::vector<FileHandler> list;
    QStringList asked;
    std::vector<std::pair<QString, QString>> opened;
};

class FakeFileViewer : public FileViewer {
  public:
    void reveal(const QString& path) override { revealed << path; }
    QStringList revealed;
};

// Answers the save dialog with `saveAs` (none: cancelled); the print dialog prints to
// `printTo` as a PDF file, or is cancelled when that is empty.
class FakeExportDialogs : public ExportDialogs {
  public:
    std::optional<QString> chooseSaveFile(const QString& title,
                                          const QString& suggestedName) override {
        saveTitles << title;
        suggestedNames << suggestedName;
        return saveAs;
    }
    bool print(const QString& documentName, const std::function<bool(QPrinter&)>& paint) override {
        printed << documentName;
        if (printTo.isEmpty()) {
            return false;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        printer.setPageOrientation(QPageLayout::Landscape);
        painted = paint(printer);
        return true;
    }

    std::optional<QString> saveAs;
    QString printTo;
    QStringList saveTitles;
    QStringList suggestedNames;
    QStringList printed;
    bool painted = false;
};

}  // namespace holdsheet::testing
