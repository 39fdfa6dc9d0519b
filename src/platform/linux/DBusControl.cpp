#include "platform/linux/DBusControl.h"

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

bool DBusControl::call(const QString& method, QVariantMap* status) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QString::fromLatin1(serviceName), QString::fromLatin1(objectPath),
        QStringLiteral("org.holdsheet.Holdsheet"), method);
    message.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        return false;
    }
    if (status && !reply.arguments().isEmpty()) {
        *status = qdbus_cast<QVariantMap>(reply.arguments().first());
    }
    return true;
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
