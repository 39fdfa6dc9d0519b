#include "platform/posix/QtProcessRunner.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace holdsheet {

bool QtProcessRunner::run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        return false;
    }
    process.waitForFinished(-1);
    return true;
}

bool QtProcessRunner::openUrl(const QString& address) {
    const QUrl url(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtProcessRunner::launch(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    return !path.isEmpty() && QProcess::startDetached(path, arguments);
}

bool QtProcessRunner::isInstalled(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

}  // namespace holdsheet
