#include "app/DumpCommand.h"

#include "app/Deadline.h"
#include "app/DumpFormat.h"
#include "app/PreferenceOverrides.h"
#include "harvest/AccessibilityReaders.h"
#include "harvest/SheetLoader.h"
#include "platform/linux/ActiveWindow.h"
#include "platform/linux/AtspiAccessibility.h"
#include "platform/linux/GnomeHotKeys.h"
#include "platform/linux/IniPreferenceStore.h"
#include "platform/linux/QtScheduler.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"

#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <optional>
#include <variant>

namespace holdsheet {

const char* const dumpUsage =
    "Usage: holdsheet dump [--pid PID] [--format text|json] [--filter TEXT]\n"
    "                      [--include-disabled | --exclude-disabled] [--system | --no-system]\n"
    "                      [--timeout SECONDS]\n"
    "\n"
    "Prints the keyboard shortcuts of an application's menus, then the desktop's own\n"
    "shortcuts. Without --pid, the application that owns the active window. Disabled\n"
    "menu items and the desktop's shortcuts are listed as the settings say, unless a\n"
    "flag decides. --filter prints the sheet narrowed as the panel's search would.\n"
    "--timeout bounds the whole run (10 seconds unless given).\n"
    "\n"
    "Exit status: 0 when the sheet was read; 2 for wrong options; 3 without an\n"
    "accessibility bus; 4 when accessibility is off; 5 when the application is not on the\n"
    "bus; 6 when it did not answer in time (the part read before is still printed); 7 when\n"
    "the whole run took longer than --timeout.\n";

namespace {

enum Exit {
    ok = 0,
    usageError = 2,
    noBus = 3,
    disabled = 4,
    noApplication = 5,
    notResponding = 6,
    pastDeadline = 7
};

struct Options {
    std::optional<pid_t> pid;
    bool json = false;
    std::optional<bool> includeDisabled;
    std::optional<bool> includeSystem;
    QString filter;
    double timeoutSeconds = 10;
    bool help = false;
};

int fail(int code, const QString& message) {
    QTextStream(stderr) << "holdsheet dump: " << message << "\n";
    return code;
}

// Parses the arguments after "dump"; an error message when they are wrong.
std::variant<Options, QString> parse(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == u"--pid") {
            const auto text = value();
            bool valid = false;
            const int pid = text ? text->toInt(&valid) : 0;
            if (!valid || pid <= 0) {
                return QStringLiteral("--pid needs a process id (a positive number)");
            }
            options.pid = pid;
        } else if (argument == u"--format") {
            const auto text = value();
            if (text != u"text" && text != u"json") {
                return QStringLiteral("--format takes text or json");
            }
            options.json = text == u"json";
        } else if (argument == u"--include-disabled" || argument == u"--exclude-disabled") {
            const bool include = argument == u"--include-disabled";
            if (options.includeDisabled && *options.includeDisabled != include) {
                return QStringLiteral(
                    "--include-disabled and --exclude-disabled exclude each other");
            }
            options.includeDisabled = include;
        } else if (argument == u"--system" || argument == u"--no-system") {
            const bool include = argument == u"--system";
            if (options.includeSystem && *options.includeSystem != include) {
                return QStringLiteral("--system and --no-system exclude each other");
            }
            options.includeSystem = include;
        } else if (argument == u"--help" || argument == u"-h") {
            options.help = true;
        } else if (argument == u"--timeout") {
            const auto text = value();
            bool valid = false;
            const double seconds = text ? text->toDouble(&valid) : 0;
            if (!valid || !(seconds > 0 && seconds <= 86400)) {
                return QStringLiteral(
                    "--timeout needs a number of seconds (above 0, at most "
                    "86400)");
            }
            options.timeoutSeconds = seconds;
        } else if (argument == u"--filter") {
            const auto text = value();
            if (!text) {
                return QStringLiteral("--filter needs a text");
            }
            options.filter = *text;
        } else {
            return QStringLiteral("unknown option '%1'").arg(argument);
        }
    }
    return options;
}

QString processName(pid_t pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

}  // namespace

int runDump(const QStringList& arguments) {
    const auto parsed = parse(arguments);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        QTextStream(stderr) << "holdsheet dump: " << *error << "\n\n" << dumpUsage;
        return usageError;
    }
    const Options options = std::get<Options>(parsed);
    if (options.help) {
        QTextStream(stdout) << dumpUsage;
        return ok;
    }
    const Deadline deadline(
        std::chrono::milliseconds(static_cast<qint64>(options.timeoutSeconds * 1000)), pastDeadline,
        QStringLiteral("holdsheet dump: no sheet within %1 s (see --timeout)\n")
            .arg(options.timeoutSeconds)
            .toLocal8Bit());

    AtspiAccessibility ax;
    switch (ax.status()) {
        case AtspiAccessibility::Status::noBus:
            return fail(noBus, QStringLiteral("no accessibility bus (is at-spi2-core running?)"));
        case AtspiAccessibility::Status::disabled:
            return fail(disabled,
                        QStringLiteral("accessibility is not enabled on this desktop; turn it on "
                                       "(org.a11y.Status IsEnabled) and restart the application"));
        case AtspiAccessibility::Status::ready:
            break;
    }
    std::optional<pid_t> pid = options.pid;
    if (!pid) {
        pid = activeWindowPid();
        if (!pid) {
            return fail(noApplication, QStringLiteral("no active window; name one with --pid"));
        }
    }
    if (!ax.hasApplication(*pid)) {
        return fail(
            noApplication,
            QStringLiteral("no application with pid %1 on the accessibility bus").arg(*pid));
    }

    IniPreferenceStore stored;
    PreferenceOverrides prefs(stored);
    if (options.includeDisabled) {
        prefs.override(Preferences::Key::showDisabled, *options.includeDisabled);
    }
    if (options.includeSystem) {
        prefs.override(Preferences::Key::showSystemShortcuts, *options.includeSystem);
    }
    // The same loader the panel uses: settings and trust read in the background, the
    // menus read on a detached task, the result back on this (main) thread.
    QtScheduler scheduler;
    GnomeHotKeys hotKeys;
    const Localization localization(prefs);
    SheetLoader loader(scheduler, ax, prefs, hotKeys, localization);
    ShortcutSheet sheet;
    QEventLoop loop;
    loader.loadGroups(*pid, [&](ShortcutSheet loaded) {
        sheet = std::move(loaded);
        loop.quit();
    });
    loop.exec();
    const bool answered =
        !sheet.groups.empty() && sheet.groups.front().items.front().action.menuBox();
    if (!options.filter.isEmpty()) {
        sheet.groups = filterGroups(options.filter, sheet.groups);
    }

    if (options.json) {
        // Ask a silent application nothing more: its process name will do.
        DumpedApplication application{*pid, QString()};
        if (answered && !sheet.notResponding) {
            application.name =
                stringAttribute(ax, ax.createApplication(*pid), QStringLiteral("AXTitle"))
                    .value_or(QString());
        }
        if (application.name.isEmpty()) {
            application.name = processName(*pid);
        }
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) {
            return fail(usageError, QStringLiteral("cannot write to standard output"));
        }
        out.write(sheetAsJson(application, sheet));
    } else {
        QTextStream out(stdout);
        out.setEncoding(QStringConverter::Utf8);
        out << sheetAsText(sheet);
    }
    if (sheet.notResponding) {
        return fail(
            notResponding,
            localization.localized(QStringLiteral("header.notResponding")).arg(processName(*pid)));
    }
    return ok;
}

}  // namespace holdsheet
