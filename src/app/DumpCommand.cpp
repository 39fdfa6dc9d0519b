#include "app/DumpCommand.h"

#include "app/Deadline.h"
#include "app/DumpFormat.h"
#include "app/DumpOptions.h"
#include "app/ExitStatus.h"
#include "app/PreferenceOverrides.h"
#include "app/SessionKind.h"
#include "app/WholeWrite.h"
#include "export/PdfWriter.h"
#include "harvest/HelpSource.h"
#include "harvest/SheetFilter.h"
#include "harvest/SheetLoader.h"
#include "harvest/SheetReason.h"
#include "harvest/TitleCap.h"
#include "platform/SessionReaders.h"
#include "platform/freedesktop/AtspiAccessibility.h"
#include "platform/freedesktop/CompiledHelp.h"
#include "platform/freedesktop/DesktopEntryIndex.h"
#include "platform/freedesktop/GtkAccelerators.h"
#include "platform/posix/IniPreferenceStore.h"
#include "platform/posix/ProcProcessFacts.h"
#include "platform/posix/ProcessName.h"
#include "platform/posix/QtScheduler.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <unistd.h>
#include <memory>
#include <optional>
#include <variant>

namespace holdsheet {

namespace {

const char* const dumpUsageText =
    "Usage: holdsheet dump [--pid PID] [--format text|json] [--filter TEXT]\n"
    "                      [--include-disabled | --exclude-disabled] [--system | --no-system]\n"
    "                      [--timeout SECONDS]\n"
    "       holdsheet dump --format pdf --output FILE [--force] [same options]\n"
    "\n"
    "Prints the keyboard shortcuts of an application's menus and of the shortcuts help it\n"
    "compiles in, then the desktop's own shortcuts. Without --pid, the application that\n"
    "owns the active window. Disabled menu items and the desktop's shortcuts are listed\n"
    "as the settings say, unless a flag decides. --filter prints the sheet narrowed as\n"
    "the panel's search would.\n"
    "--timeout bounds the whole run (10 seconds unless given).\n"
    "--format pdf writes the sheet as a paginated landscape-A4 PDF to the --output\n"
    "file, which must not exist unless --force is given.\n"
    "\n"
    "A partial sheet is one the application did not finish in time, or whose menus went\n"
    "past the bounds of a read. --output never replaces a folder, a FIFO, a device or a\n"
    "socket: --force replaces a regular file, keeping its permissions, or a symbolic link\n"
    "itself; without --force an existing file is left as it is.\n"
    "\n"
    "Exit status:\n";

QString dumpUsage() {
    return QString::fromLatin1(dumpUsageText) + exitStatusTable("dump");
}

// Messages name paths and processes, which may hold anything.
int fail(int code, const QString& message) {
    QTextStream(stderr) << "holdsheet dump: " << printable(message) << "\n";
    return code;
}

int toStandardOutput(const QByteArray& bytes) {
    if (const int error = writeWhole(STDOUT_FILENO, bytes)) {
        return fail(
            exitStandardOutputUnwritable,
            QStringLiteral("cannot write to standard output: %1").arg(qt_error_string(error)));
    }
    return exitOk;
}

int outputFailure(const OutputCheck& check, const QString& path) {
    if (check.state == OutputCheck::exists) {
        return fail(exitOutputExists,
                    QStringLiteral("%1 exists; add --force to replace it").arg(path));
    }
    return fail(exitOutputUnwritable,
                check.reason.isEmpty()
                    ? QStringLiteral("cannot write %1").arg(path)
                    : QStringLiteral("cannot write %1: %2").arg(path, check.reason));
}

// The name the panel gives the application: the workspace's, read while it has a window;
// its process name otherwise.
QString applicationName(pid_t pid, DesktopEntryIndex& entries, SessionReaders& session) {
    if (!entries.entries()) {
        QEventLoop read;
        entries.onRead([&read] { read.quit(); });
        read.exec();
    }
    const auto application = session.applicationOfProcess(pid);
    return application ? application->name : processName(pid);
}

}  // namespace

int runDump(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 2; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = parseDumpOptions(arguments);
    if (const auto* error = std::get_if<QString>(&parsed)) {
        QTextStream(stderr) << "holdsheet dump: " << *error << "\n\n" << dumpUsage();
        return exitUsage;
    }
    const DumpOptions options = std::get<DumpOptions>(parsed);
    if (options.help) {
        return toStandardOutput(dumpUsage().toUtf8());
    }
    const bool pdf = options.format == DumpOutput::pdf;
    if (pdf) {
        if (const OutputCheck check = checkOutput(options.output, options.force);
            check.state != OutputCheck::writable) {
            return outputFailure(check, options.output);
        }
    }
    // Drawing a PDF needs fonts, hence a GUI application; it shows nothing, so it needs no
    // display either.
    std::unique_ptr<QCoreApplication> app;
    if (pdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Holdsheet"));

    const Deadline deadline(
        std::chrono::milliseconds(static_cast<qint64>(options.timeoutSeconds * 1000)),
        exitPastTimeout,
        QStringLiteral("holdsheet dump: no sheet within %1 s (see --timeout)\n")
            .arg(options.timeoutSeconds)
            .toLocal8Bit());

    AtspiAccessibility ax;
    switch (ax.status()) {
        case AtspiAccessibility::Status::noBus:
            return fail(exitNoAccessibilityBus,
                        QStringLiteral("no accessibility bus (is at-spi2-core running?)"));
        case AtspiAccessibility::Status::notAnswering:
            return fail(exitNoAccessibilityBus,
                        QStringLiteral("the accessibility bus does not answer"));
        case AtspiAccessibility::Status::disabled:
            return fail(exitAccessibilityOff,
                        QStringLiteral("accessibility is not enabled on this desktop; turn it on "
                                       "(org.a11y.Status IsEnabled) and restart the application"));
        case AtspiAccessibility::Status::ready:
            break;
    }
    // The launcher entries are read on a worker of their own meanwhile.
    QtScheduler entriesScheduler;
    DesktopEntryIndex entries(entriesScheduler);
    const auto session = sessionReaders(entries);
    std::optional<pid_t> pid = options.pid;
    if (!pid) {
        pid = session->frontmostProcess();
        if (!pid) {
            return fail(exitNoApplication, QStringLiteral("no active window; name one with --pid"));
        }
    }
    // One that is running but not on the bus may still have a shortcuts help to read.
    const ProcProcessFacts facts;
    if (!facts.of(*pid).running) {
        return fail(
            exitNoApplication,
            QStringLiteral("no application with pid %1 on the accessibility bus").arg(*pid));
    }

    IniPreferenceStore stored;
    PreferenceOverrides prefs(stored);
    Preferences overrides(prefs.overrides());
    if (options.includeDisabled) {
        overrides.setShowDisabled(*options.includeDisabled);
    }
    if (options.includeSystem) {
        overrides.setShowSystemShortcuts(*options.includeSystem);
    }
    // The same loader the panel uses: settings and trust read in the background, the
    // menus read on a detached task, the result back on this (main) thread.
    QtScheduler scheduler;
    const auto hotKeys = session->desktopHotKeys();
    const Localization localization(prefs);
    CompiledHelp help;
    const GtkAccelerators accelerators;
    SheetLoader loader(scheduler, ax, prefs, *hotKeys, localization,
                       {{std::make_shared<HelpSource>(help, accelerators, localization)}, &facts});
    ShortcutSheet sheet;
    QEventLoop loop;
    loader.loadGroups(*pid, [&](ShortcutSheet loaded) {
        sheet = std::move(loaded);
        loop.quit();
    });
    loop.exec();
    if (!options.filter.isEmpty()) {
        sheet.groups = filterGroups(options.filter, sheet.groups);
    }

    std::optional<QString> named;
    auto name = [&] {
        if (!named) {
            named = applicationName(*pid, entries, *session);
        }
        return *named;
    };
    int written = exitOk;
    switch (options.format) {
        case DumpOutput::json:
            written =
                toStandardOutput(sheetAsJson(DumpedApplication{*pid, cappedTitle(name())}, sheet));
            break;
        case DumpOutput::text:
            written = toStandardOutput(sheetAsText(sheet).toUtf8());
            break;
        case DumpOutput::pdf:
            switch (writePDFFile(sheet.groups, cappedTitle(name()), QImage(), options.output,
                                 localization,
                                 options.force ? Existing::replace : Existing::keep)) {
                case FileWrite::written:
                    break;
                case FileWrite::exists:
                    return outputFailure({OutputCheck::exists, {}}, options.output);
                case FileWrite::notRegular:
                    return outputFailure(checkOutput(options.output, options.force),
                                         options.output);
                case FileWrite::failed:
                    return outputFailure({OutputCheck::unwritable, {}}, options.output);
            }
            break;
    }
    if (written != exitOk) {
        return written;
    }
    if (const auto reason = sheetReasonKey(sheet)) {
        const QString line = localization.localized(*reason).arg(name());
        switch (sheet.gap) {
            case SheetGap::notOnAccessibilityBus:
                return fail(
                    exitNoApplication,
                    QStringLiteral("no application with pid %1 on the accessibility bus: %2")
                        .arg(*pid)
                        .arg(line));
            case SheetGap::browserAccessibilityOff:
                return fail(exitBrowserAccessibilityOff, line);
            case SheetGap::nothingToRead:
                if (!sheet.notResponding && !sheet.cutShort) {
                    return fail(exitNothingToRead, line);
                }
                break;
            case SheetGap::none:
                break;
        }
        return fail(exitPartialSheet, line);
    }
    return exitOk;
}

}  // namespace holdsheet
