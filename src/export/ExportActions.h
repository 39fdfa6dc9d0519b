#pragma once

#include "export/ExportSource.h"
#include "export/PrivateFolder.h"

#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace holdsheet {

class ExportDialogs;
class FileHandlers;
class FileViewer;
class Localization;
class MenuBuilder;
class PanelController;
class ProcessRunner;
class Workspace;

// The three entries of the share menu: the whole sheet of the panel printed, shared or saved
// as a PDF. Each starts from exportSource(), so an empty sheet only beeps.
class ExportActions {
  public:
    struct Platform {
        PanelController& panel;
        Workspace& workspace;
        ExportDialogs& dialogs;
        FileHandlers& handlers;
        FileViewer& viewer;
        ProcessRunner& runner;
        MenuBuilder& menus;
        const Localization& localization;
        std::function<void()> beep;
        std::function<QWidget*()> contentView;  // the panel's, null while it has none
        ExportFolderPlaces places = ExportFolderPlaces::fromEnvironment();
    };

    explicit ExportActions(Platform platform);

    std::optional<ExportSource> exportSource();
    // Closes the panel, prints through the print dialog, then gives the target application
    // the front again.
    void printSheet();
    // Writes the PDF to the private export folder and opens the share menu over the footer;
    // the panel stays open. The menu shown, or null.
    QMenu* shareSheet();
    // Closes the panel and saves where the save dialog says. A saved file is shown in the
    // file manager; a cancel or a failed write (which beeps) gives the target application
    // the front again.
    void savePDF();

  private:
    void reactivate(const ExportSource& source);

    Platform platform_;
};

}  // namespace holdsheet
