#pragma once

#include <QString>

#include <functional>
#include <optional>

class QPrinter;

namespace holdsheet {

// The modal dialogs of an export.
class ExportDialogs {
  public:
    virtual ~ExportDialogs() = default;
    // Where to save a PDF, starting from `suggestedName`; a file that exists is chosen only
    // once the user agreed to replace it. None when cancelled.
    virtual std::optional<QString> chooseSaveFile(const QString& title,
                                                  const QString& suggestedName) = 0;
    // Asks which printer and how, landscape by default; once the user confirms, `paint` prints
    // on the printer chosen. False when cancelled.
    virtual bool print(const QString& documentName,
                       const std::function<bool(QPrinter&)>& paint) = 0;
};

}  // namespace holdsheet
