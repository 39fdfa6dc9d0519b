#include "settings/MinMaxSlider.h"

#include "ui/SettingsStyle.h"
#include "ui/SheetLabel.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace holdsheet {

MinMaxSlider::MinMaxSlider(double minimum, double maximum, std::optional<double> step,
                           const QString& low, const QString& high, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(std::max(minimum, maximum)),
      slider_(new QSlider(Qt::Horizontal, this)),
      low_(new SheetLabel(low, captionFont(), SheetLabel::Tone::secondary, this)),
      high_(new SheetLabel(high, captionFont(), SheetLabel::Tone::secondary, this)) {
    const double span = maximum_ - minimum_;
    const bool stepped = step && *step > 0 && span > 0;
    const int positions =
        stepped ? static_cast<int>(std::lround(span / *step)) : continuousPositions;
    increment_ = positions > 0 ? span / positions : 0;
    slider_->setRange(0, positions);
    slider_->setSingleStep(1);
    slider_->setPageStep(stepped ? 1 : positions / 10);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(low_, 0, Qt::AlignVCenter);
    layout->addWidget(slider_, 1, Qt::AlignVCenter);
    layout->addWidget(high_, 0, Qt::AlignVCenter);
    connect(slider_, &QSlider::valueChanged, this, [this] {
        if (onChange_) {
            onChange_(value());
        }
    });
}

int MinMaxSlider::positionOf(double value) const {
    if (increment_ <= 0 || !std::isfinite(value)) {
        return 0;
    }
    const double clamped = std::clamp(value, minimum_, maximum_);
    return static_cast<int>(std::lround((clamped - minimum_) / increment_));
}

double MinMaxSlider::value() const {
    return minimum_ + slider_->value() * increment_;
}

void MinMaxSlider::setValue(double value) {
    const QSignalBlocker quiet(slider_);
    slider_->setValue(positionOf(value));
}

}  // namespace holdsheet
