#include "settings/LanguagePicker.h"

#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "ui/SettingsStyle.h"

#include <QSignalBlocker>

namespace holdsheet {

namespace {
const QString system = QStringLiteral("system");
}

LanguagePicker::LanguagePicker(const Localization& localization, QWidget* parent)
    : QComboBox(parent) {
    setFont(bodyFont());
    setAccessibleName(localization.localized(QStringLiteral("settings.language")));
    addItem(localization.localized(QStringLiteral("lang.system")), system);
    insertSeparator(count());
    for (const Language& language : selectableLanguages()) {
        addItem(language.name, language.code);
    }
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMaxVisibleItems(count());
}

void LanguagePicker::setLanguage(const QString& code) {
    const int index = findData(code);
    const QSignalBlocker quiet(this);
    setCurrentIndex(index > 0 ? index : 0);
}

QString LanguagePicker::language() const {
    return currentData().toString();
}

}  // namespace holdsheet
