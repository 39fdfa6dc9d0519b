#pragma once

#include <QRectF>

#include <chrono>

namespace holdsheet {

// What the controller needs of the panel window; the real one is OverlayPanel.
class PanelWindow {
  public:
    virtual ~PanelWindow() = default;
    virtual bool isVisible() const = 0;
    virtual double alpha() const = 0;
    // Sets the opacity, animated over `fade` where the desktop can show it.
    virtual void setAlpha(double alpha, std::chrono::milliseconds fade) = 0;
    // Shows the panel in front and gives it the keyboard.
    virtual void orderFront() = 0;
    virtual bool isKey() const = 0;
    virtual void makeKey() = 0;
    virtual void orderOut() = 0;
    virtual void setFrame(const QRectF& frame, bool animate) = 0;
    // The search field is being edited.
    virtual bool isEditingText() const = 0;
    // Lets go of the content before the window is released.
    virtual void releaseContent() = 0;
};

}  // namespace holdsheet
