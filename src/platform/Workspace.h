#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include <sys/types.h>

namespace holdsheet {

// A running application as the desktop shows it.
struct RunningApplication {
    pid_t pid = 0;
    QString applicationId;  // the desktop's id for it ("org.xfce.mousepad"), may be empty
    QString name;           // localised name, may be empty
    QImage icon;            // may be null
    quint64 window = 0;     // the window it was last seen active in, for activating it again
    // The window's class names (instance and class, "mousepad" and "Mousepad"), which
    // launcher entries name as their StartupWMClass.
    QStringList windowClasses;

    // Whether `ids` names this application by its application id or a window class.
    bool isNamedIn(const QStringList& ids) const;
};

// The desktop's applications: which one is in front, and switching between them.
class Workspace {
  public:
    using ActivationObserver = std::function<void(const std::optional<RunningApplication>&)>;
    // Ends the observation when dropped.
    class Observation {
      public:
        virtual ~Observation() = default;
    };

    virtual ~Workspace() = default;
    virtual std::optional<RunningApplication> frontmostApplication() = 0;
    virtual pid_t ownPid() = 0;
    // Called on the main thread at every activation of any application.
    virtual std::unique_ptr<Observation> observeActivations(ActivationObserver observer) = 0;
    virtual void activate(const RunningApplication& application) = 0;
};

}  // namespace holdsheet
