#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <atomic>
#include <functional>
#include <mutex>

class QDBusMessage;

namespace holdsheet {

// The two flags of org.a11y.Status; either one switches the desktop's accessibility on.
struct AccessibilityFlags {
    bool isEnabled = false;
    bool screenReaderEnabled = false;

    bool on() const { return isEnabled || screenReaderEnabled; }
    // Takes in the values of a GetAll answer or of a PropertiesChanged signal. False when a
    // flag was invalidated without a value: it must be read again.
    bool apply(const QVariantMap& values, const QStringList& invalidated = {});
};

// The desktop's accessibility switch, followed through the launcher's change signal and its
// coming and going on the session bus instead of being asked again and again: reading it
// never blocks and, while nothing changes, nothing wakes. Lives on the thread of the
// application object; read from any thread.
class AccessibilitySwitch : public QObject {
    Q_OBJECT
  public:
    // Reads the switch once, waiting at most a moment for a launcher that does not answer.
    AccessibilitySwitch();
    ~AccessibilitySwitch() override;

    bool on() const { return on_.load(); }
    // Called on this object's thread after every change of on(); an empty one stops it.
    void onChange(std::function<void()> changed);
    // Reads the switch again without waiting (after the program switched it itself).
    void reread();

  private slots:
    void propertiesChanged(const QString& interface, const QVariantMap& changed,
                           const QStringList& invalidated);
    void launcherChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

  private:
    void take(const QDBusMessage& reply);
    void set(AccessibilityFlags flags);

    AccessibilityFlags flags_;
    std::atomic<bool> on_{false};
    std::mutex mutex_;  // guards changed_
    std::function<void()> changed_;
};

}  // namespace holdsheet
