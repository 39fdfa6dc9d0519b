#include "export/ExportActions.h"

#include "export/ExportDialogs.h"
#include "export/PdfWriter.h"
#include "export/ShareMenu.h"
#include "export/SheetPrinting.h"
#include "export/TemporaryPdf.h"
#include "panel/PanelController.h"
#include "platform/FileViewer.h"
#include "prefs/Localization.h"
#include "sheetview/MenuBuilder.h"

#include <QWidget>

namespace holdsheet {

ExportActions::ExportActions(Platform platform) : platform_(std::move(platform)) {}

std::optional<ExportSource> ExportActions::exportSource() {
    return holdsheet::exportSource(platform_.panel, platform_.beep);
}

void ExportActions::reactivate(const ExportSource& source) {
    if (source.targetApp) {
        platform_.workspace.activate(*source.targetApp);
    }
}

void ExportActions::printSheet() {
    const auto source = exportSource();
    if (!source) {
        return;
    }
    const Localization& localization = platform_.localization;
    platform_.panel.hide();
    platform_.dialogs.print(
        localization.localized(QStringLiteral("pdf.title")).arg(source->appName),
        [&](QPrinter& printer) {
            return printPages(printer, source->groups, source->appName, source->appIcon,
                              localization);
        });
    reactivate(*source);
}

QMenu* ExportActions::shareSheet() {
    const auto source = exportSource();
    if (!source) {
        return nullptr;
    }
    const auto path = temporaryPDF(source->groups, source->appName, source->appIcon,
                                   platform_.localization, platform_.places);
    if (!path) {
        return nullptr;
    }
    QWidget* view = platform_.contentView ? platform_.contentView() : nullptr;
    if (!view) {
        return nullptr;
    }
    const Localization& localization = platform_.localization;
    const ShareServices services{
        platform_.handlers, platform_.runner, platform_.viewer,
        [&localization](const QString& key) { return localization.localized(key); }};
    return platform_.menus.popUp(shareMenuEntries(*path, services), view,
                                 shareAnchor(view->size()));
}

void ExportActions::savePDF() {
    const auto source = exportSource();
    if (!source) {
        return;
    }
    const Localization& localization = platform_.localization;
    platform_.panel.hide();
    const auto path = platform_.dialogs.chooseSaveFile(
        localization.localized(QStringLiteral("share.savePDF.title")),
        pdfFileName(source->appName, localization));
    if (path) {
        // The dialog had the user agree to replace a file that was there.
        const FileWrite written = writePDFFile(source->groups, source->appName, source->appIcon,
                                               *path, localization, Existing::replace);
        if (written == FileWrite::written) {
            platform_.viewer.reveal(*path);
            return;
        }
        if (platform_.beep) {
            platform_.beep();  // nothing was saved: say so the one way the program does
        }
    }
    reactivate(*source);
}

}  // namespace holdsheet
