#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace holdsheet {

class Scheduler;
class WindowRaiser;

// A top-level window of the program other than the panel, filled by one content view, and telling
// its controller when it closes, however it is closed (its close button, the window manager,
// Escape, the program).
class AuxiliaryWindow : public QWidget {
  public:
    explicit AuxiliaryWindow(Qt::WindowFlags flags);

    // The view that fills the window, set once; the window owns it.
    void setContent(std::unique_ptr<QWidget> content);
    QWidget* content() const { return content_; }

    // Called once the window has agreed to close, before it hides.
    void onClose(std::function<void()> handler) { onClose_ = std::move(handler); }

    // Dragging the window's background (where no control takes the press) moves it.
    void setMovableByBackground(bool movable) { movable_ = movable; }

    // Centres the window on the free area of its screen.
    void centre();

    // Shows the window and raises it; once more a turn later, when whatever else this turn
    // does (hiding the panel, closing another window) has settled. A window closed or gone
    // by then stays so.
    void bringToFront(Scheduler& scheduler, WindowRaiser& raiser);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QWidget* content_ = nullptr;
    std::function<void()> onClose_;
    bool movable_ = false;
    std::optional<QPoint> dragOffset_;  // pointer minus window position, while we drag
};

}  // namespace holdsheet
