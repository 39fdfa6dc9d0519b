#include "platform/freedesktop/DesktopEntryIndex.h"

#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "support/VirtualScheduler.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace holdsheet {
namespace {

using testing::writeFile;

QString nameOf(const DesktopEntries& entries, const QString& id, const QStringList& classes) {
    const auto entry = entries.find(id, classes);
    return entry ? entry->name : QStringLiteral("(none)");
}

TEST(DesktopEntries, ParsesTheEntryGroupInTheUsersLanguage) {
    const QStringList german{"de_DE", "de"};
    struct Case {
        const char* what;
        QByteArray text;
        QStringList locales;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", "[Desktop Entry]\nType=Application\nName=Editor\nIcon=ed\n", {}, "Editor"},
        {"the most specific locale",
         "[Desktop Entry]\nName[de]=Bearbeiter\nName=Editor\nName[de_DE]=Texteditor\n", german,
         "Texteditor"},
        {"language alone", "[Desktop Entry]\nName[de]=Bearbeiter\nName=Editor\n", german,
         "Bearbeiter"},
        {"escapes and spaces",
         "[Desktop Entry]\nName=  Two\\sWords\\nHere  \n",
         {},
         "Two Words Here"},
        {"actions do not rename it",
         "[Desktop Entry]\nName=Editor\n[Desktop Action new]\nName=New Window\n",
         {},
         "Editor"},
        {"hidden: deleted", "[Desktop Entry]\nName=Editor\nHidden=true\n", {}, "(none)"},
        {"a link", "[Desktop Entry]\nType=Link\nName=Site\n", {}, "(none)"},
        {"no group", "Name=Editor\n", {}, "(none)"},
        {"no name", "[Desktop Entry]\nIcon=x\n", {}, "(none)"},
        {"garbage", QByteArray("\xff\x00[Desktop Entry]\x01=\n=\n", 20), {}, "(none)"},
    };
    for (const auto& c : cases) {
        const auto entry = parseDesktopEntry(c.text, c.locales);
        EXPECT_EQ(entry ? entry->name : QStringLiteral("(none)"), QString::fromUtf8(c.expected))
            << c.what;
    }
    const QByteArray all = qgetenv("LC_ALL"), messages = qgetenv("LC_MESSAGES");
    qputenv("LC_ALL", "");
    qputenv("LC_MESSAGES", "sr_RS.UTF-8@latin");
    EXPECT_EQ(messageLocales(), QStringList({"sr_RS@latin", "sr_RS", "sr@latin", "sr"}));
    qputenv("LC_MESSAGES", "C.UTF-8");
    EXPECT_EQ(messageLocales(), QStringList());
    qputenv("LC_ALL", all);
    qputenv("LC_MESSAGES", messages);
}

TEST(DesktopEntries, NamesARunningApplicationByIdOrWindowClassNeverByNothing) {
    QTemporaryDir user, system;
    writeFile(user.filePath("org.example.Editor.desktop"), "[Desktop Entry]\nName=Mine\n");
    writeFile(system.filePath("org.example.Editor.desktop"), "[Desktop Entry]\nName=Theirs\n");
    writeFile(system.filePath("mousepad.desktop"), "[Desktop Entry]\nName=Mousepad Editor\n");
    writeFile(system.filePath("gimp.desktop"),
              "[Desktop Entry]\nName=GNU Image Manipulation Program\nStartupWMClass=Gimp-2.10\n");
    writeFile(system.filePath("kde4/okular.desktop"), "[Desktop Entry]\nName=Okular\n");
    writeFile(system.filePath("org.xfce.ristretto.desktop"), "[Desktop Entry]\nName=Ristretto\n");
    writeFile(user.filePath("org.other.ristretto.desktop"), "[Desktop Entry]\nName=Other\n");
    writeFile(system.filePath("viewer-2.10.desktop"), "[Desktop Entry]\nName=Versioned\n");
    writeFile(system.filePath("big.desktop"),
              "[Desktop Entry]\nName=Big\n" + QByteArray(DesktopEntries::maximumFileBytes, '#'));
    const auto entries = DesktopEntries::read({user.path(), system.path()}, {});

    EXPECT_EQ(nameOf(entries, "org.example.Editor", {}), "Mine");  // the user's folder first
    EXPECT_EQ(nameOf(entries, "", {"mousepad", "Mousepad"}), "Mousepad Editor");
    EXPECT_EQ(nameOf(entries, "", {"Mousepad"}), "Mousepad Editor");  // lower case
    EXPECT_EQ(nameOf(entries, "", {"gimp-2.10", "Gimp-2.10"}), "GNU Image Manipulation Program");
    EXPECT_EQ(nameOf(entries, "kde4-okular", {}), "Okular");
    // A Wayland client's application id may be the last part of its entry's id; the first
    // folder's wins.
    EXPECT_EQ(nameOf(entries, "ristretto", {}), "Other");
    EXPECT_EQ(nameOf(entries, "", {"Ristretto"}), "Other");
    EXPECT_EQ(nameOf(entries, "10", {}), "(none)") << "a version is no id's last part";
    EXPECT_EQ(nameOf(entries, "big", {}), "(none)");
    // A window without an application id or class is no entry's.
    EXPECT_EQ(nameOf(entries, "", {}), "(none)");
    EXPECT_EQ(nameOf(entries, "", {""}), "(none)");
    EXPECT_EQ(nameOf(entries, "unknown", {"Unknown"}), "(none)");
}

TEST(DesktopEntryIndex, ReadsInTheBackgroundAndAgainWhenAFolderChanges) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir data;
    const QString folder = data.filePath("applications");  // made later
    testing::VirtualScheduler scheduler;
    DesktopEntryIndex index(scheduler, {folder}, {});
    int reads = 0;
    index.onRead([&] { ++reads; });
    EXPECT_FALSE(index.entries());  // nothing is read on the constructing thread
    scheduler.runUntilIdle();
    ASSERT_TRUE(index.entries());
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(index.entries()->size(), 0);

    const auto watcherFires = [&] {
        return testing::runEventsUntil([&] { return scheduler.pendingDelays() > 0; });
    };
    writeFile(folder + "/fixture.desktop", "[Desktop Entry]\nName=Fixture One\n");
    ASSERT_TRUE(watcherFires());  // the folder was made where none was
    scheduler.advance(DesktopEntryIndex::quietTime);
    ASSERT_EQ(reads, 2);
    EXPECT_EQ(nameOf(*index.entries(), "fixture", {}), "Fixture One");

    writeFile(folder + "/other.desktop", "[Desktop Entry]\nName=Other\n");
    ASSERT_TRUE(watcherFires());
    scheduler.advance(DesktopEntryIndex::quietTime / 2);
    index.foldersChanged();  // more changes: the quiet time starts again
    scheduler.advance(DesktopEntryIndex::quietTime / 2);
    EXPECT_EQ(reads, 2);
    scheduler.advance(DesktopEntryIndex::quietTime);
    EXPECT_EQ(reads, 3);
    EXPECT_EQ(nameOf(*index.entries(), "other", {}), "Other");
}

}  // namespace
}  // namespace holdsheet
