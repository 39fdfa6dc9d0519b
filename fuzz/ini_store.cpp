// Input: the text of a configuration file. Every key it names and every key the program
// reads are read back, then a write and a removal go through (which sets an unparseable
// file aside first).
#include "platform/posix/IniPreferenceStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

using namespace holdsheet;

namespace {

std::unique_ptr<QCoreApplication> application;
std::unique_ptr<QTemporaryDir> directory;
qint64 runs = 0;

QStringList keysNamedIn(const QByteArray& text) {
    QStringList keys{"closeOnRelease", "excludedApps", "glassAmount",     "hadAccessibilityAccess",
                     "hasOnboarded",   "holdKey",      "holdLevel",       "language",
                     "material",       "showDisabled", "showMenuBarIcon", "showSystemShortcuts",
                     "textSize",       "theme"};
    QString section;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0) {
            const QString key = line.left(equals).trimmed();
            keys.append(section.isEmpty() || section == QLatin1String("General")
                            ? key
                            : section + QLatin1Char('/') + key);
        }
    }
    return keys;
}

}  // namespace

// A value "@Variant(...)" is decoded by Qt, uninstrumented, which reserves what a count or
// length in the file says (gigabytes, untouched) and copes when that fails. Under the
// sanitizer such a reservation costs real memory, so large ones fail here, as they may in use.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=512";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    application = std::make_unique<QCoreApplication>(*argc, *argv);
    // Every write ends in an fsync: in memory when the system offers it, else far slower.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    directory = std::make_unique<QTemporaryDir>(base + QStringLiteral("/holdsheet-fuzz-XXXXXX"));
    // Gone before the exit handlers registered earlier, which Qt's own statics outlive.
    std::atexit([] {
        directory.reset();
        application.reset();
    });
    return directory->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The settings layer caches files by path, size and time stamp, and runs are faster than
    // the clock: each run's file gets a time stamp of its own.
    const QString runDirectory = directory->filePath(QStringLiteral("run"));
    QDir().mkpath(runDirectory);
    const QString path = runDirectory + QLatin1String("/Holdsheet.conf");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() ||
            !file.setFileTime(QDateTime::fromMSecsSinceEpoch(++runs, Qt::UTC),
                              QFileDevice::FileModificationTime)) {
            std::abort();
        }
    }
    {
        IniPreferenceStore store(path);
        for (const QString& key : keysNamedIn(text)) {
            store.object(key);
            store.stringList(key);
        }
        store.set(QStringLiteral("theme"), QStringLiteral("dark"));
        store.set(QStringLiteral("excludedApps"), QStringList{"a", "b,c"});
        store.remove(QStringLiteral("holdLevel"));
        if (store.string(QStringLiteral("theme")) != QStringLiteral("dark")) {
            std::abort();  // a value just written reads back
        }
    }
    QDir(runDirectory).removeRecursively();
    return 0;
}
