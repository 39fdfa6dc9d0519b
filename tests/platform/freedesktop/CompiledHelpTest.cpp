#include "platform/freedesktop/CompiledHelp.h"
#include "platform/freedesktop/ElfResources.h"
#include "platform/freedesktop/ResourceBundle.h"

#include "MoWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace holdsheet {
namespace {

// "Group: Title=acc acc; Title=acc" per group.
std::string render(const ShortcutsHelp::Reading& reading) {
    std::string out;
    for (const auto& group : reading.groups) {
        out += group.title.toStdString() + ":";
        const char* separator = " ";
        for (const auto& shortcut : group.shortcuts) {
            out += separator + shortcut.title.toStdString() + "=" +
                   shortcut.accelerators.join(' ').toStdString();
            separator = "; ";
        }
        out += "\n";
    }
    return out;
}

const std::string englishHelp =
    "Documents: New tab=<ctrl>t; Redo=<ctrl><shift>z <ctrl>y\n"
    ": Full screen=F11\n"
    "Plugin: Sort lines=F9\n";

// The fixture program, running until the test ends.
class RunningFixture {
  public:
    RunningFixture() {
        process_.start(QStringLiteral(HELP_FIXTURE), {});
        while (process_.waitForReadyRead(30'000) && !process_.canReadLine()) {
        }
        ready_ = process_.readLine().startsWith("ready");
    }
    ~RunningFixture() {
        process_.closeWriteChannel();
        if (!process_.waitForFinished(30'000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
    pid_t pid() const { return ready_ ? static_cast<pid_t>(process_.processId()) : 0; }

  private:
    QProcess process_;
    bool ready_ = false;
};

class CompiledHelpTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(locales_.isValid()); }

    void writeCatalogue(const QString& language, const QString& domain,
                        const std::map<QByteArray, QByteArray>& entries) {
        const QString folder = locales_.path() + "/" + language + "/LC_MESSAGES";
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(folder + "/" + domain + ".mo");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(moFile(entries)), moFile(entries).size());
    }

    CompiledHelp help() {
        return CompiledHelp({{locales_.path()}, QStringLiteral("/proc"), BUNDLE_READER});
    }

    QTemporaryDir locales_;
};

TEST_F(CompiledHelpTest, ReadsTheProgramAndItsOwnLibrary) {
    RunningFixture fixture;
    ASSERT_GT(fixture.pid(), 0);
    auto reader = help();
    const auto reading = reader.read(fixture.pid(), {"en_US", "en"});
    EXPECT_EQ(reading.outcome, ShortcutsHelp::Outcome::read);
    EXPECT_EQ(render(reading), englishHelp);
}

TEST_F(CompiledHelpTest, TranslatesWithTheProgramsDomainAndTheInterfaceDomain) {
    // The program's help names no domain: its program name is the domain. The library's help
    // names its own. A more specific language wins over the plain one.
    writeCatalogue("de", "help-fixture",
                   {{"shortcut window\004Documents", "Dokumente"},
                    {"shortcut window\004New tab", "Neuer Tab"},
                    {"New tab", "wrong context"},
                    {"Full screen", "Vollbild"}});
    writeCatalogue("de_AT", "help-fixture", {{"shortcut window\004New tab", "Neuer Reiter"}});
    writeCatalogue("de", "help-fixture-plugin",
                   {{"shortcut window\004Sort lines", "Zeilen sortieren"}});
    writeCatalogue("fr", "help-fixture", {{"shortcut window\004Documents", "Documents FR"}});
    RunningFixture fixture;
    ASSERT_GT(fixture.pid(), 0);
    auto reader = help();
    EXPECT_EQ(render(reader.read(fixture.pid(), {"de_AT.UTF-8"})),
              "Dokumente: Neuer Reiter=<ctrl>t; Redo=<ctrl><shift>z <ctrl>y\n"
              ": Vollbild=F11\n"
              "Plugin: Zeilen sortieren=F9\n");
    EXPECT_EQ(render(reader.read(fixture.pid(), {"it", "en"})), englishHelp);
}

TEST_F(CompiledHelpTest, OutcomesOfProcessesAndFilesWithoutHelp) {
    auto reader = help();
    // A child that has ended and been reaped: its pid names nothing.
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    ASSERT_GT(child, 0);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    for (const pid_t pid : {pid_t{0}, pid_t{-1}, child}) {
        EXPECT_EQ(reader.read(pid, {"en"}).outcome, ShortcutsHelp::Outcome::unreadable) << pid;
    }
    // This test program has no help of its own, and system libraries are not looked at.
    EXPECT_EQ(reader.read(getpid(), {"en"}).outcome, ShortcutsHelp::Outcome::noHelp);

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString text = folder.path() + "/text";
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GtkShortcutsShortcut, but no ELF file");
    file.close();
    const QString fifo = folder.path() + "/fifo";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const std::pair<QString, ShortcutsHelp::Outcome> files[] = {
        {text, ShortcutsHelp::Outcome::noHelp},
        {fifo, ShortcutsHelp::Outcome::unreadable},  // and it must not block on the fifo
        {folder.path(), ShortcutsHelp::Outcome::unreadable},
        {folder.path() + "/missing", ShortcutsHelp::Outcome::unreadable},
    };
    for (const auto& [path, outcome] : files) {
        EXPECT_EQ(reader.readFiles(path, {fifo}, {"en"}).outcome, outcome) << path.toStdString();
    }
}

TEST_F(CompiledHelpTest, AProgramChangedOnDiskIsReadAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString copy = folder.path() + "/help-fixture";
    ASSERT_TRUE(QFile::copy(QStringLiteral(HELP_FIXTURE), copy));
    auto reader = help();
    EXPECT_EQ(reader.readFiles(copy, {}, {"en"}).outcome, ShortcutsHelp::Outcome::read);
    QFile file(copy);
    ASSERT_TRUE(file.remove());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no longer a program");
    file.close();
    EXPECT_EQ(reader.readFiles(copy, {}, {"en"}).outcome, ShortcutsHelp::Outcome::noHelp);
}

TEST_F(CompiledHelpTest, AFailedReaderIsAskedAgain) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString reader = folder.path() + "/reader";
    CompiledHelp help({{}, QStringLiteral("/proc"), reader});
    EXPECT_EQ(help.readFiles(HELP_FIXTURE, {}, {"en"}).outcome, ShortcutsHelp::Outcome::noHelp);
    ASSERT_TRUE(QFile::link(BUNDLE_READER, reader));
    EXPECT_EQ(help.readFiles(HELP_FIXTURE, {}, {"en"}).outcome, ShortcutsHelp::Outcome::read);
}

TEST(ElfResources, DamagedProgramsLoseTheirHelpWithoutHarm) {
    QFile program(QStringLiteral(HELP_FIXTURE));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QByteArray bytes = program.readAll();
    const auto sections = elfResourceSections(bytes);
    ASSERT_EQ(sections.size(), 1u);
    const auto files = helpFilesInBundle(sections.front());
    ASSERT_EQ(files.size(), 1u);  // not window.ui, not the text file that names the class
    EXPECT_EQ(files.front().path, QByteArray("/org/example/HelpFixture/gtk/help-overlay.ui"));

    // Cut anywhere: never a crash, and a section is only ever whole.
    for (qsizetype length = 0; length < bytes.size(); length += 97) {
        for (const auto& section : elfResourceSections(bytes.left(length))) {
            EXPECT_EQ(section, sections.front()) << "cut at " << length;
        }
    }
}

TEST(BundleReader, ABundleThatCrashesGLibCostsOnlyItsOwnHelp) {
    QFile crashing(QStringLiteral(HELP_FIXTURES "/crashing.gresource"));
    ASSERT_TRUE(crashing.open(QIODevice::ReadOnly));
    QFile program(QStringLiteral(HELP_FIXTURE));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const auto good = elfResourceSections(program.readAll());
    ASSERT_EQ(good.size(), 1u);

    EXPECT_EQ(shortcutsHelpInBundles(good, BUNDLE_READER).size(), 1u);
    EXPECT_TRUE(shortcutsHelpInBundles({crashing.readAll()}, BUNDLE_READER).empty());
    EXPECT_TRUE(shortcutsHelpInBundles(good, "/nonexistent/reader").empty());
    // Many damaged copies in one go: the reader fails or reads a help of the fixture.
    std::vector<QByteArray> damaged;
    for (qsizetype at = 0; at < good.front().size(); at += good.front().size() / 15) {
        QByteArray copy = good.front();
        copy[at] = static_cast<char>(copy[at] ^ 0x5a);
        damaged.push_back(copy);
    }
    for (const auto& help : shortcutsHelpInBundles(damaged, BUNDLE_READER)) {
        EXPECT_LE(help.help.groups.size(), 2u);
    }
}

TEST(BundleReader, FramesRoundTripAndRejectDamage) {
    const std::vector<BundleFile> files{{"/a.ui", "<interface/>"}, {"", ""}, {"/b", "x"}};
    const QByteArray frames = encodeBundleFiles(files);
    const auto decoded = decodeBundleFiles(frames, 3, 100);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->size(), 3u);
    EXPECT_EQ((*decoded)[0].path, QByteArray("/a.ui"));
    EXPECT_EQ((*decoded)[0].data, QByteArray("<interface/>"));
    EXPECT_EQ((*decoded)[2].data, QByteArray("x"));
    EXPECT_TRUE(decodeBundleFiles(QByteArray(), 0, 0));  // no files is a valid answer

    QByteArray huge = frames;
    qToLittleEndian(quint32{0xffffffff}, huge.data());
    const std::pair<const char*, std::optional<std::vector<BundleFile>>> cases[] = {
        {"cut in a length", decodeBundleFiles(frames.left(2), 3, 100)},
        {"cut in a body", decodeBundleFiles(frames.chopped(1), 3, 100)},
        {"path without data", decodeBundleFiles(frames.left(9), 3, 100)},
        {"more files than allowed", decodeBundleFiles(frames, 2, 100)},
        {"a file larger than allowed", decodeBundleFiles(frames, 3, 5)},
        {"a length beyond the frames", decodeBundleFiles(huge, 3, qsizetype{1} << 40)},
    };
    for (const auto& [what, result] : cases) {
        EXPECT_FALSE(result) << what;
    }
}

TEST(ApplicationLibraries, OnlyTheApplicationsOwn) {
    const QByteArray maps =
        "55d0c0000000-55d0c0001000 r--p 00000000 08:01 100 /usr/bin/gedit\n"
        "7f0000000000-7f0000001000 r--p 00000000 08:01 101 "
        "/usr/lib/x86_64-linux-gnu/gedit/libgedit-43.2.so\n"
        "7f0000001000-7f0000002000 r-xp 00001000 08:01 101 "
        "/usr/lib/x86_64-linux-gnu/gedit/libgedit-43.2.so\n"
        "7f0000002000-7f0000003000 r--p 00000000 08:01 102 "
        "/usr/lib/x86_64-linux-gnu/libgtk-3.so.0.2406.32\n"
        "7f0000003000-7f0000004000 r--p 00000000 08:01 103 "
        "/usr/lib/x86_64-linux-gnu/gtk-3.0/modules/libcanberra-gtk-module.so\n"
        "7f0000004000-7f0000005000 r--p 00000000 08:01 104 /opt/Editor App/lib/libeditor.so.1\n"
        "7f0000005000-7f0000006000 r--p 00000000 08:01 105 /home/u/build/libold.so (deleted)\n"
        "7f0000006000-7f0000007000 rw-p 00000000 00:00 0 \n"
        "7f0000007000-7f0000008000 rw-p 00000000 00:00 0 [heap]\n"
        "7f0000008000-7f0000009000 r--p 00000000 08:01 106 /usr/share/locale/de/x.mo\n"
        "7f0000009000-7f000000a000 r--p 00000000 08:01 107 /lib/libgeditlike.so\n"
        "7f000000a000-7f000000b000 r--p 00000000 08:01 108 /usr/lib/../local/libx.so\n"
        "garbage line /usr/lib/x.so\n";
    EXPECT_EQ(applicationLibraries(maps, "gedit"),
              (QStringList{"/usr/lib/x86_64-linux-gnu/gedit/libgedit-43.2.so",
                           "/opt/Editor App/lib/libeditor.so.1", "/lib/libgeditlike.so"}));
    // A short program name matches nothing inside the system's folders.
    EXPECT_EQ(applicationLibraries(maps, "ed"), QStringList{"/opt/Editor App/lib/libeditor.so.1"});

    QByteArray many;
    for (int i = 0; i < 100; ++i) {
        many += "7f0-7f1 r--p 0 08:01 1 /opt/app/lib" + QByteArray::number(i) + ".so\n";
    }
    EXPECT_EQ(applicationLibraries(many, "app").size(), maxApplicationLibraries);
}

TEST(CatalogueLanguages, FollowGettextsFallbacks) {
    const std::pair<QStringList, QStringList> cases[] = {
        {{"de_DE", "de"}, {"de_DE", "de"}},
        {{"de_AT.UTF-8"}, {"de_AT.UTF-8", "de_AT", "de"}},
        {{"sr_RS@latin"}, {"sr_RS@latin", "sr_RS", "sr"}},
        {{"pt-BR", "en"}, {"pt-BR", "pt_BR", "pt", "en"}},
        {{}, {}},
    };
    for (const auto& [languages, expected] : cases) {
        EXPECT_EQ(catalogueLanguages(languages), expected) << languages.join(',').toStdString();
    }
}

TEST(DomainCandidates, ProgramNameFirstThenTheResourcePath) {
    const QStringList editor =
        domainCandidates("gnome-text-editor", "/org/gnome/TextEditor/gtk/help-overlay.ui");
    EXPECT_EQ(editor.first(), QString("gnome-text-editor"));
    EXPECT_TRUE(editor.contains("org.gnome.TextEditor"));
    EXPECT_TRUE(editor.contains("text-editor"));
    EXPECT_FALSE(editor.contains("gtk"));
    EXPECT_EQ(editor.count("gnome-text-editor"), 1);
    // A program renamed by its packager still finds the domain named after the application.
    const QStringList console = domainCandidates("gnome-console", "/org/gnome/Console/ui/help.ui");
    EXPECT_TRUE(console.contains("console"));
    EXPECT_TRUE(console.contains("gnome-console"));
    EXPECT_EQ(domainCandidates("", "/help.ui"), QStringList());
}

}  // namespace
}  // namespace holdsheet
