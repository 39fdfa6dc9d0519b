#include "harvest/HelpSource.h"

#include "harvest/Performer.h"
#include "platform/freedesktop/GtkAccelerators.h"
#include "support/FakeAccessibility.h"
#include "support/FakeDesktop.h"
#include "support/QtPrinters.h"
#include "support/VirtualScheduler.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using namespace std::chrono_literals;

const GtkAccelerators gtk;

// A row as "⌃⇧Z Undo code flags", or "none"; a row that cannot be posted ends in "off".
std::string describe(const std::optional<ShortcutItem>& item) {
    if (!item) {
        return "none";
    }
    std::string text = (item->modifiers + item->key + " " + item->title).toStdString();
    if (const auto* keys = item->action.keyCombination(); keys && item->isEnabled) {
        text += " " + std::to_string(keys->keyCode) + " " + std::to_string(keys->flags);
    } else {
        text += " off";
    }
    return text;
}

constexpr auto ctrl = ModifierFlag::control;
constexpr auto shift = ModifierFlag::shift;
constexpr auto alt = ModifierFlag::option;

std::string expected(const char* caps, const char* title, int code, quint64 flags) {
    return std::string(caps) + " " + title + " " + std::to_string(code) + " " +
           std::to_string(flags);
}

TEST(HelpItem, AcceleratorsBecomeRowsThatPostTheirCombination) {
    const struct {
        QString title;
        QStringList accelerators;
        std::string row;
    } cases[] = {
        {"Undo", {"<Primary><Shift>z"}, expected("⌃⇧Z", "Undo", 6, ctrl | shift)},
        // Typed with Shift: posted with it, shown as the help writes it.
        {"Shortcuts", {"<ctrl>question"}, expected("⌃?", "Shortcuts", 44, ctrl | shift)},
        {"Zoom In", {"<Primary>plus <Primary>equal"}, expected("⌃+", "Zoom In", 24, ctrl | shift)},
        {"Back", {"<alt>Left"}, expected("⌥←", "Back", 123, alt)},
        {"Fullscreen", {"F11"}, expected("F11", "Fullscreen", 103, 0)},
        {"Next Tab", {"<ctrl>Page_Down"}, expected("⌃⇟", "Next Tab", 121, ctrl)},
        {"Overview", {"<Super>a"}, expected("⌘A", "Overview", 0, ModifierFlag::command)},
        {"  Find  ", {"<Primary>f"}, expected("⌃F", "Find", 3, ctrl)},
        // Several alternatives, in one entry or several: the first that can be named.
        {"Close", {"<ctrl>XF86Close", "<ctrl>w"}, expected("⌃W", "Close", 13, ctrl)},
        // Keys pressed together and ranges are no single combination.
        {"Tab 1-9", {"<alt>1...<alt>9", "<ctrl>a&<ctrl>b"}, "none"},
        {"Tab 1-9 or Home", {"<alt>1...<alt>9 Home"}, expected("↖", "Tab 1-9 or Home", 115, 0)},
        // A character no key of the standard layout types: shown, but it cannot be posted.
        {"Accent", {"<ctrl>é"}, "⌃É Accent off"},
        {"", {"<ctrl>s"}, "none"},
        {"Nothing", {}, "none"},
        {"Garbage", {"<ctrl", "<Hyper>", "<ctrl>NoSuchKey"}, "none"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describe(helpItem({c.title, c.accelerators}, gtk)), c.row)
            << c.title.toStdString();
    }
}

TEST(HelpItem, AFloodOfAlternativesIsLookedAtOnlyUpToItsLimit) {
    QStringList many(HelpSource::alternativeLimit, QStringLiteral("<ctrl>NoSuchKey"));
    many << "<ctrl>s";
    EXPECT_EQ(describe(helpItem({"Save", many}, gtk)), "none");
    many.removeFirst();
    EXPECT_EQ(describe(helpItem({"Save", many}, gtk)), expected("⌃S", "Save", 1, ctrl));
}

const HelpTexts texts{"Shortcuts", "from the app's shortcuts help"};

std::vector<std::string> lines(const std::vector<ShortcutGroup>& groups) {
    std::vector<std::string> out;
    for (const auto& group : groups) {
        std::string line = group.title.toStdString() + " [" + group.subtitle.toStdString() + "]:";
        for (const auto& item : group.items) {
            line += " " + item.title.toStdString();
        }
        out.push_back(line);
    }
    return out;
}

TEST(HelpGroups, TitlesSubtitlesAndGroupsWithNothingLeft) {
    const std::vector<HelpGroup> help = {
        {"Files", {{"Open", {"<ctrl>o"}}, {"Action only", {}}, {"Save", {"<ctrl>s"}}}},
        {"", {{"Help", {"F1"}}}},
        {"Nothing usable", {{"", {"<ctrl>q"}}, {"Range", {"<alt>1...<alt>9"}}}},
        {"Accents", {{"Accent", {"<ctrl>é"}}}},
    };
    const std::string subtitle = " [from the app's shortcuts help]:";
    EXPECT_EQ(lines(helpGroups(help, gtk, texts, true)),
              (std::vector<std::string>{"Files" + subtitle + " Open Save",
                                        "Shortcuts" + subtitle + " Help",
                                        "Accents" + subtitle + " Accent"}));
    EXPECT_EQ(lines(helpGroups(help, gtk, texts, false)),
              (std::vector<std::string>{"Files" + subtitle + " Open Save",
                                        "Shortcuts" + subtitle + " Help"}))
        << "a row that cannot be posted is a disabled one";
}

TEST(HelpGroups, AHostileHelpGivesAtMostTheRowLimit) {
    std::vector<HelpGroup> help(3);
    for (auto& group : help) {
        group.title = "Group";
        group.shortcuts.assign(HelpSource::itemLimit, HelpShortcut{"Save", {"<ctrl>s"}});
    }
    const auto groups = helpGroups(help, gtk, texts, true);
    std::size_t rows = 0;
    for (const auto& group : groups) {
        rows += group.items.size();
    }
    EXPECT_EQ(rows, static_cast<std::size_t>(HelpSource::itemLimit));
    EXPECT_EQ(groups.size(), 1u);
}

TEST(HelpLanguages, TheCataloguesCodeAsTranslationsNameIt) {
    const struct {
        QString code;
        QStringList languages;
    } cases[] = {
        {"de", {"de_DE", "de"}},      {"pt-BR", {"pt_BR", "pt"}},   {"pt-PT", {"pt_PT", "pt"}},
        {"zh-Hans", {"zh_CN", "zh"}}, {"zh-Hant", {"zh_TW", "zh"}}, {"nb", {"nb_NO", "nb"}},
        {"en", {"en_US", "en"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(helpLanguages(c.code), c.languages) << c.code.toStdString();
    }
}

class RecordingPoster : public KeyPoster {
  public:
    void postKeys(std::uint16_t keyCode, std::uint64_t flags) override {
        posted.emplace_back(keyCode, flags);
    }
    std::vector<std::pair<std::uint16_t, std::uint64_t>> posted;
};

// A row of the help runs by its key combination, in the application it was read from.
TEST(HelpItem, ARowIsPerformedByPostingItsCombinationToTheApplication) {
    testing::VirtualScheduler scheduler;
    testing::FakeWorkspace workspace;
    testing::FakeAccessibility ax;
    RecordingPoster poster;
    Performer performer({scheduler, workspace, ax, poster});
    const auto item = helpItem({"Keyboard Shortcuts", {"<ctrl>question"}}, gtk);
    ASSERT_TRUE(item);
    const RunningApplication editor{42, "org.gnome.TextEditor", "Text Editor", QImage(), 9, {}};
    performer.performItem(*item, editor);
    scheduler.advance(Performer::settleDelay);
    ASSERT_EQ(workspace.activations.size(), 1u);
    EXPECT_EQ(workspace.activations[0].window, 9u);
    EXPECT_EQ(poster.posted,
              (std::vector<std::pair<std::uint16_t, std::uint64_t>>{{44, ctrl | shift}}));
    EXPECT_TRUE(ax.presses().empty());
}

}  // namespace
}  // namespace holdsheet
