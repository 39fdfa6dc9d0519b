#include "platform/freedesktop/KeyBindingParser.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

// "char:s mods:4" or "vk:36 mods:12" or "none", for compact expectations.
std::string show(const std::optional<MenuKey>& key) {
    if (!key) {
        return "none";
    }
    std::string text;
    if (key->character) {
        text += "char:" + key->character->toStdString() + " ";
    }
    if (key->virtualKey) {
        text += "vk:" + std::to_string(*key->virtualKey) + " ";
    }
    return text + "mods:" + std::to_string(key->modifiers);
}

struct Case {
    Toolkit toolkit;
    const char* binding;
    const char* expected;
    const char* title = "Item";
};

void check(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(show(parseKeyBinding(QString::fromUtf8(c.binding), c.toolkit,
                                       QString::fromUtf8(c.title))),
                  c.expected)
            << "binding \"" << c.binding << "\"";
    }
}

// One name per kind of key: the table of names itself is not restated here.
TEST(KeyBindingParser, EachToolkitsSpelling) {
    constexpr Toolkit gtk = Toolkit::gtk, qt = Toolkit::qt, unknown = Toolkit::unknown;
    // GTK 2 names its accessibility layer, not itself.
    const Toolkit gail = toolkitFromName("GAIL");
    EXPECT_EQ(gail, Toolkit::gtk);
    EXPECT_EQ(toolkitFromName("GTK"), Toolkit::gtk);
    EXPECT_EQ(toolkitFromName("Qt"), Toolkit::qt);
    EXPECT_EQ(toolkitFromName(""), Toolkit::unknown);
    check({
        // GTK uses only the accelerator field.
        {gtk, "s;<Alt>f:s;<Primary>s", "char:s mods:12"},
        {gtk, "n;<Alt>f:n;<Control><Shift>n", "char:n mods:13"},
        {gtk, "a;<Alt>e:a;<Ctrl><Alt>a", "char:a mods:14"},
        {gtk, ";;<Super>e", "char:e mods:0"},
        {gtk, ";;<Mod4><Shift>e", "char:e mods:1"},
        {gtk, ";;<Meta>x", "char:x mods:10"},  // Meta is Alt in GTK
        {gtk, ";;<Mod1>x", "char:x mods:10"},
        {gtk, ";;<Primary>plus", "char:+ mods:12"},
        {gtk, ";;<Primary>semicolon", "char:; mods:12"},
        {gtk, ";;F5", "vk:96 mods:8"},
        {gtk, ";;F20", "vk:90 mods:8"},
        {gtk, ";;<Shift>Escape", "vk:53 mods:9"},
        {gtk, ";;<Primary>Return", "vk:36 mods:12"},
        {gtk, ";;<Primary>Prior", "vk:116 mods:12"},
        // ISO_Left_Tab is Shift+Tab, said or not.
        {gtk, ";;<Shift>ISO_Left_Tab", "vk:48 mods:9"},
        {gtk, ";;<Primary>ISO_Left_Tab", "vk:48 mods:13"},
        // A literal space is the key, not padding.
        {gtk, ";;<Shift><Control> ", "char:  mods:13"},
        {gtk, "s;<Alt>f:s;<Primary> ", "char:  mods:12"},
        {gtk, ";;<Primary>s  ", "char:s mods:12"},
        // Keypad keys.
        {gtk, ";;<Primary>KP_Add", "char:+ mods:12"},
        {gtk, ";;KP_Separator", "char:, mods:8"},
        {gtk, ";;<Primary>KP_Space", "vk:49 mods:12"},
        {gtk, ";;KP_F1", "vk:122 mods:8"},
        // The label spelling some GTK versions report.
        {gtk, "N;Alt+F:N;Ctrl+N", "char:N mods:12"},
        {gtk, "N;Alt+F:N;Shift+Ctrl+N", "char:N mods:13"},
        // Mnemonics only, or nothing at all: no key equivalent.
        {gtk, "s;<Alt>f:s;", "none"},
        {gtk, "<Alt>f;<Alt>f;", "none"},
        {gtk, ";;", "none"},
        {gtk, "", "none"},
        {gtk, "s", "none"},
        // A key the original tables lack, under an extra code of its own.
        {gtk, ";;Print", "vk:256 mods:8"},
        {gtk, ";;<Super>Above_Tab", "char:` mods:0"},
        // Keys without a name here.
        {gtk, ";;XF86AudioPlay", "none"},
        {gtk, ";;<Hyper>h", "none"},
        {gtk, ";;<Primary", "none"},
        {qt, "Ctrl+S", "char:S mods:12"},
        {qt, "Ctrl+Shift+S", "char:S mods:13"},
        {qt, "Shift+Alt+X", "char:X mods:11"},
        {qt, "Meta+E", "char:E mods:0"},  // Qt's Meta is Super
        {qt, "Ctrl++", "char:+ mods:12"},
        {qt, "Ctrl+-", "char:- mods:12"},
        {qt, "Ctrl+;", "char:; mods:12"},
        {qt, "Ctrl+,", "char:, mods:12"},
        {qt, "Ctrl+Return", "vk:36 mods:12"},
        {qt, "Ctrl+Space", "vk:49 mods:12"},
        {qt, "Ctrl+ ", "char:  mods:12"},
        {qt, "Backtab", "vk:48 mods:9"},
        {qt, "Ctrl+Shift+Backtab", "vk:48 mods:13"},
        // Keypad keys carry "Num+".
        {qt, "Ctrl+Num+5", "char:5 mods:12"},
        {qt, "Num++", "char:+ mods:8"},
        {qt, "Num+Enter", "vk:76 mods:8"},
        // Several shortcuts: the first one the sheet can show.
        {qt, "Ctrl+Q;Ctrl+W", "char:Q mods:12"},
        {qt, "Ctrl+;;Ctrl+K", "char:; mods:12"},
        {qt, "Media Play;Ctrl+P", "char:P mods:12"},
        // Chords in sequence cannot be shown as one key.
        {qt, "Ctrl+K, Ctrl+D", "none"},
        {qt, "Ctrl+Print", "vk:256 mods:12"},
        {qt, "Ctrl+Pause", "none"},
        {qt, "Ctrl+", "none"},
        {qt, "", "none"},
        // Qt's mnemonics are no shortcuts, but an Alt+letter whose letter is not in the title is.
        {qt, "Alt+o", "none", "Open"},
        {qt, "Alt+F", "none", "File"},
        {qt, "Alt+w", "none", "Word Wrap"},
        {qt, "Alt+X", "char:X mods:10", "Open"},
        {qt, "Alt+Shift+O", "char:O mods:11", "Open"},
        // GTK 2 items without an accelerator report empty fields or their mnemonic alone.
        {gail, ";;", "none"},
        {gail, "o;;", "none", "Open"},
        {gail, "o;;<Control>o", "char:o mods:12", "Open"},
        {gail, ";;<Control><Shift>s", "char:s mods:13"},
        // Unknown toolkits are recognised by the shape of the text.
        {unknown, "s;<Alt>f:s;<Primary>s", "char:s mods:12"},
        {unknown, "N;Alt+F:N;Ctrl+N", "char:N mods:12"},
        {unknown, "Ctrl+S", "char:S mods:12"},
        {unknown, "A;<Alt>M:A;a", "char:a mods:8", "Archive"},
        {unknown, ";;", "none"},
        {unknown, "o;;", "none", "Open"},
        {unknown, "Ctrl+;;Ctrl+K", "char:; mods:12"},
    });
}

// Nothing real comes near these lengths: such texts are refused whole, whatever they hold.
TEST(KeyBindingParser, RefusesTextsLongerThanAnyRealBinding) {
    const QString manyModifiers = QString("<Primary>").repeated(40) + "s";
    const QString manyWords = QString("Ctrl+").repeated(60) + "S";
    const QString manyShortcuts = QString("Ctrl+S;").repeated(100);
    const QString megabyte = QString("<Primary>").repeated(1 << 17) + "s";
    for (const Toolkit toolkit : {Toolkit::gtk, Toolkit::qt, Toolkit::unknown}) {
        for (const QString& binding : {";;" + manyModifiers, manyWords, manyShortcuts,
                                       ";;" + megabyte, QString("Ctrl+").repeated(1 << 18)}) {
            EXPECT_EQ(show(parseKeyBinding(binding, toolkit, "Item")), "none")
                << binding.left(30).toStdString() << "... of " << binding.size();
        }
    }
    EXPECT_EQ(show(parseAccelerator(manyModifiers)), "none");
    EXPECT_EQ(show(parseAccelerator(megabyte)), "none");
    // A long mnemonic path and padding stay within the limits.
    check({{Toolkit::gtk,
            "x;<Alt>f:r:o:x;<Primary><Shift><Alt>Page_Down                      "
            "                                                              ",
            "vk:121 mods:15"}});
}

}  // namespace
}  // namespace holdsheet
