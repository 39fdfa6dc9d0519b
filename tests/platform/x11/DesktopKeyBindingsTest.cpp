#include "harvest/SystemShortcuts.h"
#include "platform/freedesktop/GnomeHotKeys.h"
#include "platform/x11/DesktopHotKeys.h"
#include "platform/x11/KdeKeyBindings.h"
#include "platform/x11/OpenboxKeyBindings.h"
#include "platform/x11/XfceKeyBindings.h"
#include "support/QtPrinters.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <string_view>

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

QString bracketed(const QString& key) {
    return "[" + key + "]";
}

// "title keys; " per item of the group, or "none"; with the keys replayed if `codes`.
std::string describe(const std::optional<ShortcutGroup>& group, bool codes = false) {
    if (!group) {
        return "none";
    }
    std::string text;
    for (const auto& item : group->items) {
        text += item.title.toStdString() + " " + (item.modifiers + item.key).toStdString();
        if (codes) {
            const auto* keys = item.action.keyCombination();
            text += " (" + std::to_string(keys->keyCode) + "," + std::to_string(keys->flags) + ")";
        }
        text += "; ";
    }
    return text;
}

std::string describe(const std::optional<std::vector<DesktopBinding>>& bindings) {
    return bindings ? describe(systemGroup(hotKeyDictionary(*bindings), bracketed)) : "refused";
}

QByteArray openbox(const QByteArray& keyboard) {
    return "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
           "<theme><name>Clearlooks</name></theme><keyboard><chainQuitKey>C-g</chainQuitKey>" +
           keyboard + "</keyboard><mouse/></openbox_config>";
}

// An Openbox keybind whose one action holds `inner`.
QByteArray keybind(const QByteArray& key, const QByteArray& action, const QByteArray& inner = "") {
    return "<keybind key=\"" + key + "\"><action name=\"" + action + "\">" + inner +
           "</action></keybind>";
}

QByteArray execute(const QByteArray& key, const QByteArray& command) {
    return keybind(key, "Execute", "<command>" + command + "</command>");
}

QByteArray xfce(const QByteArray& groups) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<channel name=\"xfce4-keyboard-shortcuts\" version=\"1.0\">" +
           groups + "</channel>";
}

// An Xfce shortcut property; `accelerator` as written in the settings, "<Alt>F2".
QByteArray shortcut(QByteArray accelerator, const QByteArray& value) {
    accelerator.replace("<", "&lt;").replace(">", "&gt;");
    return "<property name=\"" + accelerator + "\" type=\"string\" value=\"" + value + "\"/>";
}

TEST(DesktopKeyBindings, OpenboxKeybindsAreNamedAfterTheirFirstAction) {
    const QByteArray rc = openbox(
        keybind("W-d", "ToggleShowDesktop") +
        keybind("C-A-Right", "GoToDesktop", "<to>right</to><wrap>no</wrap>") +
        keybind("C-A-Left", "GoToDesktop", "<to>left</to>") +
        keybind("W-Left", "GoToDesktop", "<to>left</to>") +
        keybind("W-F2", "GoToDesktop", "<to>2</to>") +
        keybind("W-e", "Execute",
                "<startupnotify><enabled>true</enabled><name>Konqueror</name></startupnotify>"
                "<command>kfmclient openProfile</command>") +
        execute("W-Return", "xterm") +
        "<keybind key=\"A-Escape\"><action name=\"Lower\"/><action name=\"Unfocus\"/></keybind>" +
        keybind("C-A-Tab", "NextWindow",
                "<panels>yes</panels><desktop>yes</desktop>"
                "<finalactions><action name=\"Focus\"/></finalactions>") +
        keybind("A-space", "ShowMenu", "<menu>client-menu</menu>") + execute("Print", "scrot -s") +
        // A chain, a modifier without a name here, a key without a name, no action.
        "<keybind key=\"C-a\">" + keybind("x", "Close") + "</keybind>" + keybind("H-x", "Close") +
        execute("W-XF86AudioMute", "mute") + "<keybind key=\"W-q\"/>");
    EXPECT_EQ(describe(openboxKeyBindings(rc)),
              "[sys.showDesktop] ⌘D; [sys.spaceLeft] ⌃⌥←; [sys.spaceRight] ⌃⌥→; "
              "Go to desktop 2 ⌘F2; Konqueror ⌘E; xterm ⌘↩; Lower ⌥⎋; Next window ⌃⌥⇥; "
              "Show menu client-menu ⌥␣; scrot -s Print; ");
}

TEST(DesktopKeyBindings, KdeActionsByFriendlyNameAndLaunchersByApplication) {
    const QByteArray rc =
        "[$Version]\nupdate_info=kglobalaccel.upd:kde3.4\n\n"
        "[kwin]\n_k_friendly_name=KWin\n"
        "Show Desktop=Meta+D,none,Peek at Desktop\n"
        "Switch One Desktop to the Left=Meta+Ctrl+Left,none,Switch One Desktop to the Left\n"
        "Walk Through Windows=Alt+Tab\\tMeta+Tab,Alt+Tab,Walk Through Windows\n"
        "Window Close=Alt+F4,Alt+F4,Close Window\n"
        "Window Maximize=none,Meta+PgUp,Maximize Window\n"
        "Window Minimize=,Meta+PgDown,Minimize Window\n"
        "Kill Window=Meta+Ctrl+Esc\\tMeta+K,Meta+Ctrl+Esc,\n"
        "Comma=Meta+\\,,none,Comma\\sthing\n"
        "[org.kde.spectacle.desktop]\n"
        "RectangularRegionScreenShot=Meta+Shift+Print,Meta+Shift+Print,Capture Region\n"
        "[services][org.kde.konsole.desktop]\n_launch=Ctrl+Alt+T\n"
        "[services][org.kde.dolphin.desktop]\n_launch=Search\n";
    EXPECT_EQ(describe(kdeKeyBindings(rc)),
              "[sys.screenshotAreaFile] ⇧⌘Print; [sys.showDesktop] ⌘D; [sys.spaceLeft] ⌃⌘←; "
              "Walk Through Windows ⌥⇥; Close Window ⌥F4; Kill Window ⌃⌘⎋; Comma thing ⌘,; "
              "konsole ⌃⌥T; ");
}

TEST(DesktopKeyBindings, XfceUsesTheCustomListWhereThereIsOne) {
    const QByteArray channel = xfce(
        "<property name=\"commands\" type=\"empty\"><property name=\"default\" type=\"empty\">" +
        shortcut("<Alt>F2", "xfce4-appfinder --collapsed") +
        "</property><property name=\"custom\" type=\"empty\">" +
        shortcut("<Primary><Alt>t", "exo-open --launch TerminalEmulator") +
        shortcut("Print", "xfce4-screenshooter -f") + shortcut("<Super>r", "xfce4-appfinder") +
        "<property name=\"override\" type=\"bool\" value=\"true\"/></property></property>"
        "<property name=\"xfwm4\" type=\"empty\"><property name=\"default\" type=\"empty\">" +
        shortcut("<Alt>Tab", "cycle_windows_key") +
        shortcut("<Primary><Alt>d", "show_desktop_key") +
        shortcut("<Primary><Alt>Left", "left_workspace_key") +
        shortcut("<Nonsense>x", "close_window_key") + shortcut("<Alt>F4", "") +
        "</property></property>");
    EXPECT_EQ(describe(xfceKeyBindings(channel)),
              "[sys.screenshotScreenFile] Print; [sys.spotlight] ⌘R; [sys.showDesktop] ⌃⌥D; "
              "[sys.spaceLeft] ⌃⌥←; Cycle windows ⌥⇥; exo-open --launch TerminalEmulator ⌃⌥T; ");
}

TEST(DesktopKeyBindings, GarbageAndHugeFilesAreRefusedOrBounded) {
    const QByteArray manyKeybinds =
        openbox((keybind("W-a", "Close") + keybind("W-b", "Iconify")).repeated(5000));
    struct Case {
        const char* what;
        std::optional<std::vector<DesktopBinding>> bindings;
        std::string expected;
    };
    const Case cases[] = {
        {"openbox: not XML", openboxKeyBindings("\x01\xff<<>>&&"), "refused"},
        {"openbox: another document", openboxKeyBindings("<channel/>"), "refused"},
        {"openbox: cut short", openboxKeyBindings(openbox("<keybind key=\"W-a\">").left(150)),
         "refused"},
        {"openbox: nested too deep",
         openboxKeyBindings(
             openbox(QByteArray("<a>").repeated(100) + QByteArray("</a>").repeated(100))),
         "refused"},
        {"openbox: entities do not multiply",
         openboxKeyBindings("<!DOCTYPE x [<!ENTITY a \"" + QByteArray(1000, 'a') +
                            "\"><!ENTITY b \"" + QByteArray("&a;").repeated(1000) +
                            "\">]><openbox_config><keyboard><keybind key=\"W-a\">"
                            "<action name=\"Execute\"><command>" +
                            QByteArray("&b;").repeated(1000) +
                            "</command></action></keybind></keyboard></openbox_config>"),
         "refused"},
        {"openbox: a huge command is cut",
         openboxKeyBindings(openbox(execute("W-a", QByteArray(100000, 'x')))),
         std::string(maximumTitleLength - 1, 'x') + "… ⌘A; "},
        {"openbox: a huge key",
         openboxKeyBindings(openbox(keybind("W-" + QByteArray(100000, 'a'), "Close"))), "none"},
        {"xfce: not XML", xfceKeyBindings(QByteArray(5000, '\0')), "refused"},
        {"xfce: another channel", xfceKeyBindings("<channel name=\"xfwm4\"/>"), "refused"},
        {"kde: binary",
         kdeKeyBindings(QByteArray("[kwin]\n\xff\xfe=\x01\x02,\\") + QByteArray(100000, '\\')),
         "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(c.bindings), c.expected) << c.what;
    }
    // Thousands of keybinds: the group stays within its bounds, each action once.
    const auto many = openboxKeyBindings(manyKeybinds);
    ASSERT_TRUE(many);
    EXPECT_LE(many->size(), maximumDesktopBindings);
    EXPECT_EQ(describe(many), "Close ⌘A; Iconify ⌘B; ");
}

TEST(DesktopKeyBindings, TheFirstCandidateFileThatParsesIsRead) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto write = [&](const QString& name, const QByteArray& content) {
        EXPECT_TRUE(testing::writeFile(dir.filePath(name), content));
        return dir.filePath(name);
    };
    const QString broken = write("broken.xml", "<openbox_config><keyboard>");
    const QString huge =
        write("huge.xml", openbox(keybind("W-h", "Close") + "<!--" +
                                  QByteArray(maximumConfigurationBytes, ' ') + "-->"));
    const QString good = write("good.xml", openbox(keybind("W-g", "Close")));
    ConfigurationFileHotKeys hotKeys({dir.filePath("missing.xml"), dir.path(), broken, huge, good},
                                     openboxKeyBindings);
    const auto group = systemGroup(hotKeys.symbolicHotKeys(), bracketed);
    ASSERT_TRUE(group);
    ASSERT_EQ(group->items.size(), 1u);
    EXPECT_EQ(group->items[0].key, "G");

    ConfigurationFileHotKeys nothing({broken}, openboxKeyBindings);
    EXPECT_FALSE(nothing.symbolicHotKeys());
}

TEST(DesktopKeyBindings, ConfigurationIsLookedUpAsTheXdgBaseDirectoriesSay) {
    qputenv("XDG_CONFIG_HOME", "/home/u/conf");
    qputenv("XDG_CONFIG_DIRS", "/etc/one:relative:/etc/two/");
    EXPECT_EQ(configurationCandidates("openbox/rc.xml"),
              QStringList({"/home/u/conf/openbox/rc.xml", "/etc/one/openbox/rc.xml",
                           "/etc/two/openbox/rc.xml"}));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_DIRS");
    EXPECT_EQ(
        configurationCandidates("openbox/rc.xml"),
        QStringList({QDir::homePath() + "/.config/openbox/rc.xml", "/etc/xdg/openbox/rc.xml"}));
}

TEST(RunningDesktop, TheWindowManagerDecidesElseTheEnvironment) {
    struct Case {
        const char* windowManager;
        const char* currentDesktop;
        Desktop expected;
    };
    const Case cases[] = {
        {"Openbox", "GNOME", Desktop::openbox},  // GNOME's variable outlived its shell
        {"GNOME Shell", "ubuntu:GNOME", Desktop::gnome},
        {"Mutter", "", Desktop::gnome},
        {"Metacity", "GNOME-Flashback:GNOME", Desktop::gnome},
        {"KWin", "KDE", Desktop::kde},
        {"Xfwm4", "XFCE", Desktop::xfce},
        {"Mutter (Muffin)", "X-Cinnamon", Desktop::none},
        {"i3", "KDE", Desktop::none},
        {"", "ubuntu:GNOME", Desktop::gnome},
        {"", "X-Cinnamon:KDE", Desktop::kde},
        {"", "xfce", Desktop::xfce},
        {"", "Openbox", Desktop::openbox},
        {"", "sway", Desktop::none},
        {"", "", Desktop::none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(desktopOf(c.windowManager, c.currentDesktop), c.expected)
            << c.windowManager << " / " << c.currentDesktop;
    }
}

const char* const wm = "org.gnome.desktop.wm.keybindings";

class GnomeHotKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Values live in memory only: nothing of the user's desktop is read or changed.
        qputenv("GSETTINGS_BACKEND", "memory");
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        GSettingsSchema* schema =
            source ? g_settings_schema_source_lookup(source, wm, TRUE) : nullptr;
        if (!schema) {
            GTEST_SKIP() << "the GNOME key-binding schemas are not installed";
        }
        g_settings_schema_unref(schema);
        settings = g_settings_new(wm);
    }
    void TearDown() override {
        if (settings) {
            g_object_unref(settings);
        }
    }
    void bind(const char* key, std::vector<const char*> accelerators) {
        accelerators.push_back(nullptr);
        g_settings_set_strv(settings, key, accelerators.data());
    }
    GSettings* settings = nullptr;
};

// The window manager's settings alone: where the shell is installed, its schema's defaults
// (screenshots, the overview) would join the group.
std::vector<GnomeHotKeys::Source> windowManagerSources() {
    std::vector<GnomeHotKeys::Source> sources;
    for (const auto& source : GnomeHotKeys::defaultSources()) {
        if (std::string_view(source.settings.front().first) == wm) {
            sources.push_back(source);
        }
    }
    return sources;
}

TEST_F(GnomeHotKeysTest, TranslatesTheFirstAcceleratorOfEachSetting) {
    bind("switch-to-workspace-left", {"<Super>Page_Up", "<Control><Alt>Left"});
    bind("switch-to-workspace-right", {"", "<Control><Alt>Right"});  // first one empty
    bind("show-desktop", {});                                        // empty list: disabled
    bind("switch-group", {"<Super>Above_Tab"});
    bind("switch-input-source", {"<Primary><Shift>space"});
    bind("switch-input-source-backward", {"XF86Keyboard"});  // a key without a name

    EXPECT_EQ(
        describe(systemGroup(GnomeHotKeys(windowManagerSources()).symbolicHotKeys(), bracketed),
                 true),
        "[sys.appWindows] ⌘` (50,1048576); "
        "[sys.spaceLeft] ⌘⇞ (116,1048576); "
        "[sys.spaceRight] ⌃⌥→ (124,786432); "
        "[sys.nextInputSource] ⌃⇧␣ (49,393216); ");
}

TEST_F(GnomeHotKeysTest, ReadsCharactersAndLeavesOutWhatTheSchemasLack) {
    bind("switch-group", {"<Alt>e"});
    GnomeHotKeys hotKeys({{33, {{wm, "switch-group"}}}, {28, {{wm, "no-such-key"}}}});
    const auto tree = hotKeys.symbolicHotKeys();
    ASSERT_TRUE(tree);
    EXPECT_EQ(std::get<ValueTree::Dictionary>(tree->data).count("28"), 0u);
    EXPECT_EQ(describe(systemGroup(tree, bracketed), true), "[sys.appWindows] ⌥E (14,524288); ");
    GnomeHotKeys uninstalled({{28, {{"org.example.not.installed", "screenshot"}}}});
    EXPECT_FALSE(uninstalled.symbolicHotKeys().has_value());
}

}  // namespace
}  // namespace holdsheet
