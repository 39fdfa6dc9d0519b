#include "export/AtomicFile.h"
#include "export/PrivateFolder.h"
#include "export/TemporaryPdf.h"
#include "prefs/Localization.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace holdsheet {
namespace {

using testing::MemoryPreferenceStore;

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777
                                                                    : mode_t(-1);
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

std::function<bool(QFileDevice&)> writing(QByteArray text, bool succeed = true) {
    return
        [text, succeed](QFileDevice& file) { return file.write(text) == text.size() && succeed; };
}

struct Group {
    ShortcutGroup group;
    Group() {
        group.title = QStringLiteral("File");
        ShortcutItem item;
        item.title = QStringLiteral("Open");
        item.modifiers = QStringLiteral("⌘");
        item.key = QStringLiteral("O");
        group.items.push_back(item);
    }
};

TEST(AtomicFile, TheTargetHoldsTheOldContentOrTheNewAndNothingIsLeftBehind) {
    QTemporaryDir dir;
    const QString target = dir.filePath("sheet.pdf");
    struct Case {
        const char* name;
        bool existsBefore;
        Existing existing;
        bool succeed;
        FileWrite result;
        const char* content;  // afterwards; null: no file
    };
    const Case cases[] = {
        {"new file", false, Existing::keep, true, FileWrite::written, "new"},
        {"replaced", true, Existing::replace, true, FileWrite::written, "new"},
        {"kept", true, Existing::keep, true, FileWrite::exists, "old"},
        {"abandoned over an old file", true, Existing::replace, false, FileWrite::failed, "old"},
        {"abandoned, no file", false, Existing::replace, false, FileWrite::failed, nullptr},
    };
    for (const Case& c : cases) {
        QFile::remove(target);
        if (c.existsBefore) {
            writeText(target, "old");
        }
        EXPECT_EQ(writeFileAtomically(target, 0666, c.existing, writing("new", c.succeed)),
                  c.result)
            << c.name;
        if (c.content) {
            EXPECT_EQ(contentOf(target), c.content) << c.name;
            EXPECT_EQ(entriesOf(dir.path()), QStringList{"sheet.pdf"}) << c.name;
        } else {
            EXPECT_TRUE(entriesOf(dir.path()).isEmpty()) << c.name;
        }
    }
}

TEST(AtomicFile, ALinkAtTheTargetIsReplacedNotWrittenThrough) {
    QTemporaryDir dir;
    const QString elsewhere = dir.filePath("elsewhere");
    writeText(elsewhere, "someone's file");
    const QString target = dir.filePath("sheet.pdf");
    ASSERT_EQ(
        ::symlink(QFile::encodeName(elsewhere).constData(), QFile::encodeName(target).constData()),
        0);
    EXPECT_EQ(writeFileAtomically(target, 0666, Existing::keep, writing("new")), FileWrite::exists);
    EXPECT_EQ(writeFileAtomically(target, 0666, Existing::replace, writing("new")),
              FileWrite::written);
    EXPECT_EQ(contentOf(elsewhere), "someone's file");
    EXPECT_FALSE(QFileInfo(target).isSymLink());
    EXPECT_EQ(contentOf(target), "new");
}

TEST(AtomicFile, PlacesThatCannotTakeTheFileFail) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    writeText(dir.filePath("plain"), "x");
    for (const QString& target : {dir.filePath("folder"), dir.filePath("missing/sheet.pdf"),
                                  dir.filePath("plain/sheet.pdf"), dir.path() + "/"}) {
        EXPECT_EQ(writeFileAtomically(target, 0666, Existing::replace, writing("new")),
                  FileWrite::failed)
            << target.toStdString();
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_EQ(contentOf(dir.filePath("plain")), "x");
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"folder", "plain"}));
    EXPECT_TRUE(entriesOf(dir.filePath("folder")).isEmpty());
}

TEST(TemporaryPdf, TheFileNameKeepsSlashesAndColonsOutOfTheName) {
    MemoryPreferenceStore store;
    store.set("language", "en");
    const Localization l10n(store);
    EXPECT_EQ(pdfFileName("A/B: C", l10n), "Holdsheet - A-B- C.pdf");
    EXPECT_EQ(pdfFileName("Mousepad", l10n), "Holdsheet - Mousepad.pdf");
    // A name too long for a file name loses its end, not its extension.
    const QString longName = pdfFileName(QString(300, QChar(0x00e9)), l10n);
    EXPECT_LE(QFile::encodeName(longName).size(), 255);
    EXPECT_TRUE(longName.startsWith("Holdsheet - éé"));
    EXPECT_TRUE(longName.endsWith("é.pdf"));
}

class ExportFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkdir(runtime()));
        ASSERT_EQ(::chmod(QFile::encodeName(runtime()).constData(), 0700), 0);
        store.set("language", "en");
    }
    QString runtime() const { return root.filePath("runtime"); }
    QString cache() const { return root.filePath("cache"); }
    ExportFolderPlaces places() const { return {runtime(), cache()}; }
    std::optional<QString> exportSheet() {
        return temporaryPDF({Group().group}, "Mousepad", QImage(), l10n, places());
    }

    QTemporaryDir root;
    MemoryPreferenceStore store;
    Localization l10n{store};
};

TEST_F(ExportFolderTest, AnExportLandsInTheRuntimeFolderForItsOwnerOnly) {
    const auto first = exportSheet();
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, runtime() + "/Holdsheet/Holdsheet - Mousepad.pdf");
    EXPECT_EQ(modeOf(runtime() + "/Holdsheet"), 0700u);
    EXPECT_EQ(modeOf(*first) & 0777, 0600u);
    EXPECT_TRUE(contentOf(*first).startsWith("%PDF-"));

    // The next export of the same application replaces it, leaving nothing else.
    writeText(*first, "stale");
    EXPECT_EQ(exportSheet(), first);
    EXPECT_TRUE(contentOf(*first).startsWith("%PDF-"));
    EXPECT_EQ(entriesOf(runtime() + "/Holdsheet"), QStringList{"Holdsheet - Mousepad.pdf"});
}

TEST_F(ExportFolderTest, WithoutAPrivateRuntimeFolderTheCacheTakesIt) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString runtimeDir;
    };
    const Case cases[] = {
        {"open to others", [&] { ::chmod(QFile::encodeName(runtime()).constData(), 0755); },
         runtime()},
        {"not set", [] {}, QString()},
        {"missing", [] {}, root.filePath("nowhere")},
    };
    for (const Case& c : cases) {
        c.arrange();
        const auto folder = exportFolder({c.runtimeDir, cache()});
        ASSERT_TRUE(folder) << c.name;
        EXPECT_EQ(folder->path, cache() + "/Holdsheet/tmp") << c.name;
        EXPECT_EQ(modeOf(cache() + "/Holdsheet"), 0700u) << c.name;
        EXPECT_EQ(modeOf(cache() + "/Holdsheet/tmp"), 0700u) << c.name;
    }
    EXPECT_FALSE(QFileInfo::exists(runtime() + "/Holdsheet"));
}

TEST_F(ExportFolderTest, AFolderOfOursOpenToOthersIsClosed) {
    ASSERT_TRUE(QDir().mkdir(runtime() + "/Holdsheet"));
    ASSERT_EQ(::chmod(QFile::encodeName(runtime() + "/Holdsheet").constData(), 0777), 0);
    ASSERT_TRUE(exportSheet());
    EXPECT_EQ(modeOf(runtime() + "/Holdsheet"), 0700u);
}

TEST_F(ExportFolderTest, ALinkAFileOrAnotherUsersFolderInItsPlaceIsRefused) {
    const QString folder = runtime() + "/Holdsheet";
    const QString decoy = root.filePath("decoy");
    ASSERT_TRUE(QDir().mkdir(decoy));
    struct Case {
        const char* name;
        std::function<bool()> arrange;  // false: cannot be arranged here
    };
    const Case cases[] = {
        {"a link to a folder",
         [&] {
             return ::symlink(QFile::encodeName(decoy).constData(),
                              QFile::encodeName(folder).constData()) == 0;
         }},
        {"a dangling link",
         [&] {
             return ::symlink(QFile::encodeName(root.filePath("gone")).constData(),
                              QFile::encodeName(folder).constData()) == 0;
         }},
        {"a file",
         [&] {
             writeText(folder, "x");
             return true;
         }},
        {"another user's folder",
         [&] {
             // Only root can give a folder away.
             return ::geteuid() == 0 && QDir().mkdir(folder) &&
                    ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
         }},
    };
    for (const Case& c : cases) {
        QFile::remove(folder);
        QDir(folder).removeRecursively();
        if (!c.arrange()) {
            std::fprintf(stderr, "skipped: %s (not root: cannot chown)\n", c.name);
            continue;
        }
        EXPECT_FALSE(exportSheet()) << c.name;
        EXPECT_TRUE(entriesOf(decoy).isEmpty()) << c.name;
        EXPECT_FALSE(QFileInfo::exists(root.filePath("gone"))) << c.name;
        EXPECT_FALSE(QFileInfo::exists(cache())) << c.name << ": no second choice behind it";
        if (QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink()) {
            EXPECT_TRUE(entriesOf(folder).isEmpty()) << c.name;
        }
    }
}

}  // namespace
}  // namespace holdsheet
