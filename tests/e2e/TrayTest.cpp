// The status-area item as a desktop's panel sees it: registered with a status-notifier
// watcher of the test's own, its menu exported over D-Bus.
#include "E2eSupport.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet::e2e {
namespace {

const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// A method of a service's object as gdbus prints its answer: "(<'text'>,)".
QString callOn(const QString& service, const QString& path, const QString& method,
               const QStringList& arguments) {
    return runTool("gdbus", QStringList{"call", "--session", "--dest", service, "--object-path",
                                        path, "--method", method} +
                                arguments);
}

// The texts in single quotes of such an answer.
QStringList quoted(const QString& answer) {
    QStringList texts;
    static const QRegularExpression text("'([^']*)'");
    for (const auto& match : text.globalMatch(answer)) {
        texts << match.captured(1);
    }
    return texts;
}

// The items the watcher holds, each as "bus name/object path".
QStringList registeredItems() {
    return quoted(callOn(watcherService, "/StatusNotifierWatcher",
                         "org.freedesktop.DBus.Properties.Get",
                         {watcherService, "RegisteredStatusNotifierItems"}));
}

QString itemProperty(const QString& item, const QString& name) {
    return callOn(item.section('/', 0, 0), '/' + item.section('/', 1),
                  "org.freedesktop.DBus.Properties.Get", {"org.kde.StatusNotifierItem", name});
}

// The item's menu as a panel reads it, top level only: where it is exported, and the ids
// and labels of its entries ("-" for a separator; none when it does not answer).
struct Menu {
    QString service;
    QString path;
    std::vector<int> ids;
    QStringList labels;
};

Menu menuOf(const QString& item) {
    Menu menu{item.section('/', 0, 0), quoted(itemProperty(item, "Menu")).value(0), {}, {}};
    // (id, {properties}, [children]), each child printed <(id, {properties}, @av [])>
    const QString layout =
        callOn(menu.service, menu.path, "com.canonical.dbusmenu.GetLayout", {"0", "1", "[]"});
    static const QRegularExpression child(R"(<\((\d+), \{([^}]*)\}, (?:@av )?\[\]\)>)");
    static const QRegularExpression label(R"('label': <'([^']*)'>)");
    for (const auto& match : child.globalMatch(layout)) {
        const QString properties = match.captured(2);
        menu.ids.push_back(match.captured(1).toInt());
        menu.labels << (properties.contains("'type': <'separator'>")
                            ? QStringLiteral("-")
                            : label.match(properties).captured(1));
    }
    return menu;
}

// Clicks the entry of the item's menu with this label, as a panel does; false when the menu
// has no such entry.
bool click(const QString& item, const QString& text) {
    const Menu menu = menuOf(item);
    const qsizetype at = menu.labels.indexOf(text);
    if (at >= 0) {
        callOn(menu.service, menu.path, "com.canonical.dbusmenu.Event",
               {QString::number(menu.ids[at]), "'clicked'", "<0>", "0"});
    }
    return at >= 0;
}

class Tray : public ::testing::Test {
  protected:
    void SetUp() override {
        // Qt looks for the watcher once, when the first item is made: it must be up first.
        ASSERT_TRUE(waitUntil([] { return nameOnBus(watcherService); }, 30s))
            << watcher.errorOutput().toStdString();
        ASSERT_TRUE(config.isValid());
    }

    void start(const QByteArray& settings, const QString& dataDirs = {}) {
        QProcessEnvironment environment = withSettings(config.path(), settings);
        if (!dataDirs.isEmpty()) {
            environment.insert("XDG_DATA_DIRS", dataDirs);
        }
        holdsheet.emplace(QStringList{HOLDSHEET_BINARY}, environment);
    }

    // Replaces the settings file while the program runs, as most editors save.
    void edit(const QByteArray& settings) {
        QSaveFile file(config.filePath("Holdsheet/Holdsheet.conf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\nhasOnboarded=true\n" + settings);
        ASSERT_TRUE(file.commit());
    }

    // The one item that registers, or an empty text.
    static QString waitForItem() {
        const auto item = waitFor(
            []() -> std::optional<QString> {
                const QStringList items = registeredItems();
                return items.size() == 1 ? std::optional(items.front()) : std::nullopt;
            },
            30s);
        return item.value_or(QString());
    }

    static bool menuReads(const QString& item, const QStringList& expected) {
        return waitUntil([&] { return menuOf(item).labels == expected; });
    }

    RunningApp watcher{QStringList{"/usr/bin/python3",
                                   QStringLiteral(E2E_SOURCE_DIR) + "/status-notifier-watcher.py"}};
    QTemporaryDir config;
    std::optional<RunningApp> holdsheet;
};

const QStringList german{"Spickzettel anzeigen", "Einstellungen", "-", "Holdsheet beenden"};
const QStringList english{"Show Cheat Sheet", "Settings", "-", "Quit Holdsheet"};
const QStringList french{"Afficher l’aide-mémoire", "Préférences", "-", "Quitter Holdsheet"};

TEST_F(Tray, MenuInTheChosenLanguageShowsThePanelAndQuits) {
    RunningApp app(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(app.waitUntilReadable() && app.inFront());
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
    EXPECT_TRUE(menuReads(item, german)) << menuOf(item).labels.join('|').toStdString();
    EXPECT_EQ(itemProperty(item, "IconName"), "(<'org.holdsheet.Holdsheet-symbolic'>,)");

    ASSERT_TRUE(click(item, german[0]));
    EXPECT_TRUE(panelOpens());
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), app.pid());

    ASSERT_TRUE(click(item, german[1]));
    EXPECT_TRUE(waitUntil([] { return openWindows().contains("settings"); }))
        << openWindows().join(' ').toStdString();

    ASSERT_TRUE(click(item, german[3]));
    EXPECT_EQ(holdsheet->waitForExit(20s), 0) << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }));
}

TEST_F(Tray, FollowsEditsOfTheSettingsFile) {
    start("");
    const QString item = waitForItem();
    ASSERT_FALSE(item.isEmpty()) << "absent showMenuBarIcon reads as shown; "
                                 << holdsheet->errorOutput().toStdString();
    EXPECT_TRUE(menuReads(item, english));
    EXPECT_TRUE(itemProperty(item, "IconPixmap").contains("[(")) << "the item carries its drawing";

    edit("showMenuBarIcon=false\n");
    EXPECT_TRUE(waitUntil([] { return registeredItems().isEmpty(); }))
        << registeredItems().join(' ').toStdString();
    EXPECT_FALSE(panelStatus().isEmpty()) << "the program runs on without its item";

    edit("showMenuBarIcon=true\n");
    const QString again = waitForItem();
    ASSERT_FALSE(again.isEmpty());
    EXPECT_TRUE(menuReads(again, english));

    // A new language changes the titles of the same item.
    edit("showMenuBarIcon=true\nlanguage=fr\n");
    EXPECT_TRUE(menuReads(again, french)) << menuOf(again).labels.join('|').toStdString();
    EXPECT_EQ(registeredItems(), QStringList{again});
}

// Desktops without a status-notifier host take the item into an XEmbed tray, a window of
// the panel's own.
struct Window {
    QString id;
    QRect frame;
    bool overrideRedirect = false;
};

// The visible windows whose class is `className`, whole and in any case.
std::vector<Window> visibleWindows(const QString& className) {
    std::vector<Window> found;
    const QString ids = xdotool({"search", "--onlyvisible", "--class", '^' + className + '$'});
    for (const QString& id : ids.split('\n', Qt::SkipEmptyParts)) {
        QMap<QString, int> geometry;  // X, Y, WIDTH, HEIGHT
        for (const QString& line : xdotool({"getwindowgeometry", "--shell", id}).split('\n')) {
            geometry[line.section('=', 0, 0)] = line.section('=', 1).toInt();
        }
        const QRect frame(geometry["X"], geometry["Y"], geometry["WIDTH"], geometry["HEIGHT"]);
        if (frame.isValid()) {
            found.push_back(
                {id, frame,
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

TEST(TrayXEmbed, MenuOpensFromTheIconAndShowsThePanel) {
    // Qt chooses the tray once, at the first item: no status-notifier watcher may linger.
    ASSERT_TRUE(waitUntil([] { return !nameOnBus(watcherService); }));
    RunningApp tray(QStringList{"trayer", "--edge", "top", "--align", "right", "--widthtype",
                                "request", "--height", "28", "--SetDockType", "true", "--tint",
                                "0x2b2b2b", "--transparent", "true", "--alpha", "0"});
    // Qt embeds the item also in a tray that comes later; waiting makes the failure clearer.
    ASSERT_TRUE(waitUntil([] { return !xdotool({"search", "--class", "^trayer$"}).isEmpty(); }));
    RunningApp app(Toolkit::gtk, oneMenu());
    ASSERT_TRUE(app.waitUntilReadable() && app.inFront());
    QTemporaryDir config;
    RunningApp holdsheet(QStringList{HOLDSHEET_BINARY},
                         withSettings(config.path(), "language=de\n"));

    const auto icon = waitFor(embeddedIcon, 30s);
    ASSERT_TRUE(icon) << holdsheet.errorOutput().toStdString();
    clickAt(icon->frame.center(), 3);
    // A pop-up of the program's other than the icon: its menu.
    const auto popup = waitFor([&]() -> std::optional<Window> {
        for (const Window& window : visibleWindows("holdsheet")) {
            if (window.id != icon->id && window.overrideRedirect) {
                return window;
            }
        }
        return std::nullopt;
    });
    ASSERT_TRUE(popup);
    const QRect menu = popup->frame;

    const QStringList screen = xdotool({"getdisplaygeometry"}).split(' ');
    const QRect shot = menu.united(icon->frame).adjusted(-24, -8, 24, 24) &
                       QRect(0, 0, screen.value(0).toInt(), screen.value(1).toInt());
    screenshot("tray-menu.png",
               {"-window", "root", "-crop",
                QString::asprintf("%dx%d+%d+%d", shot.width(), shot.height(), shot.x(), shot.y()),
                "+repage"});

    // The first of three entries and a separator lies in the menu's top sixth.
    clickAt({menu.center().x(), menu.top() + menu.height() / 6});
    EXPECT_TRUE(panelOpens());
    EXPECT_EQ(panelStatus().value("targetPid").toInt(), app.pid());
}

}  // namespace
}  // namespace holdsheet::e2e
