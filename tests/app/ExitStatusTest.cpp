#include "app/ExitStatus.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <set>

namespace holdsheet {
namespace {

QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// A script reads the README's table; it must be the one the program returns by.
TEST(ExitStatus, TheReadmeShowsTheProgramsTable) {
    QFile readme(QStringLiteral(HOLDSHEET_README));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly)) << HOLDSHEET_README;
    const QRegularExpression row(QStringLiteral(R"(^\| *(\d+) *\| *([^|]*?) *\| *([^|]*?) *\|$)"));
    QStringList shown;
    for (const QString& line : QString::fromUtf8(readme.readAll()).split('\n')) {
        if (const auto match = row.match(line); match.hasMatch()) {
            shown << match.captured(1) + " " + match.captured(2) + ": " + match.captured(3);
        }
    }
    QStringList table;
    for (const auto& entry : exitStatuses) {
        table << QString::number(entry.status) + " " + text(entry.commands) + ": " +
                     text(entry.meaning);
    }
    EXPECT_EQ(shown.join('\n').toStdString(), table.join('\n').toStdString());
}

// A row applies to "all", or to each command its list names wherever in the list.
TEST(ExitStatus, EachCommandsHelpListsTheStatusesItEndsWith) {
    const struct {
        const char* command;
        std::set<int> statuses;
    } cases[] = {
        {"show", {exitOk, exitUsage, exitNoSessionBus, exitNotRunning, exitNotResponding}},
        {"help", {exitOk, exitUsage, exitStandardOutputUnwritable}},
    };
    const QRegularExpression status(QStringLiteral(R"(^ +(\d+) )"));
    for (const auto& c : cases) {
        std::set<int> listed;
        for (const QString& line : exitStatusTable(c.command).split('\n', Qt::SkipEmptyParts)) {
            if (const auto match = status.match(line); match.hasMatch()) {
                listed.insert(match.captured(1).toInt());
            }
        }
        EXPECT_EQ(listed, c.statuses) << c.command;
    }
    EXPECT_EQ(exitStatusTable().count('\n'), static_cast<qsizetype>(exitStatuses.size()) + 1);
}

}  // namespace
}  // namespace holdsheet
