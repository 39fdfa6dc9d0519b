#include "platform/posix/SyslogLog.h"

#include <cstdio>

#include <syslog.h>

namespace holdsheet {

void SyslogLog::log(const QString& line) {
    const QByteArray text = line.toUtf8();
    syslog(LOG_NOTICE, "%s", text.constData());
    std::fprintf(stderr, "%s\n", text.constData());
}

}  // namespace holdsheet
