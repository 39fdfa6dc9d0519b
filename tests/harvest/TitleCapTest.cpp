#include "harvest/TitleCap.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

const QString ellipsis(QChar(0x2026));

TEST(TitleCap, ALongTitleIsCutWithAnEllipsisWithinTheLimit) {
    struct Case {
        const char* name;
        QString text;
        qsizetype limit;
        QString capped;
    };
    const QString e = QStringLiteral("e\u0301");        // e and a combining acute: one grapheme
    const QString face = QStringLiteral("\U0001F600");  // a surrogate pair
    const Case cases[] = {
        {"short", "Open", 8, "Open"},
        {"exactly the limit", "Open All", 8, "Open All"},
        {"one over", "Open All!", 8, "Open Al" + ellipsis},
        {"the space before the cut goes", "Open All Windows", 10, "Open All" + ellipsis},
        {"a pair is not split", "abcdef" + face + "gh", 8, "abcdef" + ellipsis},
        {"a pair that fits stays", "abcde" + face + "gh", 8, "abcde" + face + ellipsis},
        {"a combining mark stays with its letter", "abcdef" + e + "gh", 8, "abcdef" + ellipsis},
        {"the whole cluster or none", "abcde" + e + "gh", 8, "abcde" + e + ellipsis},
        {"nothing but the ellipsis at the least", "Open", 1, ellipsis},
    };
    for (const Case& c : cases) {
        const QString capped = cappedTitle(c.text, c.limit);
        EXPECT_EQ(capped, c.capped) << c.name;
        EXPECT_LE(capped.size(), c.limit) << c.name;
    }
}

}  // namespace
}  // namespace holdsheet
