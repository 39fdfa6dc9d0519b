#include "platform/freedesktop/ResourceBundle.h"

#include <QProcess>
#include <QtEndian>

#include <sys/resource.h>

#include <cstring>

namespace holdsheet {

namespace {

void appendLength(QByteArray& out, qsizetype length) {
    char bytes[4];
    qToLittleEndian(static_cast<quint32>(length), bytes);
    out.append(bytes, 4);
}

}  // namespace

QByteArray encodeBundleFiles(const std::vector<BundleFile>& files) {
    QByteArray out;
    for (const auto& file : files) {
        appendLength(out, file.path.size());
        out += file.path;
        appendLength(out, file.data.size());
        out += file.data;
    }
    return out;
}

std::optional<std::vector<BundleFile>> decodeBundleFiles(QByteArrayView frames, int maxFiles,
                                                         qsizetype maxBytes) {
    std::vector<BundleFile> files;
    qsizetype at = 0;
    const auto take = [&](QByteArray& into) {
        if (frames.size() - at < 4) {
            return false;
        }
        const quint32 length = qFromLittleEndian<quint32>(frames.data() + at);
        at += 4;
        if (length > static_cast<quint64>(maxBytes) ||
            static_cast<quint64>(frames.size() - at) < length) {
            return false;
        }
        into = frames.sliced(at, static_cast<qsizetype>(length)).toByteArray();
        at += static_cast<qsizetype>(length);
        return true;
    };
    while (at < frames.size()) {
        BundleFile file;
        if (files.size() >= static_cast<size_t>(maxFiles) || !take(file.path) || !take(file.data)) {
            return std::nullopt;
        }
        files.push_back(std::move(file));
    }
    return files;
}

std::vector<BundleHelp> shortcutsHelpInBundles(const std::vector<QByteArray>& bundles,
                                               const QString& reader) {
    std::vector<BundleHelp> found;
    if (bundles.empty() || reader.isEmpty()) {
        return found;
    }
    std::vector<BundleFile> input;
    qsizetype size = 0;
    for (const auto& bundle : bundles) {
        size += bundle.size() + 8;
        if (input.size() >= static_cast<size_t>(bundle_limits::bundles) ||
            size > bundle_limits::inputBytes) {
            break;
        }
        input.push_back({{}, bundle});
    }
    QProcess process;
    process.setProgram(reader);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier([] {
        const rlimit cpu{bundle_limits::readSeconds, bundle_limits::readSeconds};
        setrlimit(RLIMIT_CPU, &cpu);
    });
    process.start();
    if (!process.waitForStarted()) {
        return found;
    }
    process.write(encodeBundleFiles(input));
    process.closeWriteChannel();
    if (!process.waitForFinished(bundle_limits::readSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        return found;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return found;
    }
    const auto files =
        decodeBundleFiles(process.readAllStandardOutput(),
                          bundle_limits::helpFiles * bundle_limits::bundles, help_limits::xmlBytes);
    for (const auto& file : files.value_or(std::vector<BundleFile>{})) {
        HelpXml help = parseShortcutsHelp(file.data);
        if (!help.groups.empty()) {
            found.push_back({QString::fromUtf8(file.path), std::move(help)});
        }
    }
    return found;
}

}  // namespace holdsheet
