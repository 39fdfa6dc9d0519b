#include "export/ExportDate.h"

#include "prefs/Languages.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

const QDate thirteenthOfMarch(2025, 3, 13);  // a Thursday

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
        EXPECT_EQ(exportDateText(thirteenthOfMarch, QLocale(c.locale)), QString::fromUtf8(c.text))
            << c.locale;
    }
}

// Every interface language: the year and the month as the long date has them, and no
// weekday.
TEST(ExportDate, NoLanguageShowsTheWeekday) {
    for (const Language& language : selectableLanguages()) {
        const QLocale locale(language.code);
        const QString text = exportDateText(thirteenthOfMarch, locale);
        SCOPED_TRACE(language.code.toStdString() + ": " + text.toStdString());
        const QString longDate = locale.toString(thirteenthOfMarch, QLocale::LongFormat);
        EXPECT_TRUE(text.contains(locale.toString(thirteenthOfMarch, QStringLiteral("yyyy"))));
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
