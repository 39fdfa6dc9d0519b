// Times reading the shortcuts help compiled into a program: cold (its file and catalogues
// dropped from the page cache first), uncached (a new reader, files in the page cache) and
// cached (the same reader again).
// Usage: holdsheet_help_read_bench RUNS LANGUAGE PROGRAM [PROGRAM...]
// prints "PROGRAM groups N shortcuts M cold_ms A uncached_ms B cached_ms C" (medians); with
// RUNS 0, the help itself, a line a shortcut (PROGRAM may then be a process id).
#include "platform/freedesktop/CompiledHelp.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

holdsheet::CompiledHelp::Places places() {
    holdsheet::CompiledHelp::Places places;
    places.bundleReader = QStringLiteral(BUNDLE_READER);
    return places;
}

// Asks the kernel to forget the file's cached pages; it may keep pages others have mapped.
void forget(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

double milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void show(const QString& program, const holdsheet::ShortcutsHelp::Reading& reading) {
    std::printf("%s outcome %d\n", qPrintable(program), static_cast<int>(reading.outcome));
    for (const auto& group : reading.groups) {
        std::printf("[%s]\n", qPrintable(group.title));
        for (const auto& shortcut : group.shortcuts) {
            std::printf("  %s\t%s\n", qPrintable(shortcut.title),
                        qPrintable(shortcut.accelerators.join(QLatin1Char(' '))));
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS LANGUAGE PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(0, std::atoi(argv[1]));
    const QStringList languages{QString::fromLocal8Bit(argv[2])};
    for (int a = 3; a < argc; ++a) {
        const QString program = QString::fromLocal8Bit(argv[a]);
        if (runs == 0) {
            // A number is a running process, read with its own libraries.
            bool isPid = false;
            const pid_t pid = program.toInt(&isPid);
            show(program,
                 isPid ? holdsheet::CompiledHelp(places()).read(pid, languages)
                       : holdsheet::CompiledHelp(places()).readFiles(program, {}, languages));
            continue;
        }
        QStringList catalogues;
        QDirIterator found(QStringLiteral("/usr/share/locale"),
                           {QFileInfo(program).fileName() + QStringLiteral(".mo")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (found.hasNext()) {
            catalogues.append(found.next());
        }
        std::vector<double> cold, uncached, cached;
        holdsheet::ShortcutsHelp::Reading reading;
        for (int run = 0; run < runs; ++run) {
            forget(program);
            for (const auto& catalogue : catalogues) {
                forget(catalogue);
            }
            cold.push_back(milliseconds([&] {
                reading = holdsheet::CompiledHelp(places()).readFiles(program, {}, languages);
            }));
            holdsheet::CompiledHelp reader(places());
            uncached.push_back(
                milliseconds([&] { reading = reader.readFiles(program, {}, languages); }));
            cached.push_back(
                milliseconds([&] { reading = reader.readFiles(program, {}, languages); }));
        }
        size_t shortcuts = 0;
        for (const auto& group : reading.groups) {
            shortcuts += group.shortcuts.size();
        }
        std::printf("%s groups %zu shortcuts %zu cold_ms %.2f uncached_ms %.2f cached_ms %.2f\n",
                    qPrintable(program), reading.groups.size(), shortcuts, median(cold),
                    median(uncached), median(cached));
    }
    return 0;
}
