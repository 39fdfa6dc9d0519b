#include "brand/BrandMark.h"

#include "brand/BrandArt.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace holdsheet {

BrandMark::BrandMark(int size, const QString& drawing, QWidget* parent) : QWidget(parent) {
    setFixedSize(size, size);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QString path = drawing.isEmpty() ? brandMarkPath() : drawing;
    if (QFile::exists(path)) {
        renderer_ = std::make_unique<QSvgRenderer>(path);
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
