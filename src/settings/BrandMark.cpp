#include "settings/BrandMark.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace holdsheet {

BrandMark::BrandMark(int size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (QFile::exists(resource)) {
        renderer_ = std::make_unique<QSvgRenderer>(resource);
    }
}

BrandMark::~BrandMark() = default;

bool BrandMark::hasDrawing() const {
    return renderer_ && renderer_->isValid();
}

void BrandMark::paintEvent(QPaintEvent*) {
    if (!hasDrawing()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, QRectF(rect()));
}

}  // namespace holdsheet
