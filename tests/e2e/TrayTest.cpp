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
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRect>
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

std::optional<QVariant> itemProperty(const QString& item, const QString& name) {
    return property(item.section('/', 0, 0), '/' + item.section('/', 1),
                    QStringLiteral("org.kde.StatusNotifierItem"), name);
}

struct MenuEntry {
    int id = 0;
    QString label;  // "-" for a separator
};

// The item's menu as a panel reads it, top level only: where it is exported, and its entries
// (none when it does not answer).
struct Menu {
    QString service;
    QString path;
    std::vector<MenuEntry> entries;

    QStringList labels() const {
        QStringList texts;
        for (const auto& entry : entries) {
            texts << entry.label;
        }
        return texts;
    }
};

Menu menuOf(const QString& item) {
    Menu menu{item.section('/', 0, 0), {}, {}};
    if (const auto path = itemProperty(item, QStringLiteral("Menu"))) {
        menu.path = path->value<QDBusObjectPath>().path();
    }
    if (menu.path.isEmpty()) {
        return menu;
    }
    QDBusMessage getLayout = QDBusMessage::createMethodCall(
        menu.service, menu.path, QStringLiteral("com.canonical.dbusmenu"),
        QStringLiteral("GetLayout"));
    getLayout << 0 << -1 << QStringList();
    const QDBusMessage reply = bus().call(getLayout, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2) {
        return menu;
    }
    // (id, properties, children) with each child a variant of the same.
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
        menu.entries.push_back(entry);
    }
    root.endArray();
    root.endStructure();
    return menu;
}

// Clicks the entry of the item's menu with this label, as a panel does; false when the menu
// has no such entry.
bool click(const QString& item, const QString& label) {
    const Menu menu = menuOf(item);
    for (const auto& entry : menu.entries) {
        if (entry.label == label) {
            QDBusMessage event = QDBusMessage::createMethodCall(
                menu.service, menu.path, QStringLiteral("com.canonical.dbusmenu"),
                QStringLiteral("Event"));
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

    // Settings under [General], after the onboarding done: no window of the program's own
    // comes to the front at launch.
    static QByteArray settingsText(const QByteArray& lines) {
        return "[General]\nhasOnboarded=true\n" + lines;
    }

    void start(const QByteArray& settings, const QString& dataDirs = {}) {
        QProcessEnvironment environment =
            withConfigFile(config.path(), settingsFile, settingsText(settings));
        if (!dataDirs.isEmpty()) {
            environment.insert("XDG_DATA_DIRS", dataDirs);
        }
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, environment);
    }

    // Replaces the settings file while the program runs, as most editors save.
    void edit(const QByteArray& settings) {
        QSaveFile file(config.path() + QLatin1Char('/') + settingsFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(settingsText(settings)), settingsText(settings).size());
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
        return waitUntil([&] { return menuOf(item).labels() == expected; }, 20s);
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
    // Installed, the item names its symbol, so that the panel can colour it as its own.
    QTemporaryDir installed;
    QProcess install;
    install.setStandardOutputFile(QProcess::nullDevice());
    install.start("cmake", {"--install", HOLDSHEET_BUILD_DIR, "--prefix", installed.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    start("language=de\n", installed.path() + "/share:/usr/share");

    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(menuReads(item, german)) << menuOf(item).labels().join('|').toStdString();
    EXPECT_EQ(itemProperty(item, "IconName").value_or(QVariant()).toString(),
              "org.holdsheet.Holdsheet-symbolic");

    ASSERT_TRUE(click(item, german[0]));
    EXPECT_TRUE(panelOpens());
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), app.pid());

    ASSERT_TRUE(click(item, german[1]));
    EXPECT_TRUE(waitUntil(
        [] { return panelStatus().value("windows").toStringList().contains("settings"); }, 20s))
        << panelStatus().value("windows").toStringList().join(' ').toStdString();

    ASSERT_TRUE(click(item, german[3]));
    EXPECT_EQ(holdsheet->waitForExit(20s), 0) << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }, 20s));
}

TEST_F(Tray, FollowsEditsOfTheSettingsFile) {
    start("");
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "absent showMenuBarIcon reads as shown; "
                                 << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(menuReads(item, english));
    const QDBusArgument pictures =
        itemProperty(item, "IconPixmap").value_or(QVariant()).value<QDBusArgument>();
    pictures.beginArray();
    EXPECT_FALSE(pictures.atEnd()) << "the item carries its drawing";
    pictures.endArray();

    edit("showMenuBarIcon=false\n");
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }, 20s))
        << registeredItems().join(' ').toStdString();
    EXPECT_FALSE(panelStatus().isEmpty()) << "the program runs on without its item";

    edit("showMenuBarIcon=true\n");
    const QString again = waitForItem();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_TRUE(menuReads(again, english));

    // A new language changes the titles of the same item.
    edit("showMenuBarIcon=true\nlanguage=fr\n");
    EXPECT_TRUE(menuReads(again, french)) << menuOf(again).labels().join('|').toStdString();
    EXPECT_EQ(registeredItems(), QStringList{again});
}

// Desktops without a status-notifier host take the item into an XEmbed tray, a window of
// the panel's own.
std::optional<QRect> geometryOf(const QString& window) {
    QRect frame;
    const QStringList lines =
        runTool("xdotool", {"getwindowgeometry", "--shell", window}).split('\n');
    for (const QString& line : lines) {
        const QString value = line.section('=', 1);
        if (line.startsWith("X=")) {
            frame.moveLeft(value.toInt());
        } else if (line.startsWith("Y=")) {
            frame.moveTop(value.toInt());
        } else if (line.startsWith("WIDTH=")) {
            frame.setWidth(value.toInt());
        } else if (line.startsWith("HEIGHT=")) {
            frame.setHeight(value.toInt());
        }
    }
    return frame.isValid() ? std::optional<QRect>(frame) : std::nullopt;
}

struct Window {
    QString id;
    QRect frame;
    bool overrideRedirect = false;
};

// The visible windows whose class is `className`, whole and in any case.
std::vector<Window> visibleWindows(const QString& className) {
    std::vector<Window> found;
    const QString ids =
        runTool("xdotool", {"search", "--onlyvisible", "--class", '^' + className + '$'});
    for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
        if (const auto frame = geometryOf(id)) {
            found.push_back(
                {id, *frame,
                 runTool("xwininfo", {"-id", id}).contains("Override Redirect State: yes")});
        }
    }
    return found;
}

// The program's window that sits inside the tray's.
std::optional<Window> embeddedIcon() {
    for (const Window& tray : visibleWindows("trayer")) {
        for (const Window& window : visibleWindows("holdsheet")) {
            if (tray.frame.contains(window.frame)) {
                return window;
            }
        }
    }
    return std::nullopt;
}

// A pop-up of the program's other than `icon`: its menu.
std::optional<Window> popupBesides(const Window& icon) {
    for (const Window& window : visibleWindows("holdsheet")) {
        if (window.id != icon.id && window.overrideRedirect) {
            return window;
        }
    }
    return std::nullopt;
}

TEST(TrayXEmbed, MenuOpensFromTheIconAndShowsThePanel) {
    // Qt chooses the tray once, at the first item: no status-notifier watcher may linger.
    ASSERT_TRUE(waitUntil(
        [] { return !bus().interface()->isServiceRegistered(watcherService).value(); }, 20s));
    RunningApp tray(QStringList{"trayer", "--edge", "top", "--align", "right", "--widthtype",
                                "request", "--height", "28", "--SetDockType", "true", "--tint",
                                "0x2b2b2b", "--transparent", "true", "--alpha", "0"});
    // Qt embeds the item also in a tray that comes later; waiting makes the failure clearer.
    ASSERT_TRUE(waitUntil(
        [] {
            return !runTool("xdotool", {"search", "--class", "^trayer$"}).isEmpty();
        },
        20s));
    RunningApp app(Toolkit::gtk,
                   {{0, "menu", "_File", "", ""}, {1, "item", "_Open", "<Primary>o", ""}});
    ASSERT_TRUE(app.waitUntilReadable());
    ASSERT_TRUE(waitUntil([&] { return activeWindowPid() == app.pid(); }, 20s));
    QTemporaryDir config;
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY},
                         withConfigFile(config.path(), "Holdsheet/Holdsheet.conf",
                                        "[General]\nhasOnboarded=true\nlanguage=de\n"));

    std::optional<Window> icon;
    ASSERT_TRUE(waitUntil([&] { return (icon = embeddedIcon()).has_value(); }, 30s))
        << holdsheet.errorOutput().toStdString();
    const auto point = [](int x, int y) {
        return QStringList{QString::number(x), QString::number(y)};
    };
    runTool("xdotool", QStringList{"mousemove"} +
                           point(icon->frame.center().x(), icon->frame.center().y()) +
                           QStringList{"click", "3"});
    std::optional<Window> popup;
    ASSERT_TRUE(waitUntil([&] { return (popup = popupBesides(*icon)).has_value(); }, 20s));
    const QRect menu = popup->frame;

    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    const QStringList screen = runTool("xdotool", {"getdisplaygeometry"}).split(' ');
    const QRect shot = menu.united(icon->frame).adjusted(-24, -8, 24, 24) &
                       QRect(0, 0, screen.value(0).toInt(), screen.value(1).toInt());
    runTool("import", {"-window", "root", "-crop",
                       QStringLiteral("%1x%2+%3+%4")
                           .arg(shot.width())
                           .arg(shot.height())
                           .arg(shot.x())
                           .arg(shot.y()),
                       "+repage", artifacts + "/tray-menu.png"});
    EXPECT_TRUE(QFileInfo::exists(artifacts + "/tray-menu.png"));

    // The first of three entries and a separator lies in the menu's top sixth.
    runTool("xdotool", QStringList{"mousemove"} +
                           point(menu.center().x(), menu.top() + menu.height() / 6) +
                           QStringList{"click", "1"});
    EXPECT_TRUE(panelOpens());
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), app.pid());
}

}  // namespace
}  // namespace holdsheet::e2e
