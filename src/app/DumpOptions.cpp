#include "app/DumpOptions.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace holdsheet {

std::variant<DumpOptions, QString> parseDumpOptions(const QStringList& arguments) {
    DumpOptions options;
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
            if (text == u"text") {
                options.format = DumpOutput::text;
            } else if (text == u"json") {
                options.format = DumpOutput::json;
            } else if (text == u"pdf") {
                options.format = DumpOutput::pdf;
            } else {
                return QStringLiteral("--format takes text, json or pdf");
            }
        } else if (argument == u"--output" || argument == u"-o") {
            const auto text = value();
            if (!text || text->isEmpty()) {
                return QStringLiteral("--output needs a file name");
            }
            options.output = *text;
        } else if (argument == u"--force") {
            options.force = true;
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
    if (options.help) {
        return options;
    }
    const bool pdf = options.format == DumpOutput::pdf;
    if (pdf && options.output.isEmpty()) {
        return QStringLiteral("--format pdf needs --output FILE (a PDF is not for the terminal)");
    }
    if (!pdf && !options.output.isEmpty()) {
        return QStringLiteral(
            "--output goes with --format pdf; text and json go to standard "
            "output");
    }
    if (!pdf && options.force) {
        return QStringLiteral("--force goes with --format pdf --output FILE");
    }
    return options;
}

OutputCheck checkOutput(const QString& path, bool force) {
    const QByteArray name = QFile::encodeName(path);
    struct stat there {};
    if (::lstat(name.constData(), &there) == 0) {
        if (S_ISDIR(there.st_mode)) {
            return {OutputCheck::unwritable, QStringLiteral("it is a folder")};
        }
        // Whoever made a FIFO or a device there meant it for something else than a PDF.
        if (!S_ISREG(there.st_mode) && !S_ISLNK(there.st_mode)) {
            const QString kind = S_ISFIFO(there.st_mode)   ? QStringLiteral("a FIFO")
                                 : S_ISSOCK(there.st_mode) ? QStringLiteral("a socket")
                                                           : QStringLiteral("a device");
            return {OutputCheck::unwritable,
                    QStringLiteral("it is %1; only a regular file is replaced").arg(kind)};
        }
        if (!force) {
            return {OutputCheck::exists, {}};
        }
    }
    // The file is made in its folder and renamed into place: the folder is what must allow it.
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat info {};
    if (::stat(folder.constData(), &info) != 0) {
        return {OutputCheck::unwritable, QStringLiteral("its folder does not exist")};
    }
    if (!S_ISDIR(info.st_mode)) {
        return {OutputCheck::unwritable, QStringLiteral("its folder is not a folder")};
    }
    if (::access(folder.constData(), W_OK | X_OK) != 0) {
        return {OutputCheck::unwritable, QStringLiteral("its folder is not writable")};
    }
    return {};
}

}  // namespace holdsheet
