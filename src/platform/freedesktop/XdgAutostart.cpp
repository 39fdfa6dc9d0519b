#include "platform/freedesktop/XdgAutostart.h"

#include "platform/posix/FileWrites.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace holdsheet {

namespace {

QString configHome() {
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    const QString set = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(set) ? set : QDir::homePath() + QStringLiteral("/.config");
}

// Whether an entry's [Desktop Entry] group says Hidden=true.
bool hidden(QFile& file) {
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inEntry && equals > 0 && line.left(equals).trimmed() == QLatin1String("Hidden")) {
            return line.mid(equals + 1).trimmed() == QLatin1String("true");
        }
    }
    return false;
}

}  // namespace

XdgAutostart::XdgAutostart(QString program) : program_(std::move(program)) {}

QString XdgAutostart::entryPath() {
    return configHome() + QStringLiteral("/autostart/") + entryName;
}

std::optional<QString> XdgAutostart::execArgument(const QString& program) {
    if (program.isEmpty() || program.contains(QLatin1Char('\n')) ||
        program.contains(QLatin1Char('\r'))) {
        return std::nullopt;  // a desktop entry's value is one line
    }
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : program) {
        quote = quote || reserved.contains(c);
    }
    QString argument;
    for (const QChar c : program) {
        if (c == QLatin1Char('%')) {
            argument += QStringLiteral("%%");  // not a field code
        } else if (quote && QStringLiteral("\"`$\\").contains(c)) {
            argument += QLatin1Char('\\') + QString(c);
        } else {
            argument += c;
        }
    }
    if (quote) {
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    // The value is a string too, whose escapes are undone before the quoting is.
    argument.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return argument;
}

bool XdgAutostart::enabled() const {
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    return !hidden(file);
}

std::optional<QString> XdgAutostart::enable() {
    const QString program = program_.isEmpty() ? QCoreApplication::applicationFilePath() : program_;
    const auto exec = execArgument(program);
    if (!exec) {
        return QStringLiteral("the program's path cannot be written in an autostart entry: %1")
            .arg(program);
    }
    const QString path = entryPath();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return QStringLiteral("cannot create the folder %1").arg(folder);
    }
    const QString entry = QStringLiteral(
                              "[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=Holdsheet\n"
                              "Comment=Shows the keyboard shortcuts of the app you are using\n"
                              "Exec=%1\n"
                              "Icon=org.holdsheet.Holdsheet\n"
                              "Terminal=false\n"
                              "X-GNOME-Autostart-enabled=true\n")
                              .arg(*exec);
    // An entry there already (switched off by the desktop, say) stays whole if this fails.
    return replaceFileContent(path, entry.toUtf8());
}

std::optional<QString> XdgAutostart::disable() {
    const QString path = entryPath();
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink()) {
        return std::nullopt;
    }
    if (!file.remove()) {
        return QStringLiteral("cannot remove %1: %2").arg(path, file.errorString());
    }
    return std::nullopt;
}

}  // namespace holdsheet
