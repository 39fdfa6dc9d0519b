#include "platform/posix/IniPreferenceStore.h"

#include "platform/posix/FileLock.h"
#include "platform/posix/FileWrites.h"
#include "platform/posix/IniText.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStandardPaths>

#include <cstdio>

namespace holdsheet {

namespace {

QVariant typed(const QVariant& value) {
    if (!value.isValid()) {
        return QStringList();  // how an empty list is written
    }
    if (value.metaType() == QMetaType::fromType<QStringList>() ||
        value.metaType() == QMetaType::fromType<bool>()) {
        return value;
    }
    if (value.metaType() == QMetaType::fromType<QString>()) {
        const QString text = value.toString();
        if (text == QLatin1String("true") || text == QLatin1String("false")) {
            return text == QLatin1String("true");
        }
        bool number = false;
        const double parsed = text.toDouble(&number);
        if (number) {
            return parsed;
        }
        return text;
    }
    bool number = false;
    const double parsed = value.toDouble(&number);
    if (number) {
        return parsed;
    }
    return value.toString();
}

void apply(std::map<QString, QVariant>& values, const QString& key,
           const std::optional<QVariant>& value) {
    if (value) {
        values[key] = typed(*value);
    } else {
        values.erase(key);
    }
}

bool holds(const std::map<QString, QVariant>& values, const QString& key,
           const std::optional<QVariant>& value) {
    const auto current = values.find(key);
    return value ? current != values.end() && typed(current->second) == typed(*value)
                 : current == values.end();
}

// Says `line` on standard error unless `failure` is the one told last (`last`): a failure that
// lasts is told once, not at every write.
void sayOnce(QString& last, const QString& failure, const QString& line) {
    if (failure != last) {
        std::fprintf(stderr, "Holdsheet: %s\n", qPrintable(line));
    }
    last = failure;
}

constexpr int maxCopies = 1000;

}  // namespace

QString IniPreferenceStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Holdsheet/Holdsheet.conf");
}

IniPreferenceStore::IniPreferenceStore(const QString& path, std::chrono::milliseconds lockPatience)
    : path_(path), lockPatience_(lockPatience), writer_([this] { writePending(); }) {
    std::lock_guard lock(mutex_);
    load(SettingsFile::read(path_));
}

IniPreferenceStore::~IniPreferenceStore() {
    flush();
}

void IniPreferenceStore::watchForOutsideChanges() {
    if (watcher_) {
        return;
    }
    watcher_ = std::make_unique<QFileSystemWatcher>();
    // The folder tells of a file replaced by a rename (our writes, most editors), the file of
    // one written in place. Until the folder exists, its parent tells when it appears.
    const QString folder = QFileInfo(path_).absolutePath();
    const auto watch = [this, folder] {
        QStringList wanted{QFileInfo(folder).isDir() ? folder : QFileInfo(folder).absolutePath()};
        if (QFileInfo(path_).isFile()) {
            wanted << path_;
        }
        const QStringList watched = watcher_->directories() + watcher_->files();
        for (const QString& path : watched) {
            if (!wanted.contains(path)) {
                watcher_->removePath(path);
            }
        }
        for (const QString& path : wanted) {
            if (!watched.contains(path)) {
                watcher_->addPath(path);  // a replaced file is dropped from the watch: again
            }
        }
    };
    watch();
    const auto changed = [this, watch] {
        watch();
        bool differs = false;
        {
            std::lock_guard lock(mutex_);
            differs = refresh();
        }
        if (differs) {
            notifyChanged();
        }
    };
    QObject::connect(watcher_.get(), &QFileSystemWatcher::directoryChanged, watcher_.get(),
                     changed);
    QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, watcher_.get(), changed);
}

void IniPreferenceStore::load(const SettingsFile& file) const {
    switch (file.state) {
        case SettingsFile::State::absent:
            values_.clear();
            break;
        case SettingsFile::State::read:
            values_.clear();
            for (const auto& [key, value] : IniText::parse(file.content).values) {
                values_[key] = typed(value);
            }
            break;
        case SettingsFile::State::refused:
            if (!warned_) {
                std::fprintf(stderr,
                             "Holdsheet: settings file %s ignored (%s); running on defaults\n",
                             qPrintable(path_), qPrintable(file.refusal));
                warned_ = true;
            }
            stamp_ = file.stamp;
            return;  // what this run stored in memory stays
    }
    for (const Edit& edit : pending_) {
        apply(values_, edit.key, edit.value);  // not in the file yet
    }
    stamp_ = file.stamp;
}

// Reads again only when the file changed since the last look: cheap enough for every read.
bool IniPreferenceStore::refresh() const {
    const auto now = SettingsFile::stampOf(path_);
    if (now && now == stamp_) {
        return false;
    }
    if (!now && !stamp_) {
        return false;  // still absent or refused
    }
    const auto before = values_;
    load(SettingsFile::read(path_));
    return values_ != before;
}

std::optional<QVariant> IniPreferenceStore::object(const QString& key) const {
    std::lock_guard lock(mutex_);
    refresh();
    const auto found = values_.find(key);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return typed(found->second);
}

void IniPreferenceStore::change(const QString& key, const std::optional<QVariant>& value) {
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        changed = refresh();  // another process's write
        if (!holds(values_, key, value)) {
            pending_.push_back({key, value});
            apply(values_, key, value);
            writer_.ask();
            changed = true;
        }
    }
    if (changed) {
        notifyChanged();
    }
}

void IniPreferenceStore::set(const QString& key, const QVariant& value) {
    change(key, value);
}

void IniPreferenceStore::remove(const QString& key) {
    change(key, std::nullopt);
}

bool IniPreferenceStore::flush() {
    {
        std::lock_guard lock(mutex_);
        if (pending_.empty()) {
            return true;
        }
        writer_.ask();  // again, for edits whose write failed
    }
    writer_.finish();
    std::lock_guard lock(mutex_);
    return pending_.empty();
}

void IniPreferenceStore::writePending() {
    // Another process may be between its read and its rename: wait for it, so that neither
    // write is lost. Only an existing folder gets a lock file; the first write creates it.
    const QString folder = QFileInfo(path_).absolutePath();
    std::optional<FileLock> lock;
    if (QFileInfo(folder).isDir()) {
        lock.emplace(path_ + QStringLiteral(".lock"), lockPatience_);
    }
    const SettingsFile file = SettingsFile::read(path_);
    std::vector<Edit> edits;
    {
        std::lock_guard guard(mutex_);
        edits = pending_;
    }
    std::optional<QString> failure;
    bool wrote = false;
    // A refused file is not ours to write: the edits live on in memory alone.
    if (file.state != SettingsFile::State::refused) {
        if (const auto content = edited(file, edits)) {
            QDir().mkpath(folder);
            failure = replaceFileContent(path_, *content);
            wrote = !failure;
        }
    }
    std::lock_guard guard(mutex_);
    if (failure) {
        // The edits wait for the next write; the file holds its old text.
        sayOnce(writeFailure_, *failure, QStringLiteral("settings not saved: %1").arg(*failure));
        return;
    }
    pending_.erase(pending_.begin(), pending_.begin() + std::ptrdiff_t(edits.size()));
    writeFailure_.clear();
    if (wrote && file.stamp == stamp_) {
        // The store had read what was edited: it knows the new file without reading it.
        stamp_ = SettingsFile::stampOf(path_);
    }
}

std::optional<QByteArray> IniPreferenceStore::edited(const SettingsFile& file,
                                                     const std::vector<Edit>& edits) {
    IniText text = IniText::parse(file.content);
    QByteArray content = file.content;
    for (const Edit& edit : edits) {
        if (holds(text.values, edit.key, edit.value)) {
            continue;
        }
        // Lines that are no setting go, once a copy keeps them; without one they stay.
        const bool dropUnsound = !text.sound && keepAside(file.content);
        text.sound = true;
        content = IniText::edit(content, edit.key, edit.value, dropUnsound);
        apply(text.values, edit.key, edit.value);
    }
    if (content == file.content) {
        return std::nullopt;
    }
    return content;
}

bool IniPreferenceStore::keepAside(const QByteArray& content) {
    QString failure = QStringLiteral("no free name");
    for (int n = 0; n <= maxCopies; ++n) {
        const QString target = n == 0 ? path_ + QStringLiteral(".corrupt")
                                      : path_ + QStringLiteral(".corrupt.%1").arg(n);
        // The owner's alone: the settings may be private. Never over an earlier copy, nor
        // through a link left at that name.
        const NewFile copy = writeNewFile(target, content, 0600);
        if (copy.outcome == NewFile::Outcome::exists) {
            continue;
        }
        std::lock_guard lock(mutex_);
        if (copy.outcome == NewFile::Outcome::written) {
            setAsidePath_ = target;
            copyFailure_.clear();
            return true;
        }
        failure = copy.failure;
        break;
    }
    std::lock_guard lock(mutex_);
    sayOnce(copyFailure_, failure,
            QStringLiteral("no copy of %1 kept (%2); its unreadable lines stay in it")
                .arg(path_, failure));
    return false;
}

std::optional<QStringList> IniPreferenceStore::stringList(const QString& key) const {
    const auto value = object(key);
    if (value && value->metaType() == QMetaType::fromType<QString>()) {
        return QStringList{value->toString()};  // a list of one reads back as plain text
    }
    return PreferenceStore::stringList(key);
}

QString IniPreferenceStore::writeFailure() const {
    std::lock_guard lock(mutex_);
    return writeFailure_;
}

QString IniPreferenceStore::setAsidePath() const {
    std::lock_guard lock(mutex_);
    return setAsidePath_;
}

}  // namespace holdsheet
