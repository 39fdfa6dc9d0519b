#include "platform/posix/ProcessName.h"

#include <QFile>

namespace holdsheet {

QString processName(pid_t pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (pid > 0 && comm.open(QIODevice::ReadOnly)) {
        // The kernel keeps 15 bytes of it; any bytes at all may be there.
        QString name = QString::fromLocal8Bit(comm.read(64)).simplified();
        name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
        if (!name.isEmpty()) {
            return name;
        }
    }
    return QStringLiteral("process %1").arg(pid);
}

}  // namespace holdsheet
