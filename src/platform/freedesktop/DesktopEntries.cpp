#include "platform/freedesktop/DesktopEntries.h"

#include "platform/freedesktop/DesktopBindings.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace holdsheet {

namespace {

constexpr qsizetype maximumValueLength = 256;

// The escapes of the format: \s \n \t \r \\.
QString unescaped(const QByteArray& raw) {
    const QString value = QString::fromUtf8(raw.left(4 * maximumValueLength)).trimmed();
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            text += next == QLatin1Char('s')   ? QChar(' ')
                    : next == QLatin1Char('n') ? QChar(' ')
                    : next == QLatin1Char('t') ? QChar(' ')
                    : next == QLatin1Char('r') ? QChar(' ')
                                               : next;
        } else {
            text += value.at(i);
        }
    }
    return text.simplified().left(maximumValueLength);
}

}  // namespace

std::optional<DesktopEntry> parseDesktopEntry(const QByteArray& text, const QStringList& locales) {
    bool inEntry = false;
    bool seenEntry = false;
    DesktopEntry entry;
    QString type;
    bool hidden = false;
    qsizetype bestLocale = locales.size();  // index of the locale the name is in; size: none
    for (const QByteArray& rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            if (seenEntry) {
                break;  // the group appears once, first; what follows is actions
            }
            inEntry = line == "[Desktop Entry]";
            seenEntry = inEntry;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inEntry || equals <= 0 || line.startsWith('#')) {
            continue;
        }
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = line.mid(equals + 1);
        if (key == "Name") {
            if (bestLocale == locales.size()) {
                entry.name = unescaped(value);
            }
        } else if (key.startsWith("Name[") && key.endsWith(']')) {
            const QString locale = QString::fromUtf8(key.mid(5, key.size() - 6));
            const qsizetype rank = locales.indexOf(locale);
            if (rank >= 0 && rank < bestLocale) {
                const QString name = unescaped(value);
                if (!name.isEmpty()) {
                    entry.name = name;
                    bestLocale = rank;
                }
            }
        } else if (key == "Icon") {
            entry.icon = unescaped(value);
        } else if (key == "StartupWMClass") {
            entry.startupWMClass = unescaped(value);
        } else if (key == "Type") {
            type = unescaped(value);
        } else if (key == "Hidden") {
            hidden = unescaped(value) == u"true";
        }
    }
    if (!seenEntry || hidden || entry.name.isEmpty() ||
        (!type.isEmpty() && type != u"Application")) {
        return std::nullopt;
    }
    return entry;
}

QStringList messageLocales() {
    QByteArray locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qgetenv(variable);
        if (!locale.isEmpty()) {
            break;
        }
    }
    QString text = QString::fromLatin1(locale.left(64));
    QString modifier;
    if (const qsizetype at = text.indexOf(QLatin1Char('@')); at >= 0) {
        modifier = text.mid(at);
        text = text.left(at);
    }
    text = text.section(QLatin1Char('.'), 0, 0);  // the encoding does not count
    const QString language = text.section(QLatin1Char('_'), 0, 0);
    if (language.isEmpty() || language == u"C" || language == u"POSIX") {
        return {};
    }
    QStringList locales;
    for (const QString& candidate : {text + modifier, text, language + modifier, language}) {
        if (!locales.contains(candidate)) {
            locales << candidate;
        }
    }
    return locales;
}

DesktopEntries DesktopEntries::read(const QStringList& folders, const QStringList& locales) {
    DesktopEntries entries;
    int files = 0;
    for (const QString& folder : folders) {
        const QString root = QDir(folder).absolutePath() + QLatin1Char('/');
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext() && files < maximumFiles) {
            const QString path = it.next();
            // The id of "kde4/okular.desktop" is "kde4-okular".
            QString relative = path.mid(root.size());
            if (!path.startsWith(root) || relative.count(QLatin1Char('/')) >= maximumFolderDepth) {
                continue;
            }
            ++files;
            relative.chop(8);
            const QString id = relative.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (entries.byId_.contains(id)) {
                continue;
            }
            const auto text = readBoundedFile(path, maximumFileBytes);
            if (auto entry = text ? parseDesktopEntry(*text, locales) : std::nullopt) {
                entries.add(id, *entry);
            }
        }
    }
    return entries;
}

void DesktopEntries::add(const QString& id, const DesktopEntry& entry) {
    if (id.isEmpty() || byId_.contains(id)) {
        return;
    }
    byId_.insert(id, entry);
    const QString windowClass = entry.startupWMClass.toLower();
    if (!windowClass.isEmpty() && !idOfClass_.contains(windowClass)) {
        idOfClass_.insert(windowClass, id);
    }
    // Reverse-DNS ids only ("org.xfce.mousepad"), not a version ("gimp-2.10").
    if (id.count(QLatin1Char('.')) >= 2) {
        const QString lastPart = id.mid(id.lastIndexOf(QLatin1Char('.')) + 1).toLower();
        if (!lastPart.isEmpty() && !idOfLastPart_.contains(lastPart)) {
            idOfLastPart_.insert(lastPart, id);
        }
    }
}

std::optional<DesktopEntry> DesktopEntries::find(const QString& applicationId,
                                                 const QStringList& windowClasses) const {
    QStringList names{applicationId};
    names << windowClasses;
    for (const QString& windowClass : windowClasses) {
        names << windowClass.toLower();
    }
    for (const QString& name : names) {
        if (name.isEmpty()) {
            continue;
        }
        if (const auto found = byId_.constFind(name); found != byId_.constEnd()) {
            return *found;
        }
    }
    for (const QString& windowClass : windowClasses) {
        if (windowClass.isEmpty()) {
            continue;
        }
        if (const auto id = idOfClass_.constFind(windowClass.toLower());
            id != idOfClass_.constEnd()) {
            return byId_.value(*id);
        }
    }
    for (const QString& name : names) {
        if (const auto id = idOfLastPart_.constFind(name.toLower());
            !name.isEmpty() && id != idOfLastPart_.constEnd()) {
            return byId_.value(*id);
        }
    }
    return std::nullopt;
}

}  // namespace holdsheet
