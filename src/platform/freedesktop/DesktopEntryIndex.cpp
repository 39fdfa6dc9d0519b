#include "platform/freedesktop/DesktopEntryIndex.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace holdsheet {

struct DesktopEntryIndex::State : std::enable_shared_from_this<State> {
    Scheduler& scheduler;
    QStringList folders;
    QStringList locales;

    // Main thread only.
    bool reading = false;
    bool readAgain = false;
    std::function<void()> onRead;

    mutable std::mutex mutex;
    std::shared_ptr<const DesktopEntries> entries;  // guarded by `mutex`

    State(Scheduler& s, QStringList f, QStringList l)
        : scheduler(s), folders(std::move(f)), locales(std::move(l)) {}

    // Main thread. One reading at a time; a change during one asks for another after it.
    void read() {
        if (reading) {
            readAgain = true;
            return;
        }
        reading = true;
        auto self = shared_from_this();
        scheduler.detach([self] {
            auto read = std::make_shared<const DesktopEntries>(
                DesktopEntries::read(self->folders, self->locales));
            {
                const std::lock_guard lock(self->mutex);
                self->entries = std::move(read);
            }
            std::weak_ptr<State> state = self;
            self->scheduler.post([state] {
                if (auto alive = state.lock()) {
                    alive->published();
                }
            });
        });
    }

    void published() {
        reading = false;
        if (std::exchange(readAgain, false)) {
            read();
        }
        if (onRead) {
            onRead();
        }
    }
};

DesktopEntryIndex::DesktopEntryIndex(Scheduler& scheduler, QStringList folders, QStringList locales)
    : state_(std::make_shared<State>(scheduler, std::move(folders), std::move(locales))) {
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged,
                     [this] { foldersChanged(); });
    watch();
    state_->read();
}

DesktopEntryIndex::~DesktopEntryIndex() {
    if (quiet_) {
        quiet_->cancel();
    }
}

std::shared_ptr<const DesktopEntries> DesktopEntryIndex::entries() const {
    const std::lock_guard lock(state_->mutex);
    return state_->entries;
}

void DesktopEntryIndex::onRead(std::function<void()> read) {
    state_->onRead = std::move(read);
}

void DesktopEntryIndex::foldersChanged() {
    if (quiet_) {
        quiet_->cancel();
    }
    std::weak_ptr<int> alive = alive_;
    quiet_ = state_->scheduler.after(quietTime, [this, alive](bool cancelled) {
        if (cancelled || !alive.lock()) {
            return;
        }
        quiet_.reset();
        watch();  // folders made since are watched too
        state_->read();
    });
}

// Each folder with its subfolders; a folder that does not exist yet through the nearest
// one above it that does, so that its making is seen.
void DesktopEntryIndex::watch() {
    QStringList paths;
    for (const QString& folder : state_->folders) {
        if (QFileInfo(folder).isDir()) {
            paths << folder;
            QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
            for (int count = 0; it.hasNext() && count < 256; ++count) {
                paths << it.next();
            }
            continue;
        }
        QString above = QDir::cleanPath(folder);
        while (above.count(QLatin1Char('/')) > 1) {
            above = QFileInfo(above).path();
            if (QFileInfo(above).isDir()) {
                paths << above;
                break;
            }
        }
    }
    paths.removeDuplicates();
    const QStringList watched = watcher_.directories();
    for (const QString& path : paths) {
        if (!watched.contains(path)) {
            watcher_.addPath(path);
        }
    }
}

QStringList DesktopEntryIndex::applicationFolders() {
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

}  // namespace holdsheet
