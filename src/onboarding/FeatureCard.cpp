#include "onboarding/FeatureCard.h"

#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
constexpr double cardRadius = 16;
constexpr double cardOpacity = 0.06;
constexpr double boxRadius = 11;
constexpr double boxOpacity = 0.16;
// A symbol set at 17 points semibold spans about 20 of its box's 40.
constexpr double symbolSide = 20;
constexpr int columnSpacing = 13;
constexpr int textSpacing = 3;
constexpr double titleSize = 14.5;
constexpr double textSize = 12.5;

void fillRounded(QPainter& painter, const QRectF& rect, double radius, const QColor& colour) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, colour);
}

// The symbol in the accent colour on a square tinted with it.
class SymbolBox : public QWidget {
  public:
    SymbolBox(QString symbol, QWidget* parent)
        // The six symbols are drawn alike, whatever the icon theme has for some of them.
        : QWidget(parent), symbol_(std::move(symbol), symbolSide, SymbolSource::ownDrawing) {
        setFixedSize(FeatureCard::symbolBoxSide, FeatureCard::symbolBoxSide);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor accent = accentColour(palette());
        fillRounded(painter, QRectF(rect()), boxRadius, withOpacity(accent, boxOpacity));
        const double offset = (FeatureCard::symbolBoxSide - symbolSide) / 2;
        symbol_.paint(painter, QPointF(offset, offset), accent, devicePixelRatioF());
    }

  private:
    SymbolPixmap symbol_;
};
}  // namespace

FeatureCard::FeatureCard(const TourFeature& feature, double scale, QWidget* parent)
    : QWidget(parent), id_(feature.id), symbolBox_(new SymbolBox(feature.symbol, this)) {
    setMinimumHeight(minimumCardHeight);
    // The grid shares its width out evenly, whatever the lengths of the texts.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(columnSpacing);
    row->addWidget(symbolBox_, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(textSpacing);
    if (feature.title) {
        title_ = new SheetLabel(*feature.title, sheetFont(titleSize * scale, QFont::DemiBold),
                                SheetLabel::Tone::primary, this);
        title_->setWordWrap(true);
        texts->addWidget(title_);
    }
    text_ = new SheetLabel(feature.text, sheetFont(textSize * scale),
                           title_ ? SheetLabel::Tone::secondary : SheetLabel::Tone::primary, this);
    text_->setWordWrap(true);
    if (!title_) {
        // Alone, the text is centred in the symbol's height: one line sits level with it.
        text_->setMinimumHeight(symbolBoxSide);
        text_->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    } else {
        text_->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    }
    texts->addWidget(text_);
    texts->addStretch(1);
    row->addLayout(texts, 1);
}

void FeatureCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    fillRounded(painter, QRectF(rect()), cardRadius,
                withOpacity(primaryText(palette()), cardOpacity));
}

}  // namespace holdsheet
