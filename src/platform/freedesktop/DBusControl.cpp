#include "platform/freedesktop/DBusControl.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace holdsheet {

const char* const DBusControl::serviceName = "org.holdsheet.Holdsheet";
const char* const DBusControl::objectPath = "/org/holdsheet/Holdsheet";

DBusControl::DBusControl(Handlers handlers) : handlers_(std::move(handlers)) {}

DBusControl::Registration DBusControl::registerOnSessionBus() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return Registration::noSessionBus;
    }
    if (!bus.registerService(QString::fromLatin1(serviceName)) ||
        !bus.registerObject(QString::fromLatin1(objectPath), this,
                            QDBusConnection::ExportScriptableSlots)) {
        return Registration::alreadyRunning;
    }
    return Registration::registered;
}

DBusControl::Answer DBusControl::call(const QString& method, QVariantMap* status) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return Answer::noSessionBus;
    }
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(serviceName), QString::fromLatin1(objectPath),
        QStringLiteral("org.holdsheet.Holdsheet"), method);
    message.setAutoStartService(false);
    const QDBusMessage reply = bus.call(message, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (status && !reply.arguments().isEmpty()) {
            *status = qdbus_cast<QVariantMap>(reply.arguments().first());
        }
        return Answer::answered;
    }
    // The bus routes by the name's owner at the time of the call: it knows.
    if (reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
        return Answer::notRunning;
    }
    // No reply in time, or an error of the bus's own: the owner, should there still be one,
    // did not answer.
    const QDBusReply<bool> owned =
        bus.interface()->isServiceRegistered(QString::fromLatin1(serviceName));
    if (!owned.isValid()) {
        return bus.isConnected() ? Answer::notAnswering : Answer::noSessionBus;
    }
    return owned.value() ? Answer::notAnswering : Answer::notRunning;
}

void DBusControl::Show() {
    if (handlers_.show) {
        handlers_.show();
    }
}

void DBusControl::Hide() {
    if (handlers_.hide) {
        handlers_.hide();
    }
}

void DBusControl::Reopen() {
    if (handlers_.reopen) {
        handlers_.reopen();
    }
}

QVariantMap DBusControl::Status() {
    return handlers_.status ? handlers_.status() : QVariantMap();
}

}  // namespace holdsheet
