#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <vector>

// Xlib's macros (Status, Bool, None) clash with Qt: only its opaque types appear here.
struct _XDisplay;
union _XEvent;

namespace holdsheet {

// An X connection of our own, read on the main thread: a socket notifier wakes the loop,
// and the queue is drained again before the loop blocks, since Xlib may buffer events
// while it waits for a reply.
class X11Connection : public QObject {
  public:
    X11Connection();
    ~X11Connection() override;

    bool isOpen() const { return display_ != nullptr; }
    _XDisplay* display() const { return display_.get(); }
    unsigned long root() const;
    unsigned long atom(const char* name) const;
    void onEvent(std::function<void(_XEvent&)> handler) { handler_ = std::move(handler); }
    void drain();

  private:
    struct Closer {
        void operator()(_XDisplay* display) const;
    };
    std::unique_ptr<_XDisplay, Closer> display_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void(_XEvent&)> handler_;
};

// Whether the X display of the environment can be opened now (Qt would abort on one that
// cannot).
bool displayCanBeOpened();

// Whether a compositing manager runs (owns _NET_WM_CM_S<screen>): only then do window
// opacity and translucency show.
bool compositingManagerRunning(const X11Connection& connection);

// One property of a window: its items as 32-bit values (longs in Xlib) or as bytes.
std::vector<unsigned long> cardinals(_XDisplay* display, unsigned long window,
                                     unsigned long property, unsigned long type, long maximum = 1);
QByteArray bytesProperty(_XDisplay* display, unsigned long window, unsigned long property,
                         unsigned long type);

}  // namespace holdsheet
