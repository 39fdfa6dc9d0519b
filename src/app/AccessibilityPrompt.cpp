#include "app/AccessibilityPrompt.h"

#include "prefs/Localization.h"

#include <QMessageBox>
#include <QPushButton>

namespace holdsheet {

bool askToEnableAccessibility(const Localization& localization) {
    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(localization.localized(QStringLiteral("app.name")));
    box.setText(localization.localized(QStringLiteral("perm.enable.title")));
    box.setInformativeText(localization.localized(QStringLiteral("perm.enable.body")));
    box.setLayoutDirection(localization.layoutDirection());
    QPushButton* confirm = box.addButton(
        localization.localized(QStringLiteral("perm.enable.confirm")), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(
        localization.localized(QStringLiteral("perm.enable.cancel")), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.exec();
    return box.clickedButton() == confirm;
}

}  // namespace holdsheet
