#include "platform/freedesktop/DesktopColorScheme.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace holdsheet {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString portalSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearanceGroup = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");

// The portal's value: 1 prefers dark, 2 prefers light, 0 no preference (light). Read wraps
// the value in one variant more than the signal does.
std::optional<uint> schemeOf(QVariant value) {
    for (int depth = 0; depth < 3 && value.canConvert<QDBusVariant>() &&
                        value.metaType() == QMetaType::fromType<QDBusVariant>();
         ++depth) {
        value = value.value<QDBusVariant>().variant();
    }
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? std::optional(scheme) : std::nullopt;
}

}  // namespace

// GNOME's "color-scheme" ("prefer-dark", "prefer-light", "default"), watched through GIO;
// the schema may lack the key on older desktops, and GIO aborts on an absent key.
struct DesktopColorScheme::Gnome {
    GSettings* settings = nullptr;
    gulong handler = 0;

    explicit Gnome(DesktopColorScheme& owner) {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema =
            source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.interface", TRUE)
                   : nullptr;
        if (!schema) {
            return;
        }
        if (g_settings_schema_has_key(schema, "color-scheme")) {
            settings = g_settings_new_full(schema, nullptr, nullptr);
        }
        g_settings_schema_unref(schema);
        if (!settings) {
            return;
        }
        handler = g_signal_connect(settings, "changed::color-scheme",
                                   G_CALLBACK(+[](GSettings*, gchar*, gpointer data) {
                                       auto* self = static_cast<DesktopColorScheme*>(data);
                                       self->setGnome(readDark(self->gnome_->settings));
                                   }),
                                   &owner);
        owner.gnomeDark_ = readDark(settings);
    }
    ~Gnome() {
        if (settings) {
            g_signal_handler_disconnect(settings, handler);
            g_object_unref(settings);
        }
    }
    Gnome(const Gnome&) = delete;
    Gnome& operator=(const Gnome&) = delete;

    static bool readDark(GSettings* settings) {
        gchar* text = g_settings_get_string(settings, "color-scheme");
        const bool dark = text && g_strcmp0(text, "prefer-dark") == 0;
        g_free(text);
        return dark;
    }
};

DesktopColorScheme::DesktopColorScheme() {
    gnome_ = std::make_unique<Gnome>(*this);
    QDBusConnection::sessionBus().connect(
        portalService, portalPath, portalSettings, QStringLiteral("SettingChanged"), this,
        SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
    askPortal();
}

DesktopColorScheme::~DesktopColorScheme() = default;

void DesktopColorScheme::askPortal() {
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, portalPath, portalSettings,
                                                       QStringLiteral("Read"));
    call << appearanceGroup << colorSchemeKey;
    call.setAutoStartService(false);  // no portal running: GNOME's setting, without waiting
    // Asynchronous: a portal that hangs must not stall the main thread.
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 2000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<QDBusVariant> reply = *finished;
                if (!reply.isError()) {
                    if (const auto scheme = schemeOf(QVariant::fromValue(reply.value()))) {
                        setPortal(*scheme == 1);
                    }
                }
                finished->deleteLater();
            });
}

void DesktopColorScheme::portalSettingChanged(const QString& group, const QString& key,
                                              const QDBusVariant& value) {
    if (group == appearanceGroup && key == colorSchemeKey) {
        if (const auto scheme = schemeOf(QVariant::fromValue(value))) {
            setPortal(*scheme == 1);
        }
    }
}

void DesktopColorScheme::setPortal(std::optional<bool> dark) {
    const bool before = prefersDark();
    portalDark_ = dark;
    if (prefersDark() != before) {
        emit changed();
    }
}

void DesktopColorScheme::setGnome(bool dark) {
    const bool before = prefersDark();
    gnomeDark_ = dark;
    if (prefersDark() != before) {
        emit changed();
    }
}

}  // namespace holdsheet
