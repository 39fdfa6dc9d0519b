#include "platform/freedesktop/DesktopBindings.h"

#include "platform/KeyCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace holdsheet {

namespace {

constexpr int firstOwnId = 1000;

}  // namespace

std::optional<ValueTree::Array> hotKeyParameters(const MenuKey& key) {
    qint64 character = 65535;
    qint64 virtualKey = key.virtualKey.value_or(-1);
    if (key.character && key.character->size() == 1) {
        character = key.character->at(0).unicode();
        virtualKey = characterVirtualKey(key.character->at(0));
    } else if (!key.virtualKey) {
        return std::nullopt;
    }
    const auto flags = static_cast<qint64>(flagsOfMenuModifiers(key.modifiers));
    return ValueTree::Array{character, virtualKey, flags};
}

ValueTree hotKeyDictionary(const std::vector<DesktopBinding>& bindings) {
    ValueTree::Dictionary hotKeys;
    QSet<QString> titles;
    int nextId = firstOwnId;
    for (const DesktopBinding& binding : bindings) {
        if (hotKeys.size() >= maximumDesktopBindings) {
            break;
        }
        auto parameters = hotKeyParameters(binding.key);
        if (!parameters) {
            continue;
        }
        ValueTree::Dictionary entry{
            {QStringLiteral("enabled"), true},
            {QStringLiteral("value"),
             ValueTree::Dictionary{{QStringLiteral("parameters"), std::move(*parameters)}}}};
        if (binding.hotKeyId) {
            hotKeys.emplace(QString::number(*binding.hotKeyId), std::move(entry));
            continue;
        }
        const QString title = binding.title.trimmed();
        if (title.isEmpty() || titles.contains(title)) {
            continue;
        }
        titles.insert(title);
        entry.emplace(QStringLiteral("title"), title);
        hotKeys.emplace(QString::number(nextId++), std::move(entry));
    }
    return ValueTree(std::move(hotKeys));
}

std::optional<QByteArray> readBoundedFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // Read one byte past the limit rather than trust the size the file had a moment ago.
    QByteArray content = file.read(limit + 1);
    if (content.size() > limit || file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return content;
}

QStringList configurationCandidates(const QString& relativePath) {
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(home)) {
        home = QDir::homePath() + QStringLiteral("/.config");
    }
    QStringList folders{home};
    QStringList system;
    for (const QString& folder :
         qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder)) {
            system << folder;
        }
    }
    folders << (system.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")} : system);
    QStringList candidates;
    for (const QString& folder : folders) {
        candidates << QDir::cleanPath(folder + QLatin1Char('/') + relativePath);
    }
    return candidates;
}

QString wordsOfIdentifier(const QString& identifier) {
    QString words;
    for (qsizetype i = 0; i < identifier.size(); ++i) {
        const QChar c = identifier.at(i);
        if (c == QLatin1Char('_')) {
            words += QLatin1Char(' ');
        } else if (c.isUpper() && i > 0 && identifier.at(i - 1).isLower()) {
            words += QLatin1Char(' ');
            words += c.toLower();
        } else {
            words += c;
        }
    }
    words = words.simplified();
    if (!words.isEmpty()) {
        words[0] = words.at(0).toUpper();
    }
    return words;
}

}  // namespace holdsheet
