#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace holdsheet::testing {

struct Tool {
    int exitCode = -1;
    QString out;
};

// One of poppler's tools run to its end.
inline Tool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

// The number of pages pdfinfo reads in a PDF file, or -1.
inline int pageCountOf(const QString& pdf) {
    static const QRegularExpression pages(R"(Pages:\s+(\d+)\n)");
    const auto match = pages.match(run("pdfinfo", {pdf}).out);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

inline bool isPDF(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

}  // namespace holdsheet::testing
