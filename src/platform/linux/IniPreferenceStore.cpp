#include "platform/linux/IniPreferenceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <cstdio>

namespace holdsheet {

namespace {

// Whether QSettings reads the whole file: it skips lines it cannot parse without saying so,
// and would then write the file back without them.
bool parsesWhole(const QByteArray& content) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(content);
    if (decoder.hasError()) {
        return false;
    }
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const bool section = line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
        const bool comment = line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
        if (!line.isEmpty() && !section && !comment && !line.contains(QLatin1Char('='))) {
            return false;
        }
    }
    return true;
}

QVariant typed(const QVariant& value) {
    if (!value.isValid()) {
        return QStringList();  // how QSettings writes an empty list
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
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        mustSetAside_ = !parsesWhole(file.readAll());
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    mustSetAside_ = mustSetAside_ || settings_->status() == QSettings::FormatError;
}

IniPreferenceStore::~IniPreferenceStore() = default;

std::optional<QVariant> IniPreferenceStore::object(const QString& key) const {
    std::lock_guard lock(mutex_);
    if (!settings_->contains(key)) {
        return std::nullopt;
    }
    return typed(settings_->value(key));
}

bool IniPreferenceStore::prepareWrite() {
    if (!mustSetAside_) {
        return true;
    }
    QString target = path_ + QStringLiteral(".corrupt");
    for (int n = 1; QFileInfo::exists(target); ++n) {
        target = path_ + QStringLiteral(".corrupt.%1").arg(n);  // never over an earlier copy
    }
    if (!QFile::copy(path_, target)) {
        std::fprintf(stderr, "Holdsheet: settings not saved: cannot keep a copy of %s\n",
                     qPrintable(path_));
        return false;
    }
    setAsidePath_ = target;
    mustSetAside_ = false;
    return true;
}

void IniPreferenceStore::set(const QString& key, const QVariant& value) {
    {
        std::lock_guard lock(mutex_);
        if (!prepareWrite()) {
            return;
        }
        QDir().mkpath(QFileInfo(path_).absolutePath());
        settings_->setValue(key, value);
        settings_->sync();
    }
    notifyChanged();
}

void IniPreferenceStore::remove(const QString& key) {
    {
        std::lock_guard lock(mutex_);
        if (!prepareWrite()) {
            return;
        }
        settings_->remove(key);
        settings_->sync();
    }
    notifyChanged();
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
