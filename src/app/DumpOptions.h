#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>
#include <optional>
#include <variant>

namespace holdsheet {

enum class DumpOutput { text, json, pdf };

// What `holdsheet dump` was asked for.
struct DumpOptions {
    std::optional<pid_t> pid;
    DumpOutput format = DumpOutput::text;
    std::optional<bool> includeDisabled;
    std::optional<bool> includeSystem;
    QString filter;
    double timeoutSeconds = 10;
    QString output;      // the PDF's path; only with the pdf format, which needs it
    bool force = false;  // an existing output file may be replaced
    bool help = false;
};

// The arguments after "dump", or what is wrong with them.
std::variant<DumpOptions, QString> parseDumpOptions(const QStringList& arguments);

// Whether the PDF may go to `path`, asked before the sheet is read so that a run bound to
// fail does not make the user wait for the read first. The write checks again. Only a
// regular file (or a symbolic link, itself replaced) may be replaced, and only with `force`.
struct OutputCheck {
    enum State { writable, exists, unwritable } state = writable;
    QString reason;  // why it is unwritable
};
OutputCheck checkOutput(const QString& path, bool force);

}  // namespace holdsheet
