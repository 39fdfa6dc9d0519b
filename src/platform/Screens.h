#pragma once

#include <QPointF>
#include <QRectF>

#include <vector>

namespace holdsheet {

// The screens and the pointer, in one global coordinate space with its origin at the top
// left (y grows downwards).
class Screens {
  public:
    struct Screen {
        QRectF frame;
        QRectF visibleFrame;  // without panels and docks
    };
    virtual ~Screens() = default;
    virtual QPointF pointer() = 0;
    virtual std::vector<Screen> screens() = 0;  // the platform's order
    virtual int mainScreen() = 0;               // index into screens(), or -1
};

}  // namespace holdsheet
