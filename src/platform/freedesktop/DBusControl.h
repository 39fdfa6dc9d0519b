#pragma once

#include <QObject>
#include <QVariantMap>

#include <functional>

namespace holdsheet {

// The running program on the session bus, so it can be driven from outside (a desktop
// shortcut, tests, a second launch): one well-known name per session, methods Show, Hide,
// Reopen and Status.
class DBusControl : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.holdsheet.Holdsheet")
  public:
    static const char* const serviceName;
    static const char* const objectPath;

    struct Handlers {
        std::function<void()> show;
        std::function<void()> hide;
        std::function<void()> reopen;
        std::function<QVariantMap()> status;
    };
    explicit DBusControl(Handlers handlers);

    // Takes the name; false when another instance holds it (or there is no session bus).
    enum class Registration { registered, noSessionBus, alreadyRunning };
    Registration registerOnSessionBus();

    // Calls a method of the running instance. Not running only when no process holds the
    // name; one that holds it but does not answer in time (busy, stopped, flooded with
    // calls) is not answering.
    enum class Answer { answered, notRunning, notAnswering, noSessionBus };
    static Answer call(const QString& method, QVariantMap* status = nullptr);

  public slots:
    Q_SCRIPTABLE void Show();
    Q_SCRIPTABLE void Hide();
    Q_SCRIPTABLE void Reopen();
    Q_SCRIPTABLE QVariantMap Status();

  private:
    Handlers handlers_;
};

}  // namespace holdsheet
