#pragma once

#include "export/PrivateFolder.h"
#include "harvest/ShortcutModel.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace holdsheet {

class Localization;

// The name an exported sheet is saved under: "Holdsheet - Mousepad.pdf", the product's name
// localised, with "/" and ":" of the application's name made "-".
QString pdfFileName(const QString& appName, const Localization& localization);

// The sheet written to pdfFileName() in the private export folder (exportFolder), over an
// earlier export of the same name, for the printer or another application to read. The
// file's path, or none when the folder is refused or the file could not be written (nothing
// is then written). The file is left for the next export to replace.
std::optional<QString> temporaryPDF(
    const std::vector<ShortcutGroup>& groups, const QString& appName, const QImage& appIcon,
    const Localization& localization,
    const ExportFolderPlaces& places = ExportFolderPlaces::fromEnvironment());

}  // namespace holdsheet
