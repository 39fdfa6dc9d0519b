#include "export/ShareMenu.h"

#include "export/FileClipboard.h"
#include "platform/FileHandlers.h"
#include "platform/FileViewer.h"
#include "platform/ProcessRunner.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace holdsheet {

namespace {

const QString pdfType = QStringLiteral("application/pdf");
const QString mailProgram = QStringLiteral("xdg-email");

// A copy of the file under a mail-safe name beside it, or the file itself when its name is
// safe already. None when the copy fails.
std::optional<QString> mailAttachment(const QString& path) {
    const QFileInfo file(path);
    const QString safe = file.absolutePath() + QLatin1Char('/') + mailSafeFileName(file.fileName());
    if (safe == file.absoluteFilePath()) {
        return path;
    }
    QFile::remove(safe);  // an earlier attachment: the export folder is the program's own
    return QFile::copy(path, safe) ? std::optional<QString>(safe) : std::nullopt;
}

}  // namespace

QString mailSafeFileName(const QString& name) {
    QString safe = name;
    for (QChar& c : safe) {
        const bool kept = c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('.') ||
                          c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('(') ||
                          c == QLatin1Char(')');
        if (!kept && !c.isSurrogate()) {
            c = QLatin1Char('-');
        }
    }
    return safe;
}

QRect shareAnchor(const QSize& size) {
    return {size.width() - 190, size.height() - 40, 110, 30};
}

std::vector<MenuBuilder::Entry> shareMenuEntries(const QString& path,
                                                 const ShareServices& services) {
    std::vector<FileHandler> handlers = services.handlers.handlersFor(pdfType);
    std::stable_partition(handlers.begin(), handlers.end(),
                          [](const FileHandler& handler) { return handler.isDefault; });
    std::vector<MenuBuilder::Entry> entries;
    FileHandlers& opener = services.handlers;
    for (const FileHandler& handler : handlers) {
        entries.emplace_back(
            std::in_place_type<MenuBuilder::Item>,
            MenuBuilder::Item{handler.name, QString(),
                              [&opener, id = handler.id, path] { opener.open(id, path); },
                              handler.icon});
    }
    if (!entries.empty()) {
        entries.emplace_back(std::in_place_type<MenuBuilder::Separator>);
    }
    ProcessRunner& runner = services.runner;
    if (runner.isInstalled(mailProgram)) {
        entries.emplace_back(
            std::in_place_type<MenuBuilder::Item>,
            MenuBuilder::Item{
                services.localized(QStringLiteral("share.email")), QStringLiteral("envelope"),
                [&runner, path] {
                    if (const auto attachment = mailAttachment(path)) {
                        runner.launch(mailProgram, {QStringLiteral("--attach"), *attachment});
                    }
                }});
    }
    entries.emplace_back(
        std::in_place_type<MenuBuilder::Item>,
        MenuBuilder::Item{services.localized(QStringLiteral("share.copy")),
                          QStringLiteral("doc.on.doc"), [path] { copyPDFToClipboard(path); }});
    FileViewer& viewer = services.viewer;
    entries.emplace_back(
        std::in_place_type<MenuBuilder::Item>,
        MenuBuilder::Item{services.localized(QStringLiteral("share.showInFiles")),
                          QStringLiteral("folder"), [&viewer, path] { viewer.reveal(path); }});
    return entries;
}

}  // namespace holdsheet
