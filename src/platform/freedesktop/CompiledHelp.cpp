#include "platform/freedesktop/CompiledHelp.h"

#include "platform/FileDescriptor.h"
#include "platform/freedesktop/ElfResources.h"
#include "platform/freedesktop/MoCatalogue.h"
#include "platform/freedesktop/ResourceBundle.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace holdsheet {

namespace {

constexpr qint64 maxMapsBytes = 4 << 20;
constexpr size_t maxCachedReadings = 16;
constexpr qsizetype minProgramNameForMatch = 3;  // "sh" would match half the system

const QStringList& systemLibraryFolders() {
    static const QStringList folders{QStringLiteral("/lib/"),       QStringLiteral("/lib32/"),
                                     QStringLiteral("/lib64/"),     QStringLiteral("/libx32/"),
                                     QStringLiteral("/usr/lib/"),   QStringLiteral("/usr/lib32/"),
                                     QStringLiteral("/usr/lib64/"), QStringLiteral("/usr/libx32/")};
    return folders;
}

bool sharedObject(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".so")) || fileName.contains(QStringLiteral(".so."));
}

// Opens a regular file for reading without ever opening anything else in its place: a
// fifo would block, a device could act on being opened.
FileDescriptor openRegular(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    FileDescriptor handle(::open(name.constData(), O_PATH | O_CLOEXEC));
    struct stat status;
    if (!handle.valid() || fstat(handle.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return {};
    }
    const QByteArray reopen = "/proc/self/fd/" + QByteArray::number(handle.get());
    return FileDescriptor(::open(reopen.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
}

QString fileIdentity(int fd) {
    struct stat status;
    if (fstat(fd, &status) != 0) {
        return {};
    }
    return QStringLiteral("%1:%2:%3.%4:%5")
        .arg(status.st_dev)
        .arg(status.st_ino)
        .arg(status.st_mtim.tv_sec)
        .arg(status.st_mtim.tv_nsec)
        .arg(status.st_size);
}

QString programName(const QString& path) {
    QString name = QFileInfo(path).fileName();
    // A program replaced on disk while running keeps this mark in its link.
    name.remove(QStringLiteral(" (deleted)"));
    return name;
}

bool sameGroup(const HelpGroup& a, const HelpGroup& b) {
    if (a.title != b.title || a.shortcuts.size() != b.shortcuts.size()) {
        return false;
    }
    for (size_t i = 0; i < a.shortcuts.size(); ++i) {
        if (a.shortcuts[i].title != b.shortcuts[i].title ||
            a.shortcuts[i].accelerators != b.shortcuts[i].accelerators) {
            return false;
        }
    }
    return true;
}

}  // namespace

struct CompiledHelp::Opened {
    QString programName;
    std::vector<FileDescriptor> files;  // the program first
};

CompiledHelp::CompiledHelp(Places places) : places_(std::move(places)) {}

ShortcutsHelp::Reading CompiledHelp::read(pid_t pid, const QStringList& languages) {
    if (pid <= 0) {
        return {Outcome::unreadable, {}};
    }
    const QString process = places_.proc + QLatin1Char('/') + QString::number(pid);
    Opened opened;
    // Opening the link opens the running program itself, even when its path is gone; it
    // fails for a process of another user.
    FileDescriptor program(::open(QFile::encodeName(process + QStringLiteral("/exe")).constData(),
                                  O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!program.valid()) {
        return {Outcome::unreadable, {}};
    }
    opened.programName = programName(QFile::symLinkTarget(process + QStringLiteral("/exe")));
    opened.files.push_back(std::move(program));

    QFile maps(process + QStringLiteral("/maps"));
    if (maps.open(QIODevice::ReadOnly)) {
        // Paths as the process sees them: through its root, for an application in a sandbox.
        for (const auto& library :
             applicationLibraries(maps.read(maxMapsBytes), opened.programName)) {
            FileDescriptor file = openRegular(process + QStringLiteral("/root") + library);
            if (file.valid()) {
                opened.files.push_back(std::move(file));
            }
        }
    }
    return readOpened(opened, languages);
}

ShortcutsHelp::Reading CompiledHelp::readFiles(const QString& program, const QStringList& libraries,
                                               const QStringList& languages) {
    Opened opened{programName(program), {}};
    opened.files.push_back(openRegular(program));
    if (!opened.files.front().valid()) {
        return {Outcome::unreadable, {}};
    }
    for (const auto& library : libraries) {
        FileDescriptor file = openRegular(library);
        if (file.valid()) {
            opened.files.push_back(std::move(file));
        }
    }
    return readOpened(opened, languages);
}

ShortcutsHelp::Reading CompiledHelp::readOpened(const Opened& opened,
                                                const QStringList& languages) {
    QString key = languages.join(QLatin1Char(','));
    for (const auto& file : opened.files) {
        key += QLatin1Char('|') + fileIdentity(file.get());
    }
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = cache_.find(key); found != cache_.end()) {
            return found->second;
        }
    }

    std::vector<QByteArray> bundles;
    for (const auto& file : opened.files) {
        for (auto& section : elfResourceSections(file.get())) {
            bundles.push_back(std::move(section));
        }
    }
    const std::vector<BundleHelp> helps = shortcutsHelpInBundles(bundles, places_.bundleReader);

    const QStringList tried = catalogueLanguages(languages);
    std::map<QString, std::optional<MoCatalogue>> catalogues;  // by file
    const auto catalogue = [&](const QString& language,
                               const QString& domain) -> const MoCatalogue* {
        for (const auto& root : places_.localeRoots) {
            const QString path = catalogueFile(root, language, domain);
            if (path.isEmpty()) {
                continue;
            }
            auto [entry, added] = catalogues.try_emplace(path);
            if (added) {
                entry->second = MoCatalogue::load(path);
            }
            if (entry->second) {
                return &*entry->second;
            }
        }
        return nullptr;
    };
    const auto domainFor = [&](const BundleHelp& help) {
        QStringList candidates = domainCandidates(opened.programName, help.path);
        if (!help.help.domain.isEmpty()) {
            candidates.prepend(help.help.domain);
        }
        for (const auto& domain : candidates) {
            for (const auto& language : tried) {
                if (catalogue(language, domain)) {
                    return domain;
                }
            }
        }
        return QString();
    };

    Reading reading;
    for (const auto& help : helps) {
        const QString domain = domainFor(help);
        const HelpTranslator translate = [&](const QString& context, const QString& msgid) {
            for (const auto& language : tried) {
                if (const MoCatalogue* found =
                        domain.isEmpty() ? nullptr : catalogue(language, domain)) {
                    QString text = found->translate(context, msgid);
                    if (!text.isEmpty()) {
                        return text;
                    }
                }
            }
            return QString();
        };
        for (auto& group : translatedHelp(help.help, translate)) {
            const bool seen =
                std::any_of(reading.groups.begin(), reading.groups.end(),
                            [&](const HelpGroup& kept) { return sameGroup(kept, group); });
            if (!seen && reading.groups.size() < static_cast<size_t>(help_limits::groups)) {
                reading.groups.push_back(std::move(group));
            }
        }
    }
    reading.outcome = reading.groups.empty() ? Outcome::noHelp : Outcome::read;

    if (reading.outcome != Outcome::read && !bundles.empty()) {
        return reading;  // the bundle reader may have failed for now: ask it again next time
    }
    const std::lock_guard lock(mutex_);
    if (cache_.size() >= maxCachedReadings) {
        cache_.clear();
    }
    cache_.emplace(key, reading);
    return reading;
}

QString installedBundleReader() {
    const QString name = QStringLiteral("/holdsheet-bundle-reader");
    const QString beside =
        QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path() + name;
    if (QFileInfo(beside).isExecutable()) {
        return beside;
    }
    return QStringLiteral(HOLDSHEET_LIBEXEC_DIR) + name;
}

QStringList applicationLibraries(const QByteArray& maps, const QString& program) {
    QStringList libraries;
    const QString programLower = program.toLower();
    const bool matchByName = programLower.size() >= minProgramNameForMatch;
    for (const QByteArray& line : maps.split('\n')) {
        // address perms offset device inode path; the path may hold spaces.
        const qsizetype slash = line.indexOf('/');
        if (slash < 0 || line.left(slash).simplified().split(' ').size() != 5) {
            continue;
        }
        const QString path = QString::fromUtf8(line.mid(slash));
        if (path.endsWith(QStringLiteral(" (deleted)")) || libraries.contains(path)) {
            continue;
        }
        const QString fileName = QFileInfo(path).fileName();
        if (!sharedObject(fileName) || path.contains(QStringLiteral("/../"))) {
            continue;
        }
        bool own = true;
        for (const auto& folder : systemLibraryFolders()) {
            if (path.startsWith(folder)) {
                // Inside the system's folders only what is named after the program.
                const QString below = path.mid(folder.size()).toLower();
                own = matchByName && below.contains(programLower);
                break;
            }
        }
        if (own) {
            libraries.append(path);
            if (libraries.size() >= maxApplicationLibraries) {
                break;
            }
        }
    }
    return libraries;
}

QStringList catalogueLanguages(const QStringList& languages) {
    QStringList tried;
    const auto add = [&](const QString& language) {
        if (!language.isEmpty() && !tried.contains(language)) {
            tried.append(language);
        }
    };
    for (const auto& language : languages) {
        add(language);
        QString plain = language.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
        plain.replace(QLatin1Char('-'), QLatin1Char('_'));  // "de-DE" as Qt may spell it
        add(plain);
        add(plain.section(QLatin1Char('_'), 0, 0));
    }
    return tried;
}

QStringList domainCandidates(const QString& program, const QString& resourcePath) {
    QStringList candidates;
    const auto add = [&](const QString& domain) {
        if (!domain.isEmpty() && !candidates.contains(domain)) {
            candidates.append(domain);
        }
    };
    add(program);
    // "/org/gnome/TextEditor/gtk/help-overlay.ui": the application id, and its last word as
    // a file name ("texteditor", "text-editor", "gnome-text-editor").
    static const QSet<QString> generic{QStringLiteral("org"),   QStringLiteral("com"),
                                       QStringLiteral("net"),   QStringLiteral("io"),
                                       QStringLiteral("gtk"),   QStringLiteral("ui"),
                                       QStringLiteral("gnome"), QStringLiteral("resources")};
    QStringList folders = resourcePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (!folders.isEmpty()) {
        folders.removeLast();
    }
    QStringList idParts;
    for (const auto& folder : folders) {
        if (folder == u"gtk" || folder == u"ui") {
            break;
        }
        idParts.append(folder);
    }
    if (idParts.size() > 1) {
        add(idParts.join(QLatin1Char('.')));
    }
    const bool gnome = folders.contains(QStringLiteral("gnome"), Qt::CaseInsensitive);
    for (auto folder = folders.crbegin(); folder != folders.crend(); ++folder) {
        if (generic.contains(folder->toLower())) {
            continue;
        }
        QString kebab;
        for (qsizetype i = 0; i < folder->size(); ++i) {
            const QChar c = folder->at(i);
            if (i > 0 && c.isUpper() && !folder->at(i - 1).isUpper()) {
                kebab += QLatin1Char('-');
            }
            kebab += c.toLower();
        }
        add(folder->toLower());
        add(kebab);
        if (gnome) {
            add(QStringLiteral("gnome-") + kebab);
        }
    }
    return candidates;
}

}  // namespace holdsheet
