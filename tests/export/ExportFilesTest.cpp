#include "export/AtomicFile.h"
#include "export/PdfWriter.h"
#include "export/PrivateFolder.h"
#include "export/TemporaryPdf.h"
#include "platform/FileDescriptor.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "support/MemoryPreferenceStore.h"
#include "support/QtPrinters.h"

#include "sheetview/SheetSamples.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace holdsheet {
namespace {

using namespace holdsheet::testing;

// The type and permissions of `path` itself, not of what a link there names.
mode_t statOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : mode_t(-1);
}

mode_t modeOf(const QString& path) {
    return statOf(path) & 07777;
}

bool link(const QString& to, const QString& at) {
    return ::symlink(QFile::encodeName(to).constData(), QFile::encodeName(at).constData()) == 0;
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
    // A place that cannot take the file: it fails and leaves all as it was.
    writeText(dir.filePath("plain"), "x");
    for (const QString& target :
         {dir.filePath("missing/sheet.pdf"), dir.filePath("plain/sheet.pdf"), dir.path() + "/"}) {
        EXPECT_EQ(writeFileAtomically(target, 0666, Existing::replace, writing("new")),
                  FileWrite::failed)
            << target.toStdString();
    }
    EXPECT_EQ(contentOf(dir.filePath("plain")), "x");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"plain"});
}

// Whatever made a FIFO, a socket or a folder there meant it for something else.
TEST(AtomicFile, OnlyARegularFileOrALinkIsReplaced) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.pdf"));
    const std::pair<QString, mode_t> others[] = {{dir.filePath("fifo.pdf"), S_IFIFO},
                                                 {dir.filePath("socket.pdf"), S_IFSOCK},
                                                 {dir.filePath("folder.pdf"), S_IFDIR}};
    for (const auto& [target, type] : others) {
        if (type != S_IFDIR) {
            ASSERT_EQ(::mknod(QFile::encodeName(target).constData(), type | 0600, 0), 0);
        }
        EXPECT_EQ(writeFileAtomically(target, 0666, Existing::replace, writing("new")),
                  FileWrite::notRegular)
            << target.toStdString();
        EXPECT_EQ(writeFileAtomically(target, 0666, Existing::keep, writing("new")),
                  FileWrite::exists)
            << target.toStdString();
        EXPECT_EQ(statOf(target) & S_IFMT, type) << target.toStdString();
    }
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"fifo.pdf", "folder.pdf", "socket.pdf"}));
    EXPECT_TRUE(entriesOf(dir.filePath("folder.pdf")).isEmpty());
}

TEST(AtomicFile, TheReplacementKeepsThePermissionsOfTheFileItReplaces) {
    QTemporaryDir dir;
    const mode_t umaskBefore = ::umask(022);
    const QString target = dir.filePath("sheet.pdf");
    const QString elsewhere = dir.filePath("elsewhere");
    struct Case {
        const char* name;
        mode_t before;  // 0: no file
        bool linked;    // the file is elsewhere, a link to it there
        mode_t after;
    };
    const Case cases[] = {
        {"a new file: the mode asked for, less the umask", 0, false, 0644},
        {"a file only its owner reads", 0600, false, 0600},
        {"a file its group writes", 0664, false, 0664},
        {"a link: a new file", 0600, true, 0644},
    };
    for (const Case& c : cases) {
        QFile::remove(target);
        const QString file = c.linked ? elsewhere : target;
        if (c.before) {
            writeText(file, "old");
            ::chmod(QFile::encodeName(file).constData(), c.before);
        }
        if (c.linked) {
            link("elsewhere", target);
        }
        EXPECT_EQ(writeFileAtomically(target, 0666, Existing::replace, writing("new")),
                  FileWrite::written)
            << c.name;
        EXPECT_EQ(modeOf(target), c.after) << c.name;
        EXPECT_EQ(contentOf(target), "new") << c.name;
        EXPECT_FALSE(QFileInfo(target).isSymLink()) << c.name;
    }
    // The link was replaced, not written through; unforced, a link is a file there.
    EXPECT_EQ(contentOf(elsewhere), "old");
    EXPECT_EQ(modeOf(elsewhere), 0600u);
    QFile::remove(target);
    ASSERT_TRUE(link("elsewhere", target));
    EXPECT_EQ(writeFileAtomically(target, 0666, Existing::keep, writing("new")), FileWrite::exists);
    ::umask(umaskBefore);
}

// The process may not write more than a few bytes: a disk that fills up under the write.
class FullDisk {
  public:
    explicit FullDisk(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit limit = before_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ignored_ = ::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        ::signal(SIGXFSZ, ignored_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit before_{};
    sighandler_t ignored_ = SIG_DFL;
};

TEST(AtomicFile, AWriteCutShortKeepsTheOldFileAndLeavesNothingElse) {
    QTemporaryDir dir;
    const QString target = dir.filePath("sheet.pdf");
    writeText(target, "old");
    const auto groups = makeSheet(std::vector<int>(40, 40)).groups;
    MemoryPreferenceStore store;
    const Localization l10n(store);
    {
        const FullDisk full(4096);
        EXPECT_EQ(
            writeFileAtomically(target, 0666, Existing::replace, writing(QByteArray(65536, 'x'))),
            FileWrite::failed);
        EXPECT_EQ(writePDFFile(groups, "Mousepad", QImage(), target, l10n, Existing::replace),
                  FileWrite::failed);
    }
    EXPECT_EQ(contentOf(target), "old");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"sheet.pdf"});
    EXPECT_EQ(writePDFFile(groups, "Mousepad", QImage(), target, l10n, Existing::replace),
              FileWrite::written)
        << "the same document, with room for it";
    EXPECT_GT(QFileInfo(target).size(), 4096);
}

// SIGINT or SIGTERM while the PDF is being written: nothing of it is left in the folder.
TEST(AtomicFile, AnInterruptedWriteLeavesNothingBehind) {
    for (const int signal : {SIGINT, SIGTERM}) {
        QTemporaryDir dir;
        const QString target = dir.filePath("sheet.pdf");
        writeText(target, "old");
        int ready[2];
        ASSERT_EQ(::pipe2(ready, O_CLOEXEC), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(signal, SIG_DFL);
            writeFileAtomically(target, 0666, Existing::replace, [&](QFileDevice& file) {
                file.write(QByteArray(65536, 'x'));
                file.flush();
                [[maybe_unused]] const auto noted = ::write(ready[1], "w", 1);
                while (true) {
                    ::pause();  // until the signal ends the process
                }
                return true;
            });
            ::_exit(1);
        }
        ::close(ready[1]);
        char note = 0;
        // Until the child is in the middle of the write, or gone.
        const bool writing = ::read(ready[0], &note, 1) == 1;
        ::close(ready[0]);
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(writing) << "the child never started writing";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(entriesOf(dir.path()), QStringList{"sheet.pdf"}) << signal;
        EXPECT_EQ(contentOf(target), "old") << signal;
    }
}

class ExportFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkdir(runtime()));
        ASSERT_EQ(::chmod(QFile::encodeName(runtime()).constData(), 0700), 0);
        Preferences(store).setLanguage("en");
    }
    QString runtime() const { return root.filePath("runtime"); }
    QString cache() const { return root.filePath("cache"); }
    ExportFolderPlaces places() const { return {runtime(), cache()}; }
    std::optional<QString> exportSheet() {
        return temporaryPDF(makeSheet({1}).groups, "Mousepad", QImage(), l10n, places());
    }

    QTemporaryDir root;
    MemoryPreferenceStore store;
    Localization l10n{store};
};

TEST_F(ExportFolderTest, TheFileNameKeepsSlashesAndColonsOutOfTheName) {
    EXPECT_EQ(pdfFileName("A/B: C", l10n), "Holdsheet - A-B- C.pdf");
    EXPECT_EQ(pdfFileName("Mousepad", l10n), "Holdsheet - Mousepad.pdf");
    // A name too long for a file name loses its end, not its extension.
    const QString longName = pdfFileName(QString(300, QChar(0x00e9)), l10n);
    EXPECT_LE(QFile::encodeName(longName).size(), 255);
    EXPECT_TRUE(longName.startsWith("Holdsheet - éé"));
    EXPECT_TRUE(longName.endsWith("é.pdf"));
}

TEST_F(ExportFolderTest, AnExportLandsInTheRuntimeFolderForItsOwnerOnly) {
    const auto first = exportSheet();
    ASSERT_TRUE(first);
    EXPECT_EQ(*first, runtime() + "/Holdsheet/Holdsheet - Mousepad.pdf");
    EXPECT_EQ(modeOf(runtime() + "/Holdsheet"), 0700u);
    EXPECT_EQ(modeOf(*first) & 0777, 0600u);
    EXPECT_TRUE(contentOf(*first).startsWith("%PDF-"));

    // The next export of the same application replaces it, leaving nothing else, and closes
    // the folder again if it was opened to others.
    writeText(*first, "stale");
    ASSERT_EQ(::chmod(QFile::encodeName(runtime() + "/Holdsheet").constData(), 0777), 0);
    EXPECT_EQ(exportSheet(), first);
    EXPECT_TRUE(contentOf(*first).startsWith("%PDF-"));
    EXPECT_EQ(modeOf(runtime() + "/Holdsheet"), 0700u);
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

TEST_F(ExportFolderTest, ALinkAFileOrAnotherUsersFolderInItsPlaceIsRefused) {
    const QString folder = runtime() + "/Holdsheet";
    const QString decoy = root.filePath("decoy");
    ASSERT_TRUE(QDir().mkdir(decoy));
    struct Case {
        const char* name;
        std::function<bool()> arrange;  // false: cannot be arranged here
    };
    const Case cases[] = {
        {"a link to a folder", [&] { return link(decoy, folder); }},
        {"a dangling link", [&] { return link(root.filePath("gone"), folder); }},
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
