#include "sheetview/SheetContent.h"

#include "prefs/Languages.h"
#include "prefs/Preferences.h"
#include "sheetview/CheatSheetRoot.h"
#include "sheetview/ColumnsView.h"
#include "sheetview/EmptyNotice.h"
#include "sheetview/ExtensionNotice.h"
#include "sheetview/FooterBar.h"
#include "sheetview/HeaderBar.h"
#include "sheetview/PermissionNotice.h"
#include "sheetview/ReasonLine.h"
#include "sheetview/SearchField.h"
#include "ui/CapsuleButton.h"
#include "ui/NoticeLayout.h"
#include "ui/SheetLabel.h"
#include "ui/SheetSymbols.h"

#include "SheetViewHarness.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;
using State = SheetContent::State;

class SheetContentTest : public ::testing::Test, public SheetViewHarness {
  protected:
    SheetContent& content() {
        if (!view) {
            view = std::make_unique<SheetContent>(model, services, 1.0);
            view->resize(1000, 500);
            view->show();
        }
        return *view;
    }
    const EmptyNotice* notice() { return dynamic_cast<EmptyNotice*>(content().current()); }
    auto rowCount() {
        return std::ranges::count_if(content().columns()->placement(),
                                     [](const auto& placed) { return placed.isRow(); });
    }
    std::unique_ptr<SheetContent> view;
};

TEST_F(SheetContentTest, LoadingComesBeforeThePermissionWhichComesBeforeTheSheet) {
    setTrusted(false);
    EXPECT_EQ(content().state(), State::loading);
    loaded(makeSheet({2, 3}));
    EXPECT_EQ(content().state(), State::permission);
    auto* notice = dynamic_cast<PermissionNotice*>(content().current());
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->body()->text().startsWith("Holdsheet "));
    notice->button()->click();
    EXPECT_EQ(permissionRequests, 1);
    setTrusted(true);
    EXPECT_EQ(content().state(), State::columns);
    EXPECT_EQ(rowCount(), 5);
}

TEST_F(SheetContentTest, EmptyNoticeTellsNoShortcutsFromNoMatches) {
    struct Case {
        std::vector<int> sizes;
        QString query;
        State state;
        QString symbol;
        QString titleKey;
    };
    const Case cases[] = {
        {{}, "", State::empty, "keyboard", "empty.title"},
        {{3}, "zzz", State::empty, "magnifyingglass", "empty.search.title"},
        {{3}, "   ", State::columns, "", ""},  // spaces filter nothing
        {{}, "   ", State::empty, "magnifyingglass", "empty.search.title"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query.toStdString() + " on " + std::to_string(c.sizes.size()) + " groups");
        view.reset();
        model.setQuery(c.query);
        loaded(makeSheet(c.sizes));
        ASSERT_EQ(content().state(), c.state);
        if (c.state == State::empty) {
            ASSERT_NE(notice(), nullptr);
            EXPECT_EQ(notice()->symbol()->symbol(), c.symbol);
            EXPECT_EQ(notice()->title()->text(), localization.localized(c.titleKey));
        } else {
            EXPECT_EQ(rowCount(), 3);
        }
    }
}

TEST_F(SheetContentTest, ColumnsFollowTheWidthAndTheFilterNarrowsThem) {
    loaded(makeSheet({4, 4, 4, 4}));
    EXPECT_EQ(content().columnCount(), 3);  // (1000 - 40) / 255
    content().resize(1400, 500);
    EXPECT_EQ(content().columnCount(), 5);
    EXPECT_EQ(content().columns()->columns().size(), 5u);
    model.setQuery("Item 2.");
    EXPECT_EQ(rowCount(), 4);
    model.setQuery("");
    EXPECT_EQ(rowCount(), 16);
}

TEST_F(SheetContentTest, ReportsTheColumnsHeightOnlyWhileNotSearching) {
    content();  // open and loading, as the panel is when the sheet arrives
    settle();
    loaded(makeSheet({40, 2}));  // taller than the area: it scrolls
    settle();
    const double measured = content().columns()->height();
    EXPECT_GT(measured, 100);
    EXPECT_EQ(model.contentHeight(), measured);

    // A search leaves fewer rows, and a different height, but the panel keeps its size.
    model.setQuery("Item 2.1");
    settle();
    EXPECT_LT(content().columns()->height(), measured);
    EXPECT_EQ(model.contentHeight(), measured);
    model.setQuery(" ");
    settle();
    EXPECT_EQ(model.contentHeight(), measured);
}

// The columns, scrolled or not, let the panel's backdrop show through.
TEST_F(SheetContentTest, ScrollsOnlyWhenTheSheetIsTallerThanTheAreaAndShowsTheBackdrop) {
    for (const auto& [sizes, scrolls] :
         {std::pair{std::vector<int>{13, 2}, false}, std::pair{std::vector<int>{60}, true}}) {
        view.reset();
        loaded(makeSheet(sizes));
        content();
        settle();
        auto* scroll = dynamic_cast<QScrollArea*>(content().current());
        ASSERT_NE(scroll, nullptr);
        EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), scrolls) << sizes.size();
        QImage image(content().size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        content().render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        EXPECT_EQ(qAlpha(image.pixel(5, image.height() - 5)), 0) << sizes.size();
    }
}

// A notice reports no height of its own, except what it needs beyond the panel's so as to
// show whole; and never while a search text stands.
TEST_F(SheetContentTest, ANoticeReportsOnlyTheHeightItNeedsBeyondTheArea) {
    struct Case {
        QString language;
        bool trusted;
        QString query;
        bool grows;
    };
    const Case cases[] = {
        {"en", true, "", false},  // the empty notice fits the panel as it opens
        {"el", false, "", true},  // the permission notice with a four-line text does not
        {"el", false, "zzzz", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language.toStdString() + " " + c.query.toStdString());
        view.reset();
        Preferences(store).setLanguage(c.language);
        setTrusted(c.trusted);
        model.setContentHeight(SheetModel::initialContentHeight);
        loaded(makeSheet({}));
        model.setQuery(c.query);
        content();
        settle();
        const double needed = content().current()->heightForWidth(content().width());
        if (c.grows) {
            EXPECT_GT(needed, SheetModel::initialContentHeight);
            EXPECT_EQ(model.contentHeight(), needed);
        } else {
            EXPECT_EQ(model.contentHeight(), SheetModel::initialContentHeight);
        }
    }
}

TEST_F(SheetContentTest, RowsRunTheirCommandUnlessDisabled) {
    loaded({{{QUuid::createUuid(),
              "File",
              {makeItem("New", "⌘", "N"), makeItem("Close", "⌘", "W", false)}}}});
    ColumnsView* columns = content().columns();
    ASSERT_EQ(columns->placement().size(), 3u);  // the title, then the two rows
    columns->activate(1);
    columns->activate(2);
    EXPECT_EQ(ran, std::vector<QString>{"New"});
}

struct Longest {
    QString language;
    QString text;
    int lines = 0;
};

// Over every catalogue, the text of `key` that takes the most lines in the callout font at
// `width`; of those, the longest. "perm.body" takes the catalogue's program name.
Longest longestText(const QString& key, int width) {
    const QFontMetricsF metrics(calloutFont());
    Longest longest;
    for (const Language& language : selectableLanguages()) {
        const auto catalogue = Catalogue::load(language.code);
        QString text = catalogue->text(key);
        if (key == QStringLiteral("perm.body")) {
            text = text.arg(catalogue->text(QStringLiteral("app.name")));
        }
        const QRectF bounds = metrics.boundingRect(QRectF(0, 0, width, 1e6),
                                                   Qt::TextWordWrap | Qt::AlignHCenter, text);
        const int lines = qRound(bounds.height() / metrics.lineSpacing());
        if (lines > longest.lines ||
            (lines == longest.lines && text.size() > longest.text.size())) {
            longest = {language.code, text, lines};
        }
    }
    return longest;
}

// Whether all of `label` shows: its lines broken at the width it got, every one of them
// inside the label, and the label inside `area`, centred.
void expectWhole(const QLabel& label, const QWidget& area) {
    const QFontMetricsF metrics(label.font());
    const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, label.width(), 1e6),
                                                Qt::TextWordWrap | Qt::AlignHCenter, label.text());
    EXPECT_LE(label.width(), label.maximumWidth());
    EXPECT_GE(label.height(), label.heightForWidth(label.width()));
    EXPECT_GE(label.height() + 0.5, wrapped.height());
    const QRect inArea(label.mapTo(&area, QPoint(0, 0)), label.size());
    EXPECT_TRUE(area.rect().contains(inArea))
        << "label at " << inArea.y() << ".." << inArea.bottom() << " in " << area.height();
    EXPECT_NEAR(inArea.center().x(), area.rect().center().x(), 1);  // and centred
}

class CheatSheetRootTest : public ::testing::Test, public SheetViewHarness {
  protected:
    CheatSheetRootTest() {
        model.setAppName("Editor");
        root.resize(1100, 500);
        root.show();
    }
    // The panel as its controller sizes it: the content's reported height plus header and
    // footer, at least 260 high.
    void showPanel(const QString& language, TextSize textSize, int width) {
        Preferences(store).setLanguage(language);
        Preferences(store).setTextSize(textSize);
        model.setContentHeight(SheetModel::initialContentHeight);
        for (int pass = 0; pass < 2; ++pass) {
            root.resize(width, static_cast<int>(std::max(model.contentHeight() + 118, 260.0)));
            root.show();
            settle();
        }
    }
    CheatSheetRoot root{model, services, false};
};

TEST_F(CheatSheetRootTest, TheLongestTextOfEveryNoticeShowsWholeInEveryTextSize) {
    struct Case {
        const char* key;
        int width;  // the notice's text width
        std::vector<int> sizes;
        QString query;
        bool trusted;
    };
    const Case cases[] = {
        {"empty.body", 380, {}, "", true},
        {"empty.search.body", 380, {2}, "zzzz", true},
        {"perm.body", 420, {2}, "", false},
    };
    for (const auto& c : cases) {
        const Longest longest = longestText(c.key, c.width);
        // One line would prove nothing about wrapping.
        ASSERT_GE(longest.lines, 2) << c.key;
        setTrusted(c.trusted);
        loaded(makeSheet(c.sizes));
        model.setQuery(c.query);
        for (const TextSize textSize : allCases<TextSize>()) {
            for (const int width : {720, 1100}) {
                SCOPED_TRACE(QStringLiteral("%1 in %2, %3 text, %4 wide")
                                 .arg(c.key, longest.language, rawValue(textSize))
                                 .arg(width)
                                 .toStdString());
                showPanel(longest.language, textSize, width);
                const SheetContent& content = *root.content();
                const auto* empty = dynamic_cast<const EmptyNotice*>(content.current());
                const auto* permission = dynamic_cast<const PermissionNotice*>(content.current());
                ASSERT_TRUE(empty || permission);
                const SheetLabel* body = empty ? empty->body() : permission->body();
                const SheetLabel* title = empty ? empty->title() : permission->title();
                if (permission) {
                    EXPECT_TRUE(content.rect().contains(
                        QRect(permission->button()->mapTo(&content, QPoint(0, 0)),
                              permission->button()->size())));
                }
                EXPECT_EQ(body->text(), longest.text);
                EXPECT_EQ(body->maximumWidth(), c.width);
                expectWhole(*body, content);
                expectWhole(*title, content);
            }
        }
    }
}

// A window may call itself anything: a name of any length leaves the search field in view,
// cut short with its whole text in the tool tip.
TEST_F(CheatSheetRootTest, HeaderShowsCountAndIconOnlyWhenThereAndCutsALongName) {
    HeaderBar* header = root.header();
    EXPECT_EQ(header->name()->text(), "Editor");
    EXPECT_TRUE(header->icon()->isHidden());
    EXPECT_TRUE(header->count()->isHidden());  // loading: no sheet yet
    loaded(makeSheet({4, 1}));
    EXPECT_FALSE(header->count()->isHidden());
    EXPECT_EQ(header->count()->text(), "5 commands");
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    model.setAppIcon(icon);
    EXPECT_FALSE(header->icon()->isHidden());

    model.setAppName(QStringLiteral("Document Editor ").repeated(60));
    settle();
    const QRect search = header->searchField()->geometry();
    EXPECT_LE(search.right(), header->width()) << "the search field in view";
    EXPECT_GE(search.width(), header->searchField()->minimumSizeHint().width());
    EXPECT_LT(header->name()->geometry().right(), search.left());
    EXPECT_TRUE(header->name()->text().endsWith(QChar(0x2026))) << "cut short, and says so";
    EXPECT_EQ(header->name()->toolTip(), model.appName());
    EXPECT_EQ(header->name()->accessibleName(), model.appName());
}

TEST_F(CheatSheetRootTest, ASheetOfAnApplicationThatStoppedAnsweringSaysSoUnderTheHeader) {
    ReasonLine* line = root.reasonLine();
    EXPECT_TRUE(line->isHidden());
    ShortcutSheet partial = makeSheet({2});
    partial.notResponding = true;
    loaded(partial);
    ASSERT_FALSE(line->isHidden());
    EXPECT_EQ(line->text(), "Editor is not responding; the sheet may be incomplete.");
    EXPECT_EQ(root.header()->count()->text(), "2 commands") << "the partial sheet is shown";
    EXPECT_GE(line->geometry().top(), root.header()->geometry().bottom());
    EXPECT_GE(line->height(), line->fontMetrics().height()) << "never cut";
    loaded(makeSheet({2}));  // the next read answered
    EXPECT_TRUE(line->isHidden());

    // Menus read only in part say so in their own words; not answering is said first.
    partial.notResponding = false;
    partial.cutShort = true;
    loaded(partial);
    ASSERT_FALSE(line->isHidden());
    EXPECT_EQ(line->text(),
              "Only part of the menus of Editor could be read; the sheet is incomplete.");
    partial.notResponding = true;
    loaded(partial);
    EXPECT_EQ(line->text(), "Editor is not responding; the sheet may be incomplete.");
}

// Why the application's own shortcuts are missing, with the way out where there is one; a
// sheet of only the desktop's group still shows.
TEST_F(CheatSheetRootTest, AnEmptyOrPartialSheetSaysWhyUnderTheHeader) {
    const struct {
        SheetGap gap;
        const char* text;
    } cases[] = {
        {SheetGap::nothingToRead, "Editor has no menu bar and no shortcuts help to read."},
        {SheetGap::notOnAccessibilityBus,
         "Editor is not on the accessibility bus, so its menus cannot be read. Restart it with "
         "accessibility turned on."},
        {SheetGap::browserAccessibilityOff,
         "Editor keeps its accessibility off, so its menus cannot be read. Start it with "
         "--force-renderer-accessibility."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ShortcutSheet sheet = makeSheet({1});
        sheet.gap = c.gap;
        loaded(sheet);
        ASSERT_FALSE(root.reasonLine()->isHidden());
        EXPECT_EQ(root.reasonLine()->text(), c.text);
        EXPECT_EQ(root.header()->count()->text(), "1 command");
        loaded(makeSheet({1}));
        EXPECT_TRUE(root.reasonLine()->isHidden());
    }
}

// The hold key does nothing without the Shell extension: while it is off or not installed,
// the panel (opened from the tray or the command line) says under the header how to turn it
// on, over a sheet that works as ever. A rebuild for a new language keeps it.
TEST_F(CheatSheetRootTest, WhileTheShellExtensionIsOffOrMissingALineSaysHowToTurnItOn) {
    using Extension = ShellExtensionState;
    const char* off =
        "The hold key needs the Shell extension holdsheet@holdsheet.org: turn it on "
        "in the Extensions app.";
    const char* missing =
        "The hold key needs the Shell extension holdsheet@holdsheet.org: log out "
        "and back in, then turn it on in the Extensions app.";
    loaded(makeSheet({2}));
    const std::pair<Extension, const char*> steps[] = {
        {Extension::notNeeded, nullptr}, {Extension::missing, missing}, {Extension::disabled, off},
        {Extension::active, nullptr},    {Extension::disabled, off},
    };
    for (const auto& [state, text] : steps) {
        SCOPED_TRACE(static_cast<int>(state));
        extension.setState(state);
        settle();
        const ExtensionNotice& line = *root.extensionNotice();
        ASSERT_EQ(line.isHidden(), text == nullptr);
        EXPECT_EQ(root.content()->state(), State::columns);
        if (!text) {
            continue;
        }
        EXPECT_EQ(line.text(), text);
        EXPECT_EQ(line.accessibleName(), text) << "what a screen reader and the tests find";
        EXPECT_GE(line.geometry().top(), root.header()->geometry().bottom());
        EXPECT_GE(line.height(), line.heightForWidth(line.width())) << "never cut";
    }
    Preferences(store).setLanguage("ja");
    settle();
    const ExtensionNotice& japanese = *root.extensionNotice();
    ASSERT_FALSE(japanese.isHidden());
    EXPECT_TRUE(japanese.text().contains("holdsheet@holdsheet.org"));
    EXPECT_NE(japanese.text(), off);
    extension.setState(Extension::active);
    EXPECT_TRUE(root.extensionNotice()->isHidden());
}

TEST_F(CheatSheetRootTest, EveryKeystrokeFiltersAndTheQueryOutlivesALanguageChange) {
    loaded(makeSheet({3, 3}));
    SearchField* search = root.header()->searchField();
    EXPECT_TRUE(search->clearButton()->isHidden());
    QTest::keyClicks(search->lineEdit(), "It");
    EXPECT_EQ(model.query(), "It");
    QTest::keyClick(search->lineEdit(), 'e');
    EXPECT_EQ(model.query(), "Ite");
    EXPECT_FALSE(search->clearButton()->isHidden());
    search->clearButton()->click();
    EXPECT_EQ(model.query(), "");
    EXPECT_TRUE(search->clearButton()->isHidden());
    // And back: the model's query shows in the field.
    model.setQuery("2.1");
    EXPECT_EQ(search->text(), "2.1");

    // A language change rebuilds the sheet in its direction and keeps the query.
    const HeaderBar* before = root.header();
    EXPECT_EQ(root.layoutDirection(), Qt::LeftToRight);
    Preferences(store).setLanguage("he");
    EXPECT_NE(root.header(), before);
    EXPECT_EQ(root.layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(root.searchField()->text(), "2.1");
    EXPECT_EQ(root.searchField()->placeholderText(), localization.localized("search.placeholder"));
    EXPECT_NE(root.searchField()->placeholderText(), "Search commands or keys");
}

TEST_F(CheatSheetRootTest, ADarkPaletteGivesLightTextInEveryStyle) {
    loaded(makeSheet({3, 2}));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 32));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 240));
    dark.setColor(QPalette::Highlight, QColor(80, 150, 255));
    root.setPalette(dark);
    const QColor name = root.header()->name()->palette().color(QPalette::WindowText);
    const QColor count = root.header()->count()->palette().color(QPalette::WindowText);
    EXPECT_EQ(name.rgb(), QColor(235, 235, 240).rgb());
    EXPECT_EQ(count.rgb(), QColor(235, 235, 240).rgb());
    EXPECT_NEAR(count.alphaF(), 0.55, 0.01);
    // Drawn dark, opaque as without a compositor.
    settle();
    const QImage image = root.grab().toImage();
    EXPECT_LT(qGray(image.pixel(image.width() / 2, image.height() - 80)), 80);
}

TEST_F(CheatSheetRootTest, FooterButtonsAreNamedForScreenReadersAndTheTextSizeScalesAll) {
    EXPECT_EQ(root.footer()->shareButton()->accessibleName(),
              localization.localized("share.title"));
    EXPECT_EQ(root.footer()->gearButton()->accessibleName(),
              localization.localized("menu.settings"));
    EXPECT_EQ(root.header()->searchField()->clearButton()->accessibleName(), "Clear search");
    root.footer()->shareButton()->click();  // no menu yet: nothing happens, nothing breaks
    EXPECT_TRUE(root.isVisible());

    EXPECT_DOUBLE_EQ(root.scale(), 1.0);
    Preferences(store).setTextSize(TextSize::large);
    EXPECT_DOUBLE_EQ(root.scale(), 1.18);
    Preferences(store).setGlassAmount(0.9);  // a redraw only: the tree stays
    const HeaderBar* header = root.header();
    Preferences(store).setMaterial(PanelMaterial::solid);
    EXPECT_EQ(root.header(), header);
}

}  // namespace
}  // namespace holdsheet
