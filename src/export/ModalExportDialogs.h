#pragma once

#include "export/ExportDialogs.h"

namespace holdsheet {

// The toolkit's save and print dialogs: the desktop's own file chooser where the platform
// theme offers one, Qt's otherwise; the printers CUPS knows.
class ModalExportDialogs : public ExportDialogs {
  public:
    std::optional<QString> chooseSaveFile(const QString& title,
                                          const QString& suggestedName) override;
    bool print(const QString& documentName, const std::function<bool(QPrinter&)>& paint) override;

  private:
    QString lastFolder_;  // where the last save went, for the next one
};

}  // namespace holdsheet
