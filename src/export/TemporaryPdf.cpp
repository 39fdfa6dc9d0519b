#include "export/TemporaryPdf.h"

#include "export/AtomicFile.h"
#include "export/PdfWriter.h"
#include "prefs/Localization.h"

#include <QFile>
#include <QFileDevice>

namespace holdsheet {

namespace {
constexpr qsizetype longestFileName = 255;  // bytes, on the usual Linux file systems
}  // namespace

QString pdfFileName(const QString& appName, const Localization& localization) {
    QString name = appName;
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char(':'), QLatin1Char('-'));
    const QString prefix =
        localization.localized(QStringLiteral("app.name")) + QStringLiteral(" - ");
    const QString suffix = QStringLiteral(".pdf");
    // A name too long to be a file name loses the end of the application's name.
    while (!name.isEmpty() && QFile::encodeName(prefix + name + suffix).size() > longestFileName) {
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    }
    return prefix + name + suffix;
}

std::optional<QString> temporaryPDF(const std::vector<ShortcutGroup>& groups,
                                    const QString& appName, const QImage& appIcon,
                                    const Localization& localization,
                                    const ExportFolderPlaces& places) {
    const auto folder = exportFolder(places);
    if (!folder) {
        return std::nullopt;
    }
    const QString name = pdfFileName(appName, localization);
    const FileWrite written = writeFileAtomically(
        folder->fd.get(), name, 0600, Existing::replace,
        [&](QFileDevice& file) { return renderPDF(file, groups, appName, appIcon, localization); });
    if (written != FileWrite::written) {
        return std::nullopt;
    }
    return folder->path + QLatin1Char('/') + name;
}

}  // namespace holdsheet
