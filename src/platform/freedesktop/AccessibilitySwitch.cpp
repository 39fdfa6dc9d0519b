#include "platform/freedesktop/AccessibilitySwitch.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QThread>

namespace holdsheet {

namespace {

const QString launcherService = QStringLiteral("org.a11y.Bus");
const QString launcherPath = QStringLiteral("/org/a11y/bus");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString isEnabledName = QStringLiteral("IsEnabled");
const QString screenReaderName = QStringLiteral("ScreenReaderEnabled");
// As long as the program's launch waits for a launcher that is stuck; a later answer still
// counts.
constexpr int firstReadTimeoutMs = 500;

QDBusMessage getAll() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        launcherService, launcherPath, propertiesInterface, QStringLiteral("GetAll"));
    call.setArguments({statusInterface});
    return call;
}

std::optional<bool> flagIn(const QVariantMap& values, const QString& name) {
    const auto found = values.constFind(name);
    if (found == values.constEnd()) {
        return std::nullopt;
    }
    const QVariant value = found->metaType() == QMetaType::fromType<QDBusVariant>()
                               ? qvariant_cast<QDBusVariant>(*found).variant()
                               : *found;
    return value.toBool();
}

}  // namespace

bool AccessibilityFlags::apply(const QVariantMap& values, const QStringList& invalidated) {
    if (const auto value = flagIn(values, isEnabledName)) {
        isEnabled = *value;
    }
    if (const auto value = flagIn(values, screenReaderName)) {
        screenReaderEnabled = *value;
    }
    return !invalidated.contains(isEnabledName) && !invalidated.contains(screenReaderName);
}

AccessibilitySwitch::AccessibilitySwitch() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Made before the move below, which takes it along: a child cannot be made across threads.
    auto* watcher = new QDBusServiceWatcher(launcherService, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &AccessibilitySwitch::launcherChanged);
    // Created by whichever thread asks first; followed where the event loop runs.
    if (const auto* application = QCoreApplication::instance();
        application && thread() != application->thread()) {
        moveToThread(application->thread());
    }
    bus.connect(launcherService, launcherPath, propertiesInterface,
                QStringLiteral("PropertiesChanged"), {statusInterface}, QString(), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    const QDBusMessage reply = bus.call(getAll(), QDBus::Block, firstReadTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage &&
        reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NoReply")) {
        reread();
    } else {
        take(reply);
    }
}

AccessibilitySwitch::~AccessibilitySwitch() {
    QDBusConnection::sessionBus().disconnect(
        launcherService, launcherPath, propertiesInterface, QStringLiteral("PropertiesChanged"),
        {statusInterface}, QString(), this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
}

void AccessibilitySwitch::onChange(std::function<void()> changed) {
    std::lock_guard lock(mutex_);
    changed_ = std::move(changed);
}

void AccessibilitySwitch::reread() {
    // Its watcher must be made on this object's thread.
    QMetaObject::invokeMethod(this, [this] {
        auto* pending =
            new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(getAll()), this);
        connect(pending, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher* finished) {
                    finished->deleteLater();
                    take(finished->reply());
                });
    });
}

void AccessibilitySwitch::propertiesChanged(const QString& interface, const QVariantMap& changed,
                                            const QStringList& invalidated) {
    if (interface != statusInterface) {
        return;
    }
    AccessibilityFlags flags = flags_;
    if (!flags.apply(changed, invalidated)) {
        reread();
    }
    set(flags);
}

void AccessibilitySwitch::launcherChanged(const QString&, const QString&, const QString& newOwner) {
    if (newOwner.isEmpty()) {
        set({});  // no launcher, no accessibility bus
    } else {
        reread();
    }
}

void AccessibilitySwitch::take(const QDBusMessage& reply) {
    AccessibilityFlags flags;  // a launcher that cannot answer switches nothing on
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
        flags.apply(qdbus_cast<QVariantMap>(reply.arguments().first()));
    }
    set(flags);
}

void AccessibilitySwitch::set(AccessibilityFlags flags) {
    flags_ = flags;
    if (on_.exchange(flags.on()) == flags.on()) {
        return;
    }
    std::function<void()> changed;
    {
        std::lock_guard lock(mutex_);
        changed = changed_;
    }
    if (changed) {
        changed();
    }
}

}  // namespace holdsheet
