#include "platform/freedesktop/PaletteAppearance.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace holdsheet {

QPalette darkPalette() {
    QPalette palette;
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(235, 235, 240);
    const QColor disabled(130, 130, 136);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabled);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, QColor(70, 70, 74));
    palette.setColor(QPalette::Midlight, QColor(58, 58, 62));
    palette.setColor(QPalette::Mid, QColor(38, 38, 40));
    palette.setColor(QPalette::Dark, QColor(22, 22, 24));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(10, 132, 255));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(100, 170, 255));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    return palette;
}

PaletteAppearance::PaletteAppearance() {
    QObject::connect(&desktop_, &DesktopColorScheme::changed, &desktop_, [this] { apply(); });
    apply();
}

void PaletteAppearance::setAppearance(std::optional<Look> look) {
    look_ = look;
    apply();
}

void PaletteAppearance::apply() {
    const Look wanted = look_.value_or(desktop_.prefersDark() ? Look::dark : Look::light);
    if (wanted == applied_) {
        return;
    }
    applied_ = wanted;
    QApplication::setPalette(wanted == Look::dark ? darkPalette()
                                                  : QApplication::style()->standardPalette());
}

}  // namespace holdsheet
