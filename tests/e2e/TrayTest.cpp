// The status-area item as a desktop's panel sees it: registered with a status-notifier
// watcher of the test's own, its menu exported over D-Bus.
#include "E2eSupport.h"

#include "platform/linux/ActiveWindow.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

std::optional<QVariant> property(const QString& service, const QString& path,
                                 const QString& interface, const QString& name) {
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << name;
    const QDBusMessage reply = bus().call(get, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

// The items the watcher holds, each as "bus name/object path".
QStringList registeredItems() {
    const auto items = property(watcherService, QStringLiteral("/StatusNotifierWatcher"),
                                watcherService, QStringLiteral("RegisteredStatusNotifierItems"));
    return items ? items->toStringList() : QStringList();
}

struct MenuEntry {
    int id = 0;
    QString label;  // "-" for a separator
};

// The item's menu as a panel reads it, top level only; empty when it does not answer.
std::vector<MenuEntry> menuOf(const QString& item, QString* menuService = nullptr,
                              QString* menuPath = nullptr) {
    const qsizetype slash = item.indexOf(QLatin1Char('/'));
    const QString service = item.left(slash);
    const auto path =
        property(service, item.mid(slash), QStringLiteral("org.kde.StatusNotifierItem"),
                 QStringLiteral("Menu"));
    if (!path) {
        return {};
    }
    const QString menu = path->value<QDBusObjectPath>().path();
    QDBusMessage getLayout = QDBusMessage::createMethodCall(
        service, menu, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("GetLayout"));
    getLayout << 0 << -1 << QStringList();
    const QDBusMessage reply = bus().call(getLayout, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        return {};
    }
    std::vector<MenuEntry> entries;
    const QDBusArgument root = reply.arguments().at(1).value<QDBusArgument>();
    int rootId = 0;
    QVariantMap rootProperties;
    root.beginStructure();
    root >> rootId >> rootProperties;
    root.beginArray();
    while (!root.atEnd()) {
        QDBusVariant child;
        root >> child;
        const QDBusArgument node = child.variant().value<QDBusArgument>();
        MenuEntry entry;
        QVariantMap properties;
        node.beginStructure();
        node >> entry.id >> properties;
        node.beginArray();
        while (!node.atEnd()) {
            QDBusVariant grandchild;
            node >> grandchild;
        }
        node.endArray();
        node.endStructure();
        entry.label = properties.value("type").toString() == QLatin1String("separator")
                          ? QStringLiteral("-")
                          : properties.value("label").toString();
        entries.push_back(entry);
    }
    root.endArray();
    root.endStructure();
    if (menuService) {
        *menuService = service;
    }
    if (menuPath) {
        *menuPath = menu;
    }
    return entries;
}

QStringList labels(const std::vector<MenuEntry>& entries) {
    QStringList texts;
    for (const auto& entry : entries) {
        texts << entry.label;
    }
    return texts;
}

// Clicks the entry of the item's menu with this label, as a panel does; false when the menu
// has no such entry.
bool click(const QString& item, const QString& label) {
    QString service, path;
    for (const auto& entry : menuOf(item, &service, &path)) {
        if (entry.label == label) {
            QDBusMessage event = QDBusMessage::createMethodCall(
                service, path, QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("Event"));
            event << entry.id << QStringLiteral("clicked")
                  << QVariant::fromValue(QDBusVariant(QVariant(0))) << 0u;
            bus().call(event, QDBus::Block, 5000);
            return true;
        }
    }
    return false;
}

class Tray : public ::testing::Test {
  protected:
    void SetUp() override {
        // Qt looks for the watcher once, when the first item is made: it must be up first.
        ASSERT_TRUE(waitUntil(
            [] { return bus().interface()->isServiceRegistered(watcherService).value(); }, 30s))
            << watcher.errorOutput().toStdString();
        ASSERT_TRUE(config.isValid());
    }

    void start(const QByteArray& settings) {
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY},
                          withConfigFile(config.path(), settingsFile, settings));
    }

    // Replaces the settings file while the program runs, as most editors save.
    void edit(const QByteArray& settings) {
        QSaveFile file(config.path() + QLatin1Char('/') + settingsFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(settings), settings.size());
        ASSERT_TRUE(file.commit());
    }

    // The one item that registers, or an empty text.
    QString waitForItem() {
        QString item;
        waitUntil(
            [&] {
                const QStringList items = registeredItems();
                item = items.size() == 1 ? items.front() : QString();
                return !item.isEmpty();
            },
            30s);
        return item;
    }

    static bool menuReads(const QString& item, const QStringList& expected) {
        return waitUntil([&] { return labels(menuOf(item)) == expected; }, 20s);
    }

    const QString settingsFile = QStringLiteral("Holdsheet/Holdsheet.conf");
    RunningApp watcher{QStringList{"/usr/bin/python3",
                                   QStringLiteral(E2E_SOURCE_DIR) + "/status-notifier-watcher.py"}};
    QTemporaryDir config;
    std::optional<RunningApp> holdsheet;
};

const QStringList german{"Spickzettel anzeigen", "Einstellungen", "-", "Holdsheet beenden"};
const QStringList english{"Show Cheat Sheet", "Settings", "-", "Quit Holdsheet"};
const QStringList french{"Afficher l’aide-mémoire", "Préférences", "-", "Quitter Holdsheet"};

TEST_F(Tray, MenuInTheChosenLanguageShowsThePanelAndQuits) {
    RunningApp app(Toolkit::gtk,
                   {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "<Primary>o", ""}});
    ASSERT_TRUE(app.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == app.pid(); }, 20s));
    start("[General]\nlanguage=de\n");

    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(menuReads(item, german)) << labels(menuOf(item)).join('|').toStdString();

    ASSERT_TRUE(click(item, german[0]));
    EXPECT_TRUE(panelOpens());
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), app.pid());

    ASSERT_TRUE(click(item, german[3]));
    EXPECT_EQ(holdsheet->waitForExit(20s), 0) << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }, 20s));
}

TEST_F(Tray, FollowsEditsOfTheSettingsFile) {
    start("[General]\n");
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "absent showMenuBarIcon reads as shown; "
                                 << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(menuReads(item, english));

    edit("[General]\nshowMenuBarIcon=false\n");
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }, 20s))
        << registeredItems().join(' ').toStdString();
    EXPECT_FALSE(panelStatus().isEmpty()) << "the program runs on without its item";

    edit("[General]\nshowMenuBarIcon=true\n");
    const QString again = waitForItem();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_TRUE(menuReads(again, english));

    // A new language changes the titles of the same item.
    edit("[General]\nshowMenuBarIcon=true\nlanguage=fr\n");
    EXPECT_TRUE(menuReads(again, french)) << labels(menuOf(again)).join('|').toStdString();
    EXPECT_EQ(registeredItems(), QStringList{again});
}

}  // namespace
}  // namespace holdsheet::e2e
