#include "app/DumpOptions.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace holdsheet {
namespace {

TEST(DumpOptions, ThePdfFormatNeedsAnOutputFileAndNothingElseTakesOne) {
    struct Case {
        QStringList arguments;
        const char* error;  // null: accepted
    };
    const Case cases[] = {
        {{"--format", "pdf", "--output", "sheet.pdf"}, nullptr},
        {{"--format", "pdf", "-o", "sheet.pdf", "--force", "--pid", "42", "--system", "--filter",
          "save"},
         nullptr},
        {{"--output", "sheet.pdf", "--format", "pdf"}, nullptr},
        {{"--format", "pdf"}, "--format pdf needs --output FILE"},
        {{"--format", "pdf", "--output"}, "--output needs a file name"},
        {{"--format", "pdf", "--output", ""}, "--output needs a file name"},
        {{"--output", "sheet.pdf"}, "--output goes with --format pdf"},
        {{"--format", "json", "--output", "sheet.json"}, "--output goes with --format pdf"},
        {{"--force"}, "--force goes with --format pdf"},
        {{"--format", "PDF", "--output", "x"}, "--format takes text, json or pdf"},
        {{"--format"}, "--format takes text, json or pdf"},
        {{"--format", "pdf", "--help"}, nullptr},
        {{"--pid"}, "--pid needs a process id"},
        {{"--pid", "abc"}, "--pid needs a process id"},
        {{"--include-disabled", "--exclude-disabled"},
         "--include-disabled and --exclude-disabled exclude each other"},
        {{"--system", "--no-system"}, "--system and --no-system exclude each other"},
        {{"--filter"}, "--filter needs a text"},
        {{"--timeout", "0"}, "--timeout needs a number of seconds"},
        {{"--timeout", "soon"}, "--timeout needs a number of seconds"},
    };
    for (const Case& c : cases) {
        const auto parsed = parseDumpOptions(c.arguments);
        const auto* error = std::get_if<QString>(&parsed);
        if (c.error) {
            ASSERT_TRUE(error) << c.arguments.join(' ').toStdString();
            EXPECT_TRUE(error->startsWith(c.error)) << error->toStdString();
        } else {
            EXPECT_FALSE(error) << c.arguments.join(' ').toStdString() << ": "
                                << (error ? error->toStdString() : "");
        }
    }
    const auto options =
        std::get<DumpOptions>(parseDumpOptions({"--format", "pdf", "--output", "a b.pdf", "--force",
                                                "--pid", "42", "--no-system", "--filter", "save"}));
    EXPECT_EQ(options.format, DumpOutput::pdf);
    EXPECT_EQ(options.output, "a b.pdf");
    EXPECT_TRUE(options.force);
    EXPECT_EQ(options.pid, 42);
    EXPECT_EQ(options.includeSystem, false);
    EXPECT_EQ(options.filter, "save");
    // What follows --filter is the text, even when it reads as an option.
    const auto help = std::get<DumpOptions>(parseDumpOptions({"--filter", "--help"}));
    EXPECT_EQ(help.filter, "--help");
    EXPECT_FALSE(help.help);
}

TEST(DumpOptions, TheOutputIsCheckedBeforeTheSheetIsRead) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return QFile::encodeName(dir.filePath(name)); };
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_TRUE(QFile(dir.filePath("existing.pdf")).open(QIODevice::WriteOnly));
    ASSERT_EQ(::symlink("nowhere", path("dangling.pdf").constData()), 0);
    ASSERT_EQ(::symlink("existing.pdf", path("link.pdf").constData()), 0);
    ASSERT_EQ(::mkfifo(path("fifo.pdf").constData(), 0600), 0);
    struct Case {
        QString path;
        bool force;
        OutputCheck::State state;
    };
    const Case cases[] = {
        {dir.filePath("new.pdf"), false, OutputCheck::writable},
        {dir.filePath("existing.pdf"), false, OutputCheck::exists},
        {dir.filePath("existing.pdf"), true, OutputCheck::writable},
        {dir.filePath("dangling.pdf"), false, OutputCheck::exists},
        {dir.filePath("folder"), true, OutputCheck::unwritable},
        // --force replaces a regular file, and a link itself (never what it points to).
        {dir.filePath("link.pdf"), false, OutputCheck::exists},
        {dir.filePath("link.pdf"), true, OutputCheck::writable},
        // A FIFO is nothing to replace, --force or not (and no use asking for --force).
        {dir.filePath("fifo.pdf"), true, OutputCheck::unwritable},
        {dir.filePath("fifo.pdf"), false, OutputCheck::unwritable},
        {dir.filePath("missing/new.pdf"), false, OutputCheck::unwritable},
        {dir.filePath("existing.pdf/new.pdf"), false, OutputCheck::unwritable},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // Permissions do not stop root.
    if (::geteuid() != 0) {
        ASSERT_TRUE(QDir(dir.path()).mkdir("readonly"));
        ASSERT_EQ(::chmod(path("readonly").constData(), 0500), 0);
        all.push_back({dir.filePath("readonly/new.pdf"), false, OutputCheck::unwritable});
    } else {
        std::fprintf(stderr, "skipped: a read-only folder (root writes anywhere)\n");
    }
    for (const Case& c : all) {
        const OutputCheck check = checkOutput(c.path, c.force);
        EXPECT_EQ(check.state, c.state) << c.path.toStdString();
        EXPECT_EQ(check.reason.isEmpty(), c.state != OutputCheck::unwritable)
            << c.path.toStdString();
    }
    EXPECT_EQ(checkOutput(dir.filePath("fifo.pdf"), true).reason,
              "it is a FIFO; only a regular file is replaced");
}

}  // namespace
}  // namespace holdsheet
