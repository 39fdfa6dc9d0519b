#include "export/ExportDate.h"
#include "export/PDFPageView.h"
#include "export/Pagination.h"
#include "export/PdfWriter.h"
#include "export/SheetPrinting.h"
#include "prefs/Languages.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include "PdfTools.h"
#include "sheetview/Ink.h"
#include "sheetview/SheetSamples.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

// Tool output in failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

const QDate exportDate(2025, 3, 13);  // a Thursday

// A sheet of three pages: a long "Edit" runs over into continued columns.
std::vector<ShortcutGroup> threePageSheet() {
    const std::pair<const char*, int> menus[] = {
        {"File", 22}, {"Edit", 70}, {"View", 40}, {"Window", 60}, {"Help", 12}};
    const char* keys[] = {"A", "↩", "F12", "⌫", "S"};
    const char* modifiers[] = {"⌘", "⇧⌘", "⌃⌥⇧⌘", "", "⌥⌘"};
    std::vector<ShortcutGroup> groups;
    int n = 0;
    for (const auto& [title, items] : menus) {
        ShortcutGroup group;
        group.title = QString::fromUtf8(title);
        for (int i = 0; i < items; ++i, ++n) {
            group.items.push_back(
                makeItem(QStringLiteral("%1 command %2").arg(group.title).arg(i + 1),
                         modifiers[n % 5], keys[n % 5], n % 7 != 0));
        }
        groups.push_back(group);
    }
    // One title long enough to be cut.
    groups[0].items[1].title =
        QStringLiteral("Export the current document with every option the dialog offers, twice");
    return groups;
}

// A document in short: columns as "Title rows" per group ("+" after a continued title, "-"
// for an empty column), " / " between columns, " // " between pages.
std::string shape(const std::vector<PDFPage>& pages) {
    QStringList pageTexts;
    for (const PDFPage& page : pages) {
        QStringList columnTexts;
        for (const auto& column : page.columns) {
            std::vector<std::pair<QString, int>> runs;
            for (const PDFEntry& entry : column) {
                if (const auto* header = std::get_if<PDFHeader>(&entry)) {
                    runs.emplace_back(header->title + (header->continued ? "+" : ""), 0);
                } else if (!runs.empty()) {
                    ++runs.back().second;
                }
            }
            QStringList texts;
            for (const auto& [title, rows] : runs) {
                texts << QStringLiteral("%1 %2").arg(title).arg(rows);
            }
            columnTexts << (texts.isEmpty() ? QStringLiteral("-") : texts.join(", "));
        }
        pageTexts << columnTexts.join(QStringLiteral(" / "));
    }
    return pageTexts.join(QStringLiteral(" // ")).toStdString();
}

TEST(Pagination, LaysGroupsOutInColumnsOfFixedHeights) {
    struct Case {
        const char* name;
        std::vector<int> sizes;  // of groups G1, G2 ...
        const char* shape;
    };
    const Case cases[] = {
        {"no groups: one page with one empty column", {}, "-"},
        {"a header and 28 rows fill a first-page column", {28}, "G1 28"},
        {"the 29th row opens a column under a continued title", {29}, "G1 28 / G1+ 1"},
        {"100 rows alone", {100}, "G1 28 / G1+ 28 / G1+ 28 // G1+ 16"},
        {"later pages hold 31 rows a column",
         {84 + 31 + 1},
         "G1 28 / G1+ 28 / G1+ 28 // G1+ 31 / G1+ 1"},
        // 28 + 27 × 14 = 406; 406 + 28 + 14 > 425.28.
        {"27 rows leave no room for a title and its row", {27, 1}, "G1 27 / G2 1"},
        {"a title needs room for its first two rows", {25, 2}, "G1 25 / G2 2"},
        {"room for a title and two rows keeps the group in the column",
         {24, 3},
         "G1 24, G2 2 / G2+ 1"},
        {"a group after a full page starts the next one, not continued",
         {84, 1},
         "G1 28 / G1+ 28 / G1+ 28 // G2 1"},
        {"several groups share a column", {3, 4, 0}, "G1 3, G2 4, G3 0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shape(paginate(makeSheet(c.sizes).groups)), c.shape) << c.name;
    }
}

TEST(Pagination, PagesAreNumberedInOrderWithTheirOwnIdsAndKeepTheItems) {
    const auto groups = makeSheet(std::vector<int>(120, 2)).groups;
    const auto pages = paginate(groups);
    ASSERT_GT(pages.size(), 3u);
    QSet<QUuid> ids;
    std::vector<QUuid> itemIds;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].index, static_cast<int>(i));
        EXPECT_LE(pages[i].columns.size(), 3u);
        ids.insert(pages[i].id);
        for (const auto& column : pages[i].columns) {
            for (const PDFEntry& entry : column) {
                if (const auto* item = std::get_if<ShortcutItem>(&entry)) {
                    itemIds.push_back(item->id);
                }
            }
        }
    }
    EXPECT_EQ(ids.size(), static_cast<qsizetype>(pages.size()));
    std::vector<QUuid> expected;
    for (const auto& g : groups) {
        for (const auto& item : g.items) {
            expected.push_back(item.id);
        }
    }
    EXPECT_EQ(itemIds, expected) << "every item once, in sheet order";
}

// The words pdftotext -bbox places, in points from the page's top-left corner, by page and
// text: the first of each.
using Words = std::map<std::pair<int, QString>, QRectF>;

Words wordsOf(const QString& pdf) {
    const Tool tool = run("pdftotext", {"-bbox", pdf, "-"});
    Words words;
    int page = 0;
    static const QRegularExpression pattern(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = pattern.globalMatch(tool.out); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == u"<page ") {
            ++page;
            continue;
        }
        words.try_emplace({page, m.captured(5)},
                          QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return words;
}

// Where `text` is on `page`; far off the page if it is not there.
QRectF at(const Words& words, int page, const QString& text) {
    const auto found = words.find({page, text});
    EXPECT_NE(found, words.end()) << "no " << text << " on page " << page;
    return found == words.end() ? QRectF(-1e6, -1e6, 0, 0) : found->second;
}

class PdfDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Preferences(store).setLanguage("en");
        ASSERT_TRUE(dir.isValid());
    }
    QString write(const std::vector<ShortcutGroup>& groups, const QString& name,
                  const QImage& icon = QImage()) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(writePDFFile(groups, "Mousepad", icon, path, l10n, Existing::replace, exportDate),
                  FileWrite::written);
        return path;
    }

    QTemporaryDir dir;
    MemoryPreferenceStore store;
    Localization l10n{store};
};

TEST_F(PdfDocumentTest, ThreePagesOfLandscapeA4WithTitleCreatorAndEmbeddedFonts) {
    const auto groups = threePageSheet();
    ASSERT_EQ(paginate(groups).size(), 3u);
    QImage icon(512, 512, QImage::Format_ARGB32);
    icon.fill(QColor(230, 120, 40));
    const QString pdf = write(groups, "sheet.pdf", icon);

    const Tool info = run("pdfinfo", {pdf});
    ASSERT_EQ(info.exitCode, 0) << "pdfinfo (poppler-utils) missing or failed";
    for (const char* field :
         {R"(Pages:\s+3\n)", R"(Page size:\s+(842 x 595|841\.89 x 595\.28) pts)",
          R"(Title:\s+Mousepad Keyboard Shortcuts\n)", R"(Creator:\s+Holdsheet\n)"}) {
        EXPECT_TRUE(info.out.contains(QRegularExpression(field))) << info.out;
    }

    const Tool fonts = run("pdffonts", {pdf});
    ASSERT_EQ(fonts.exitCode, 0);
    const QStringList lines = fonts.out.split('\n', Qt::SkipEmptyParts).mid(2);  // under the rule
    ASSERT_FALSE(lines.isEmpty()) << fonts.out;
    for (const QString& line : lines) {
        // name type encoding emb sub uni object ID: "emb" is the fourth from the end.
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 7) << line;
        EXPECT_EQ(columns[columns.size() - 5], "yes") << "not embedded: " << line;
    }

    // The icon once, on the first page, brought down to a size that suits 30 points.
    const Tool images = run("pdfimages", {"-list", pdf});
    const QStringList imageLines = images.out.split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(imageLines.size(), 1) << images.out;
    const QStringList image = imageLines[0].split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(image[0], "1") << "page";
    EXPECT_EQ(image[3].toInt(), 120) << "width";

    const Tool text = run("pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(text.exitCode, 0);
    const QStringList pages = text.out.split('\f');
    ASSERT_GE(pages.size(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QString& page = pages[n - 1];
        EXPECT_TRUE(page.contains(QStringLiteral("Page %1 of 3").arg(n))) << n;
        EXPECT_TRUE(page.contains("Made with Holdsheet")) << n;
        EXPECT_TRUE(page.contains("Mousepad Keyboard Shortcuts")) << n;
    }
    EXPECT_TRUE(pages[0].contains("HOLDSHEET"));
    EXPECT_TRUE(pages[0].contains("March 13, 2025"));
    EXPECT_FALSE(pages[1].contains("March 13, 2025")) << "the date is on the first page only";
    EXPECT_TRUE(text.out.contains("Edit (continued)"));
    EXPECT_TRUE(text.out.contains("⌃⌥⇧⌘F12"));
    EXPECT_TRUE(text.out.contains("Help command 12")) << "the last row";
    EXPECT_TRUE(text.out.contains(QRegularExpression("Export the current document with [a-z ]*…")));
    EXPECT_FALSE(text.out.contains("twice"));

    // The document and a picture of each page to look at.
    const QString artifacts = QStringLiteral(HOLDSHEET_ARTIFACTS);
    QDir().mkpath(artifacts);
    QFile::remove(artifacts + "/pdf-sheet.pdf");
    QFile::copy(pdf, artifacts + "/pdf-sheet.pdf");
    EXPECT_EQ(run("pdftoppm", {"-png", "-r", "60", pdf, artifacts + "/pdf-page"}).exitCode, 0);
}

TEST_F(PdfDocumentTest, EntriesSitWhereThePaginationCountedThem) {
    const QString pdf = write(threePageSheet(), "sheet.pdf");
    const auto words = wordsOf(pdf);
    ASSERT_FALSE(words.empty());
    constexpr double column = (841.89 - 68 - 44) / 3 + 22;
    // First page: the first group title sits on the header entry's hairline.
    const QRectF file = at(words, 1, "File");
    EXPECT_NEAR(file.left(), 34, 1.5);
    EXPECT_NEAR(file.bottom(), 34 + 76 + 28 - 0.7 - 3, 2.5);
    // Columns two and three start one column width and its spacing further on.
    EXPECT_GT(at(words, 1, "(continued)").left(), 34 + column - 1);
    // The keys are right-aligned in their 60-point box, titles after it.
    EXPECT_NEAR(at(words, 1, "⌘A").right(), 34 + 60, 1.5);
    EXPECT_GT(at(words, 1, "command").left(), 34 + 60);
    // Later pages: the short header, then the columns 34 points lower than the page's top
    // margin.
    EXPECT_LT(at(words, 2, "Keyboard").bottom(), 34 + 22);
    // The footers of full pages sit at the foot of the page, inside the margin.
    for (int page = 1; page <= 2; ++page) {
        const QRectF footer = at(words, page, "Made");
        EXPECT_GT(footer.top(), 595 - 34 - 26) << page;
        EXPECT_LT(footer.bottom(), 595 - 34 + 0.5) << page;
    }
}

TEST_F(PdfDocumentTest, AShortPageHasItsFooterUnderTheTallestColumn) {
    const QString pdf = write(
        {{QUuid::createUuid(),
          "File",
          {makeItem("New", "⌘", "N"), makeItem("Open", "⌘", "O"), makeItem("Save", "⌘", "S")}}},
        "short.pdf");
    EXPECT_EQ(pageCountOf(pdf), 1);
    const QRectF footer = at(wordsOf(pdf), 1, "Page");
    const double columnsBottom = 34 + 76 + 28 + 3 * 14;
    EXPECT_GT(footer.top(), columnsBottom);
    EXPECT_LT(footer.bottom(), columnsBottom + 26);
    EXPECT_TRUE(run("pdftotext", {pdf, "-"}).out.contains("Page 1 of 1"));
}

// A group read from elsewhere than the menus says so after its title, on its line; a long one
// is cut short rather than run into the next column.
TEST_F(PdfDocumentTest, AGroupsSourceFollowsItsTitle) {
    const QString source = QStringLiteral("from the app's shortcuts help");
    const auto item = makeItem("New Tab", "⌃", "T");
    const QString pdf =
        write({{QUuid::createUuid(), "Editor", {item}, source},
               {QUuid::createUuid(), QString(60, QLatin1Char('W')), {item}, source}},
              "source.pdf");
    const auto words = wordsOf(pdf);
    const QRectF title = at(words, 1, "Editor");
    const QRectF from = at(words, 1, "shortcuts");
    EXPECT_GT(from.left(), title.right());
    EXPECT_LT(from.left(), 34 + (841.89 - 68 - 44) / 3);
    EXPECT_NEAR(from.bottom(), title.bottom(), 2.5);
    EXPECT_EQ(run("pdftotext", {pdf, "-"}).out.count("shortcuts"), 1)
        << "no room after a title that fills its column";
}

TEST_F(PdfDocumentTest, TheDocumentSpeaksTheChosenLanguage) {
    Preferences(store).setLanguage("de");
    const QString pdf = write(threePageSheet(), "de.pdf");
    const QString text = run("pdftotext", {pdf, "-"}).out;
    EXPECT_TRUE(text.contains("13. März 2025")) << text.left(400);
    EXPECT_FALSE(text.contains("Page 1 of 3"));
    EXPECT_FALSE(text.contains("pdf.page")) << "a key without its text";
}

// The page drawn on an image of `dotsPerPoint` pixels a point, the painter scaled to points
// as a printer's would be.
QImage drawn(const PDFPageView& view, double dotsPerPoint) {
    const QSizeF size = PDFPageView::pageSize() * dotsPerPoint;
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerPoint * 72 / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerPoint * 72 / 0.0254));
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(dotsPerPoint, dotsPerPoint);
    view.paint(painter);
    return image;
}

// Left and right ends, in points, of what is drawn between two heights.
std::pair<double, double> inkExtent(const QImage& image, double dotsPerPoint, double top,
                                    double bottom) {
    const int y = qRound(top * dotsPerPoint);
    const QRect inked =
        inkedRect(image, 160, QRect(0, y, image.width(), qRound(bottom * dotsPerPoint) - y));
    return {inked.left() / dotsPerPoint, (inked.right() + 1) / dotsPerPoint};
}

// What the print path relies on: a painter scaled to points gives the same page whatever the
// device's resolution, text included. The mark is the program's own drawing, embedded in the
// binary: every first page carries it.
TEST_F(PdfDocumentTest, AFirstPageDrawsTheSameInPointsOnEveryResolutionMarkIncluded) {
    PDFPage page;
    page.columns = {{PDFHeader{QStringLiteral("File"), false, {}},
                     makeItem("Save a copy of the document", "⇧⌘", "S")}};
    const PDFPageView view(page, 1, QStringLiteral("Mousepad"), QImage(),
                           QStringLiteral("13 March 2025"), l10n);
    const double rowTop = 34 + 76 + 28;
    const QImage atPoints = drawn(view, 1);
    const QImage atPrinter = drawn(view, 300.0 / 72);
    EXPECT_EQ(atPoints.pixel(1, 1), qRgb(255, 255, 255)) << "a white page";
    for (const auto& [name, top, bottom] :
         {std::tuple{"the row", rowTop, rowTop + 14},
          std::tuple{"the letter-spaced product name", 34.0 + 10, 34.0 + 19},
          std::tuple{"the group title", rowTop - 28, rowTop - 2}}) {
        const auto [left1, right1] = inkExtent(atPoints, 1, top, bottom);
        const auto [left2, right2] = inkExtent(atPrinter, 300.0 / 72, top, bottom);
        EXPECT_NEAR(left1, left2, 1.5) << name;
        EXPECT_NEAR(right1, right2, 1.5) << name;
        EXPECT_GT(right1 - left1, 10) << name << ": something drawn";
    }
    const QImage image = drawn(view, 2);
    int coloured = 0;  // left of the product name, where the 46-point mark sits
    for (int y = 2 * 40; y < 2 * 86; ++y) {
        for (int x = 2 * 34; x < 2 * 80; ++x) {
            coloured += image.pixelColor(x, y).saturation() > 60 ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 2 * 46 * 2 * 46 / 3) << "the mark's area is mostly blank";
}

TEST(FitPage, ScalesThePageDownToThePrintableAreaNeverUpAndCentresIt) {
    // Landscape A4 is 841.89 × 595.28 points.
    const struct {
        const char* name;
        QSizeF printable;
        double resolution;
        double scale;
        QPointF offset;
    } cases[] = {
        {"room to spare at 72 dpi", {1000, 700}, 72, 1.0, {79.055, 52.36}},
        {"room to spare at 600 dpi: points to pixels only",
         {8000, 6000},
         600,
         600 / 72.0,
         {492.125, 519.667}},
        {"too narrow: the width decides", {421, 595.28}, 72, 421 / 841.89, {0, 148.81}},
        {"too low: the height decides", {841.89, 297.64}, 72, 0.5, {210.4725, 0}},
        {"letter paper at 300 dpi inside 0.25 in margins",
         {3150, 2400},
         300,
         3150 / 841.89,
         {0, (2400 - 595.28 * 3150 / 841.89) / 2}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const PageFit fit = fitPage(test.printable, test.resolution);
        EXPECT_NEAR(fit.scale, test.scale, 1e-6);
        EXPECT_NEAR(fit.offset.x(), test.offset.x(), 0.01);
        EXPECT_NEAR(fit.offset.y(), test.offset.y(), 0.01);
    }
}

TEST_F(PdfDocumentTest, PrintingGivesOnePrintedPagePerPageInTheRangeAsked) {
    const struct {
        const char* name;
        int from, to;  // 0: all
        int pages;
    } cases[] = {
        {"all", 0, 0, 3}, {"the last two", 2, 3, 2}, {"past the end", 2, 9, 2}, {"one", 1, 1, 1}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const QString out = dir.filePath(QString::fromLatin1(test.name) + ".pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out);
        printer.setPageOrientation(QPageLayout::Landscape);
        if (test.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(test.from, test.to);
        }
        EXPECT_TRUE(printPages(printer, threePageSheet(), "Editor", QImage(), l10n));
        EXPECT_EQ(pageCountOf(out), test.pages);
    }
}

TEST(ExportDate, DayWideMonthAndYearAsTheLocaleArrangesThem) {
    struct Case {
        const char* locale;
        const char* text;
    };
    const Case cases[] = {
        {"en_US", "March 13, 2025"}, {"en_GB", "13 March 2025"},       {"de_DE", "13. März 2025"},
        {"fr_FR", "13 mars 2025"},   {"es_ES", "13 de marzo de 2025"}, {"ja_JP", "2025年3月13日"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exportDateText(exportDate, QLocale(c.locale)), QString::fromUtf8(c.text))
            << c.locale;
    }
}

// Every interface language: the year and the month as the long date has them, and no
// weekday.
TEST(ExportDate, NoLanguageShowsTheWeekday) {
    for (const Language& language : selectableLanguages()) {
        const QLocale locale(language.code);
        const QString text = exportDateText(exportDate, locale);
        SCOPED_TRACE(language.code.toStdString() + ": " + text.toStdString());
        const QString longDate = locale.toString(exportDate, QLocale::LongFormat);
        EXPECT_TRUE(text.contains(locale.toString(exportDate, QStringLiteral("yyyy"))));
        // Some write the month as a number in full dates too (2025年3月13日).
        if (longDate.contains(locale.monthName(3))) {
            EXPECT_TRUE(text.contains(locale.monthName(3)));
        }
        EXPECT_FALSE(text.contains(locale.dayName(4)));
        EXPECT_FALSE(text.contains(locale.dayName(4, QLocale::ShortFormat)));
    }
}

}  // namespace
}  // namespace holdsheet
