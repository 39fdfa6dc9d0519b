#include "platform/linux/KeyBindingParser.h"

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
    const char* binding;
    const char* expected;
    const char* title = "Item";
};

void check(Toolkit toolkit, std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(show(parseKeyBinding(QString::fromUtf8(c.binding), toolkit,
                                       QString::fromUtf8(c.title))),
                  c.expected)
            << "binding \"" << c.binding << "\"";
    }
}

// One name per kind of key: the table of names itself is not restated here.
TEST(KeyBindingParser, GtkUsesOnlyTheAcceleratorField) {
    check(Toolkit::gtk, {
                            {"s;<Alt>f:s;<Primary>s", "char:s mods:12"},
                            {"n;<Alt>f:n;<Control><Shift>n", "char:n mods:13"},
                            {"a;<Alt>e:a;<Ctrl><Alt>a", "char:a mods:14"},
                            {";;<Super>e", "char:e mods:0"},
                            {";;<Mod4><Shift>e", "char:e mods:1"},
                            {";;<Meta>x", "char:x mods:10"},  // Meta is Alt in GTK
                            {";;<Mod1>x", "char:x mods:10"},
                            {";;<Primary>plus", "char:+ mods:12"},
                            {";;<Primary>semicolon", "char:; mods:12"},
                            {";;F5", "vk:96 mods:8"},
                            {";;F20", "vk:90 mods:8"},
                            {";;<Shift>Escape", "vk:53 mods:9"},
                            {";;<Primary>Return", "vk:36 mods:12"},
                            {";;<Primary>Prior", "vk:116 mods:12"},
                            // ISO_Left_Tab is Shift+Tab, said or not.
                            {";;<Shift>ISO_Left_Tab", "vk:48 mods:9"},
                            {";;<Primary>ISO_Left_Tab", "vk:48 mods:13"},
                            // A literal space is the key, not padding.
                            {";;<Shift><Control> ", "char:  mods:13"},
                            {"s;<Alt>f:s;<Primary> ", "char:  mods:12"},
                            {";;<Primary>s  ", "char:s mods:12"},
                            // Keypad keys.
                            {";;<Primary>KP_Add", "char:+ mods:12"},
                            {";;KP_Separator", "char:, mods:8"},
                            {";;<Primary>KP_Space", "vk:49 mods:12"},
                            {";;KP_F1", "vk:122 mods:8"},
                            // The label spelling some GTK versions report.
                            {"N;Alt+F:N;Ctrl+N", "char:N mods:12"},
                            {"N;Alt+F:N;Shift+Ctrl+N", "char:N mods:13"},
                            // Mnemonics only, or nothing at all: no key equivalent.
                            {"s;<Alt>f:s;", "none"},
                            {"<Alt>f;<Alt>f;", "none"},
                            {";;", "none"},
                            {"", "none"},
                            {"s", "none"},
                            // A key the original tables lack, under an extra code of its own.
                            {";;Print", "vk:256 mods:8"},
                            {";;<Super>Above_Tab", "char:` mods:0"},
                            // Keys without a name here.
                            {";;XF86AudioPlay", "none"},
                            {";;<Hyper>h", "none"},
                            {";;<Primary", "none"},
                        });
}

TEST(KeyBindingParser, QtShortcutTexts) {
    check(Toolkit::qt, {
                           {"Ctrl+S", "char:S mods:12"},
                           {"Ctrl+Shift+S", "char:S mods:13"},
                           {"Shift+Alt+X", "char:X mods:11"},
                           {"Meta+E", "char:E mods:0"},  // Qt's Meta is Super
                           {"Ctrl++", "char:+ mods:12"},
                           {"Ctrl+-", "char:- mods:12"},
                           {"Ctrl+;", "char:; mods:12"},
                           {"Ctrl+,", "char:, mods:12"},
                           {"Ctrl+Return", "vk:36 mods:12"},
                           {"Ctrl+Space", "vk:49 mods:12"},
                           {"Ctrl+ ", "char:  mods:12"},
                           {"Backtab", "vk:48 mods:9"},
                           {"Ctrl+Shift+Backtab", "vk:48 mods:13"},
                           // Keypad keys carry "Num+".
                           {"Ctrl+Num+5", "char:5 mods:12"},
                           {"Num++", "char:+ mods:8"},
                           {"Num+Enter", "vk:76 mods:8"},
                           // Several shortcuts: the first one the sheet can show.
                           {"Ctrl+Q;Ctrl+W", "char:Q mods:12"},
                           {"Ctrl+;;Ctrl+K", "char:; mods:12"},
                           {"Media Play;Ctrl+P", "char:P mods:12"},
                           // Chords in sequence cannot be shown as one key.
                           {"Ctrl+K, Ctrl+D", "none"},
                           {"Ctrl+Print", "vk:256 mods:12"},
                           {"Ctrl+Pause", "none"},
                           {"Ctrl+", "none"},
                           {"", "none"},
                       });
}

TEST(KeyBindingParser, QtMnemonicsAreNoShortcuts) {
    check(Toolkit::qt, {
                           {"Alt+o", "none", "Open"},
                           {"Alt+F", "none", "File"},
                           {"Alt+w", "none", "Word Wrap"},
                           // An Alt+letter whose letter is not in the title is a shortcut.
                           {"Alt+X", "char:X mods:10", "Open"},
                           {"Alt+Shift+O", "char:O mods:11", "Open"},
                       });
}

// GTK 2 names its accessibility layer, not itself; an item without an accelerator reports
// empty fields or its mnemonic alone, which is no key.
TEST(KeyBindingParser, Gtk2ReadsAsGtk) {
    const Toolkit gail = toolkitFromName("GAIL");
    EXPECT_EQ(gail, Toolkit::gtk);
    check(gail, {
                    {";;", "none"},
                    {"o;;", "none", "Open"},
                    {"o;;<Control>o", "char:o mods:12", "Open"},
                    {";;<Control><Shift>s", "char:s mods:13"},
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
    check(Toolkit::gtk, {{"x;<Alt>f:r:o:x;<Primary><Shift><Alt>Page_Down                      "
                          "                                                              ",
                          "vk:121 mods:15"}});
}

TEST(KeyBindingParser, UnknownToolkitsAreRecognisedByShape) {
    check(Toolkit::unknown, {
                                {"s;<Alt>f:s;<Primary>s", "char:s mods:12"},
                                {"N;Alt+F:N;Ctrl+N", "char:N mods:12"},
                                {"Ctrl+S", "char:S mods:12"},
                                {"A;<Alt>M:A;a", "char:a mods:8", "Archive"},
                                {";;", "none"},
                                {"o;;", "none", "Open"},
                                {"Ctrl+;;Ctrl+K", "char:; mods:12"},
                            });
    EXPECT_EQ(toolkitFromName("GTK"), Toolkit::gtk);
    EXPECT_EQ(toolkitFromName("Qt"), Toolkit::qt);
    EXPECT_EQ(toolkitFromName(""), Toolkit::unknown);
}

}  // namespace
}  // namespace holdsheet
