#include "settings/SegmentedPicker.h"

#include "ui/SettingsStyle.h"
#include "ui/SheetStyle.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace holdsheet {

namespace {
constexpr double outerRadius = 7;
constexpr double innerRadius = 5.5;
constexpr int inset = 2;
constexpr int textPadding = 12;
}  // namespace

// One segment: its title, on a raised face when chosen.
class SegmentedPicker::Segment : public QAbstractButton {
  public:
    Segment(const QString& title, QWidget* parent) : QAbstractButton(parent) {
        setText(title);
        setCheckable(true);
        setFocusPolicy(Qt::TabFocus);
        setFont(bodyFont());
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override {
        const double text = QFontMetricsF(font()).horizontalAdvance(this->text());
        return {static_cast<int>(std::ceil(text)) + 2 * textPadding,
                SegmentedPicker::pickerHeight - 2 * inset};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        if (isChecked()) {
            const bool dark = isDarkPalette(palette());
            QPainterPath face;
            face.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), innerRadius,
                                innerRadius);
            painter.fillPath(face, dark ? QColor(255, 255, 255, 60) : QColor(Qt::white));
            painter.setPen(QPen(withOpacity(primaryText(palette()), 0.12), 0.5));
            painter.drawPath(face);
        } else if (underMouse()) {
            QPainterPath face;
            face.addRoundedRect(QRectF(rect()), innerRadius, innerRadius);
            painter.fillPath(face, withOpacity(primaryText(palette()), 0.05));
        }
        painter.setPen(primaryText(palette()));
        const QFontMetricsF metrics(font());
        painter.drawText(QRectF(rect()), Qt::AlignCenter | Qt::TextSingleLine,
                         metrics.elidedText(text(), Qt::ElideRight, width() - 4));
    }
    void enterEvent(QEnterEvent* event) override {
        QAbstractButton::enterEvent(event);
        update();
    }
    void leaveEvent(QEvent* event) override {
        QAbstractButton::leaveEvent(event);
        update();
    }
};

SegmentedPicker::SegmentedPicker(const QStringList& titles, int selected, QWidget* parent)
    : QWidget(parent), selected_(selected) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->setSpacing(0);
    for (int i = 0; i < titles.size(); ++i) {
        auto* segment = new Segment(titles[i], this);
        segment->setChecked(i == selected);
        segments_.push_back(segment);
        layout->addWidget(segment, 1);
        connect(segment, &QAbstractButton::clicked, this, [this, i] {
            setSelected(i);
            if (onChange_) {
                onChange_(i);
            }
        });
    }
    setMaximumWidth(maximumWidth);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

QAbstractButton* SegmentedPicker::segment(int index) const {
    return index >= 0 && index < count() ? segments_[static_cast<std::size_t>(index)] : nullptr;
}

void SegmentedPicker::setSelected(int index) {
    selected_ = index;
    for (int i = 0; i < count(); ++i) {
        segments_[static_cast<std::size_t>(i)]->setChecked(i == index);
    }
}

QSize SegmentedPicker::sizeHint() const {
    return {maximumWidth, pickerHeight};  // segments too narrow for their titles cut them
}

void SegmentedPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath track;
    track.addRoundedRect(QRectF(rect()), outerRadius, outerRadius);
    painter.fillPath(track, withOpacity(primaryText(palette()), 0.08));
    // A hairline between two segments neither of which is chosen.
    painter.setPen(QPen(withOpacity(primaryText(palette()), 0.15), 1));
    for (int i = 1; i < count(); ++i) {
        if (i == selected_ || i - 1 == selected_) {
            continue;
        }
        const QRect a = segments_[static_cast<std::size_t>(i - 1)]->geometry();
        const QRect b = segments_[static_cast<std::size_t>(i)]->geometry();
        const double x = std::max(a.left(), b.left());  // where they meet, in either direction
        painter.drawLine(QPointF(x, 6), QPointF(x, height() - 6));
    }
}

}  // namespace holdsheet
