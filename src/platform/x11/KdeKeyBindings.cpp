#include "platform/x11/KdeKeyBindings.h"

#include <QHash>
#include <QList>

namespace holdsheet {

namespace {

constexpr qsizetype maximumLineLength = 8192;

// KDE's configuration escapes ("\s", "\t", "\\", "\,"); fields of a list are separated by
// commas that are not escaped.
QStringList unescapedFields(const QString& value) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == QLatin1Char(',')) {
            fields << QString();
        } else if (c == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            fields.back() += next == QLatin1Char('s')   ? QChar(' ')
                             : next == QLatin1Char('t') ? QChar('\t')
                             : next == QLatin1Char('n') ? QChar('\n')
                                                        : next;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<int> tableHotKey(const QString& component, const QString& action) {
    static const QHash<QString, int> ids{
        {QStringLiteral("kwin/Show Desktop"), SymbolicHotKey::showDesktop},
        {QStringLiteral("kwin/Switch One Desktop to the Left"), SymbolicHotKey::workspaceLeft},
        {QStringLiteral("kwin/Switch One Desktop to the Right"), SymbolicHotKey::workspaceRight},
        {QStringLiteral("kwin/Overview"), SymbolicHotKey::overview},
        {QStringLiteral("kwin/ExposeClass"), SymbolicHotKey::applicationWindows},
        {QStringLiteral("org.kde.krunner.desktop/_launch"), SymbolicHotKey::search},
        {QStringLiteral("KDE Keyboard Layout Switcher/Switch to Next Keyboard Layout"),
         SymbolicHotKey::nextInputSource},
        {QStringLiteral("org.kde.spectacle.desktop/FullScreenScreenShot"),
         SymbolicHotKey::screenshotScreenFile},
        {QStringLiteral("org.kde.spectacle.desktop/RectangularRegionScreenShot"),
         SymbolicHotKey::screenshotAreaFile},
        {QStringLiteral("org.kde.spectacle.desktop/_launch"), SymbolicHotKey::screenshotOptions},
    };
    const auto found = ids.constFind(component + QLatin1Char('/') + action);
    return found == ids.constEnd() ? std::nullopt : std::optional<int>(*found);
}

// "org.kde.konsole.desktop" → "konsole".
QString applicationOfId(QString id) {
    if (id.endsWith(QLatin1String(".desktop"))) {
        id.chop(8);
    }
    return id.section(QLatin1Char('.'), -1);
}

std::optional<MenuKey> firstKey(const QString& shortcuts) {
    for (const QString& shortcut : shortcuts.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
        const QString text = shortcut.trimmed();
        if (text.isEmpty() || text == u"none" || text.size() > maximumKeyTextLength) {
            continue;
        }
        if (auto key = parseKeyBinding(text, Toolkit::qt, QString())) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<DesktopBinding> kdeKeyBindings(const QByteArray& text) {
    std::vector<DesktopBinding> bindings;
    QString component;
    for (const QByteArray& rawLine : text.split('\n')) {
        if (bindings.size() >= maximumDesktopBindings) {
            break;
        }
        if (rawLine.size() > maximumLineLength) {
            continue;
        }
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            // "[kwin]", or "[services][org.kde.konsole.desktop]": the last name counts.
            component = line.section(QLatin1Char('['), -1).section(QLatin1Char(']'), 0, 0);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        // "[$Version]" and the like hold the file's own bookkeeping.
        if (equals <= 0 || component.isEmpty() || component.startsWith(QLatin1Char('$'))) {
            continue;
        }
        QString action = line.left(equals).trimmed();
        if (const qsizetype option = action.indexOf(QLatin1String("[$")); option > 0) {
            action = action.left(option);  // "[$d]" and the like
        }
        if (action.startsWith(QLatin1String("_k_"))) {
            continue;
        }
        const QStringList fields = unescapedFields(line.mid(equals + 1));
        const auto key = firstKey(fields.front());
        if (!key) {
            continue;
        }
        DesktopBinding binding;
        binding.key = *key;
        binding.hotKeyId = tableHotKey(component, action);
        if (fields.size() >= 3 && !fields.at(2).trimmed().isEmpty()) {
            binding.title = fields.at(2);
        } else if (action == u"_launch") {
            binding.title = applicationOfId(component);
        } else {
            binding.title = action;
        }
        binding.title = binding.title.simplified();
        bindings.push_back(std::move(binding));
    }
    return bindings;
}

}  // namespace holdsheet
