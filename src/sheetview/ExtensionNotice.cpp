#include "sheetview/ExtensionNotice.h"

#include "permissions/ShellExtension.h"
#include "ui/SheetStyle.h"

namespace holdsheet {

ExtensionNotice::ExtensionNotice(ShellExtension& extension, const Localization& localization,
                                 double scale, QWidget* parent)
    : SheetLabel(QString(), sheetFont(11.5 * scale, QFont::DemiBold), Tone::secondary, parent),
      extension_(extension),
      localization_(localization) {
    setObjectName(QStringLiteral("extensionNotice"));
    setContentsMargins(26, 0, 26, 8);
    setWordWrap(true);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    connect(&extension_, &ShellExtension::stateChanged, this, [this] { refresh(); });
    refresh();
}

void ExtensionNotice::refresh() {
    const QString notice =
        extensionNotice(localization_, extension_.state(), extension_.loadedUuid());
    setText(notice);
    setAccessibleName(notice);
    setVisible(!notice.isEmpty());
}

}  // namespace holdsheet
