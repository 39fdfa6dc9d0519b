#pragma once

#include "platform/WindowRaiser.h"

#include <functional>
#include <vector>

namespace holdsheet::testing {

// Keeps the windows it was asked to bring to the front, in order.
class FakeWindowRaiser : public WindowRaiser {
  public:
    std::vector<const QWidget*> raised;
    std::function<void(QWidget&)> onRaise;  // called after each request

    void bringToFront(QWidget& window) override {
        raised.push_back(&window);
        if (onRaise) {
            onRaise(window);
        }
    }
};

}  // namespace holdsheet::testing
