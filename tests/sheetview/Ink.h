#pragma once

#include <QImage>
#include <QRect>

namespace holdsheet::testing {

// The bounds of the pixels darker than `gray` in `area` of `image` (all of it if null).
inline QRect inkedRect(const QImage& image, int gray, QRect area = {}) {
    area = area.isNull() ? image.rect() : area & image.rect();
    QRect inked;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < gray) {
                inked |= QRect(x, y, 1, 1);
            }
        }
    }
    return inked;
}

}  // namespace holdsheet::testing
