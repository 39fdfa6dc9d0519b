#include "panel/SheetModel.h"

#include "harvest/TitleCap.h"

namespace holdsheet {

SheetModel::SheetModel(std::function<QString(const QString&)> localized)
    : localized_(std::move(localized)) {}

QString SheetModel::displayName() const {
    if (!appName_.isEmpty()) {
        return appName_;
    }
    const QString key = QStringLiteral("app.name");
    return localized_ ? localized_(key) : key;
}

// Every write is announced, even of an equal value: the controller's reset is a sequence
// of writes that observers may count on.
void SheetModel::setSheet(std::optional<ShortcutSheet> sheet) {
    sheet_ = std::move(sheet);
    emit sheetChanged();
}
void SheetModel::setLoading(bool loading) {
    isLoading_ = loading;
    emit loadingChanged(loading);
}
void SheetModel::setQuery(const QString& query) {
    query_ = query;
    emit queryChanged(query);
}
void SheetModel::setContentHeight(double height) {
    contentHeight_ = height;
    emit contentHeightChanged(height);
}
void SheetModel::setAppName(const QString& name) {
    // A window can call itself anything: the header and the PDF show a name, not a flood.
    appName_ = cappedTitle(name);
    emit appNameChanged(appName_);
}
void SheetModel::setAppIcon(const QImage& icon) {
    appIcon_ = icon;
    emit appIconChanged();
}

}  // namespace holdsheet
