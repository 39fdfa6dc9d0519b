#include "platform/linux/IniPreferenceStore.h"

#include "platform/linux/FileLock.h"
#include "platform/linux/IniText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSaveFile>
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

}  // namespace

QString IniPreferenceStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Holdsheet/Holdsheet.conf");
}

IniPreferenceStore::IniPreferenceStore(const QString& path) : path_(path) {
    std::lock_guard lock(mutex_);
    load(SettingsFile::read(path_));
}

IniPreferenceStore::~IniPreferenceStore() = default;

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
            const auto before = values_;
            refresh();
            differs = values_ != before;
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
            values_ = IniText::parse(file.content).values;
            break;
        case SettingsFile::State::refused:
            if (!warned_) {
                std::fprintf(stderr,
                             "Holdsheet: settings file %s ignored (%s); running on defaults\n",
                             qPrintable(path_), qPrintable(file.refusal));
                warned_ = true;
            }
            break;  // what this run stored in memory stays
    }
    stamp_ = file.stamp;
}

// Reads again only when the file changed since the last look: cheap enough for every read.
void IniPreferenceStore::refresh() const {
    const auto now = SettingsFile::stampOf(path_);
    if (now && now == stamp_) {
        return;
    }
    if (!now && !stamp_) {
        return;  // still absent or refused
    }
    load(SettingsFile::read(path_));
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

bool IniPreferenceStore::keepAside(const QByteArray& content) {
    QString target = path_ + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(target); ++n) {
        target = path_ + QStringLiteral(".corrupt.%1").arg(n);  // never over an earlier copy
    }
    QFile copy(target);
    // The owner's alone: the settings may be private. NewOnly: a copy made meanwhile stays.
    if (copy.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                  QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        if (copy.write(content) == content.size() && copy.flush()) {
            setAsidePath_ = target;
            return true;
        }
        copy.remove();
    }
    std::fprintf(stderr, "Holdsheet: settings not saved: cannot keep a copy of %s\n",
                 qPrintable(path_));
    return false;
}

bool IniPreferenceStore::write(const QString& key, const std::optional<QVariant>& value) {
    const auto before = values_;
    // Another process may be between its read and its rename: wait for it, so that neither
    // write is lost. Only an existing folder gets a lock file; the first write creates it.
    std::optional<FileLock> lock;
    if (QFileInfo(QFileInfo(path_).absolutePath()).isDir()) {
        lock.emplace(path_ + QStringLiteral(".lock"), std::chrono::seconds(2));
    }
    const SettingsFile file = SettingsFile::read(path_);
    load(file);
    if (file.state == SettingsFile::State::refused) {
        if (value) {
            values_[key] = *value;
        } else {
            values_.erase(key);
        }
        return values_ != before;
    }

    const auto current = values_.find(key);
    const bool unchanged = value
                               ? current != values_.end() && typed(current->second) == typed(*value)
                               : current == values_.end();
    if (unchanged) {
        return values_ != before;
    }
    const bool sound = IniText::parse(file.content).sound;
    if (!sound && !keepAside(file.content)) {
        return values_ != before;
    }
    const QByteArray content = IniText::edit(file.content, key, value, !sound);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile out(path_);  // a reader sees the old text or the new, never half of it
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size() || !out.commit()) {
        std::fprintf(stderr, "Holdsheet: settings not saved to %s: %s\n", qPrintable(path_),
                     qPrintable(out.errorString()));
        return values_ != before;
    }
    values_ = IniText::parse(content).values;
    stamp_ = SettingsFile::stampOf(path_);
    return values_ != before;
}

void IniPreferenceStore::set(const QString& key, const QVariant& value) {
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        changed = write(key, value);
    }
    if (changed) {
        notifyChanged();
    }
}

void IniPreferenceStore::remove(const QString& key) {
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        changed = write(key, std::nullopt);
    }
    if (changed) {
        notifyChanged();
    }
}

std::optional<QStringList> IniPreferenceStore::stringList(const QString& key) const {
    const auto value = object(key);
    if (value && value->metaType() == QMetaType::fromType<QString>()) {
        return QStringList{value->toString()};  // a list of one reads back as plain text
    }
    return PreferenceStore::stringList(key);
}

QString IniPreferenceStore::setAsidePath() const {
    std::lock_guard lock(mutex_);
    return setAsidePath_;
}

}  // namespace holdsheet
