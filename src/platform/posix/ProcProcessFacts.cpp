#include "platform/posix/ProcProcessFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace holdsheet {

namespace {

// The program files of the engine itself; applications built on it carry its data files
// beside their own program file, whatever they call it.
bool isBrowserEngine(const QFileInfo& program) {
    static const char* const engineNames[] = {"chrome", "chromium", "chromium-browser", "electron",
                                              "msedge"};
    const QString name = program.fileName();
    for (const char* engine : engineNames) {
        if (name == QLatin1String(engine)) {
            return true;
        }
    }
    const QDir folder = program.dir();
    static const char* const engineFiles[] = {"v8_context_snapshot.bin", "snapshot_blob.bin",
                                              "chrome_100_percent.pak"};
    for (const char* file : engineFiles) {
        if (QFileInfo(folder.filePath(QLatin1String(file))).isFile()) {
            return true;
        }
    }
    return false;
}

bool hasSwitch(const QByteArray& commandLine, const QByteArray& name) {
    for (const QByteArray& argument : commandLine.split('\0')) {
        if (argument == name || argument.startsWith(name + '=')) {
            return true;
        }
    }
    return false;
}

}  // namespace

ProcessFacts::Facts ProcProcessFacts::of(pid_t pid) const {
    Facts facts;
    if (pid <= 0) {
        return facts;
    }
    const QString folder = QStringLiteral("%1/%2").arg(root_).arg(pid);
    facts.running = QFileInfo(folder).isDir();
    if (!facts.running) {
        return facts;
    }
    const QString program = QFileInfo(folder + QStringLiteral("/exe")).symLinkTarget();
    if (program.isEmpty() || !isBrowserEngine(QFileInfo(program))) {
        return facts;
    }
    facts.browserEngine = true;
    QFile commandLine(folder + QStringLiteral("/cmdline"));
    if (commandLine.open(QIODevice::ReadOnly)) {
        facts.accessibilityForced =
            hasSwitch(commandLine.read(commandLineLimit), QByteArray(forceAccessibility));
    }
    return facts;
}

}  // namespace holdsheet
