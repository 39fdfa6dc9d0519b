#include "settings/Hint.h"

#include "ui/SettingsStyle.h"

namespace holdsheet {

Hint::Hint(const QString& text, QWidget* parent)
    : SheetLabel(text, captionFont(), Tone::secondary, parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeading | Qt::AlignTop);
}

}  // namespace holdsheet
