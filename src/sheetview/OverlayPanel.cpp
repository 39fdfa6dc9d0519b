#include "sheetview/OverlayPanel.h"

#include "sheetview/CheatSheetRoot.h"
#include "ui/PanelBackground.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPropertyAnimation>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace holdsheet {

namespace {
constexpr int grabAttempts = 20;  // another client may hold a grab for a moment
constexpr int grabRetryMs = 25;
}  // namespace

OverlayPanel::OverlayPanel(SheetModel& model, SheetServices services, bool compositing)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint),
      compositing_(compositing) {
    setWindowTitle(QStringLiteral("Holdsheet panel"));
    setObjectName(QStringLiteral("HoldsheetPanel"));
    // The sheet draws the panel's rounded backdrop; around it the window stays clear.
    setAttribute(Qt::WA_TranslucentBackground, compositing);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new CheatSheetRoot(model, std::move(services), compositing, this);
    layout->addWidget(view_);
    resize(1100, 400);
    fade_ = new QPropertyAnimation(this, "windowOpacity", this);
}

OverlayPanel::~OverlayPanel() = default;

void OverlayPanel::setAlpha(double alpha, std::chrono::milliseconds fade) {
    alpha_ = alpha;
    // On its way out the panel takes no more typing: a row's key combination is posted
    // before the fade ends, and must reach the application, not this grab.
    if (alpha == 0.0 && grabbed_ && windowHandle()) {
        windowHandle()->setKeyboardGrabEnabled(false);
        grabbed_ = false;
    }
    // Nothing to see without a compositor, and a Wayland client has no say in its window's
    // opacity: there the panel shows and hides at once.
    if (!compositing_ || QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    fade_->stop();
    if (fade.count() == 0 || !QWidget::isVisible()) {
        setWindowOpacity(alpha);
        return;
    }
    fade_->setDuration(static_cast<int>(fade.count()));
    fade_->setStartValue(windowOpacity());
    fade_->setEndValue(alpha);
    fade_->start();
}

void OverlayPanel::orderFront() {
    show();
    raise();
    makeKey();
}

void OverlayPanel::makeKey() {
    if (view_) {
        view_->searchField()->setFocus();
    }
    grabKeyboard(grabAttempts);
}

void OverlayPanel::grabKeyboard(int attemptsLeft) {
    if (!QWidget::isVisible() || !windowHandle()) {
        return;
    }
    grabbed_ = windowHandle()->setKeyboardGrabEnabled(true);
    if (!grabbed_ && attemptsLeft > 0 && !QGuiApplication::platformName().startsWith("wayland")) {
        QTimer::singleShot(grabRetryMs, this,
                           [this, attemptsLeft] { grabKeyboard(attemptsLeft - 1); });
    }
}

void OverlayPanel::orderOut() {
    if (windowHandle()) {
        windowHandle()->setKeyboardGrabEnabled(false);
    }
    grabbed_ = false;
    hide();
}

void OverlayPanel::setFrame(const QRectF& frame, bool) {
    setGeometry(frame.toRect());
}

bool OverlayPanel::isEditingText() const {
    // Focus alone is not editing: the field has it whenever the panel shows.
    const QLineEdit* field = view_ ? view_->searchField() : nullptr;
    return field && field->hasFocus() && !field->text().isEmpty();
}

void OverlayPanel::releaseContent() {
    delete view_;
    view_ = nullptr;
}

void OverlayPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!compositing_) {
        setMask(roundedWindowMask(rect(), CheatSheetRoot::cornerRadius));
    }
}

}  // namespace holdsheet
