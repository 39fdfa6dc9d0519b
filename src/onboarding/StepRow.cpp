#include "onboarding/StepRow.h"

#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPainter>

#include <algorithm>

namespace holdsheet {

namespace {
QFont numberFont() {
    return sheetFont(12, QFont::Bold);
}
QFont stepFont() {
    return sheetFont(13);
}
// The number's baseline inside its badge, the number centred.
int badgeBaseline() {
    const QFontMetrics metrics(numberFont());
    return (StepRow::badgeSide - metrics.height()) / 2 + metrics.ascent();
}
}  // namespace

class StepRow::Badge : public QWidget {
  public:
    Badge(QString number, QWidget* parent) : QWidget(parent), number_(std::move(number)) {
        setFixedSize(badgeSide, badgeSide);
        setFont(numberFont());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = accentColour(palette());
        painter.setPen(Qt::NoPen);
        painter.setBrush(withOpacity(accent, 0.18));
        painter.drawEllipse(QRectF(rect()));
        painter.setPen(accent);
        const QFontMetrics metrics(font());
        const int x = (width() - metrics.horizontalAdvance(number_)) / 2;
        painter.drawText(x, badgeBaseline(), number_);
    }

  private:
    QString number_;
};

StepRow::StepRow(const QString& number, const QString& text, QWidget* parent)
    : QWidget(parent),
      number_(number),
      badge_(new Badge(number, this)),
      text_(new SheetLabel(text, stepFont(), SheetLabel::Tone::primary, this)) {
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    // Level on the first baseline: whichever of the two sits higher is moved down.
    const int shift = badgeBaseline() - QFontMetrics(stepFont()).ascent();
    auto* badgeColumn = new QVBoxLayout;
    badgeColumn->setContentsMargins(0, std::max(0, -shift), 0, 0);
    badgeColumn->addWidget(badge_);
    badgeColumn->addStretch();
    auto* textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, std::max(0, shift), 0, 0);
    textColumn->addWidget(text_);
    layout->addLayout(badgeColumn);
    layout->addLayout(textColumn, 1);
}

int StepRow::numberBaseline() const {
    return badge_->y() + badgeBaseline();
}

int StepRow::textBaseline() const {
    // QLabel draws its text at the top of its contents, at the font's ascent.
    return text_->y() + text_->contentsRect().top() + QFontMetrics(text_->font()).ascent();
}

}  // namespace holdsheet
