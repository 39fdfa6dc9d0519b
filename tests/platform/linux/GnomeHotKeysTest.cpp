#include "platform/linux/GnomeHotKeys.h"

#include "harvest/SystemShortcuts.h"
#include "support/QtPrinters.h"

#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

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

std::string describe(const std::optional<ShortcutGroup>& group) {
    std::string text;
    for (const auto& item : group ? group->items : std::vector<ShortcutItem>{}) {
        const auto* keys = item.action.keyCombination();
        text += item.title.toStdString() + " " + item.modifiers.toStdString() +
                item.key.toStdString() + " (" + std::to_string(keys->keyCode) + "," +
                std::to_string(keys->flags) + "); ";
    }
    return text;
}

TEST_F(GnomeHotKeysTest, TranslatesTheFirstAcceleratorOfEachSetting) {
    bind("switch-to-workspace-left", {"<Super>Page_Up", "<Control><Alt>Left"});
    bind("switch-to-workspace-right", {"", "<Control><Alt>Right"});  // first one empty
    bind("show-desktop", {});                                        // empty list: disabled
    bind("switch-group", {"<Super>Above_Tab"});
    bind("switch-input-source", {"<Primary><Shift>space"});
    bind("switch-input-source-backward", {"XF86Keyboard"});  // a key without a name

    GnomeHotKeys hotKeys;
    const auto group =
        systemGroup(hotKeys.symbolicHotKeys(), [](const QString& key) { return key; });
    EXPECT_EQ(describe(group),
              "sys.appWindows ⌘` (50,1048576); "
              "sys.spaceLeft ⌘⇞ (116,1048576); "
              "sys.spaceRight ⌃⌥→ (124,786432); "
              "sys.nextInputSource ⌃⇧␣ (49,393216); ");
}

TEST_F(GnomeHotKeysTest, ReadsCharactersAndPrint) {
    bind("switch-group", {"<Alt>e"});
    GnomeHotKeys hotKeys({{33, {{wm, "switch-group"}}}, {28, {{wm, "no-such-key"}}}});
    const auto tree = hotKeys.symbolicHotKeys();
    ASSERT_TRUE(tree);
    const auto& dictionary = std::get<ValueTree::Dictionary>(tree->data);
    EXPECT_EQ(dictionary.count("28"), 0u);  // a key that is not in the schema is absent
    EXPECT_EQ(describe(systemGroup(tree, [](const QString& key) { return key; })),
              "sys.appWindows ⌥E (14,524288); ");
}

TEST_F(GnomeHotKeysTest, MissingSchemasYieldNothing) {
    GnomeHotKeys hotKeys({{28, {{"org.example.not.installed", "screenshot"}}}});
    EXPECT_FALSE(hotKeys.symbolicHotKeys().has_value());
}

}  // namespace
}  // namespace holdsheet
