#pragma once

#include <QByteArray>

namespace holdsheet {

// Writes all of `bytes` to `fd`, through no buffer that could keep a failure for later, then
// asks for one the file system reports only when a descriptor closes (a network file system
// out of space). 0, or the errno of what failed.
int writeWhole(int fd, const QByteArray& bytes);

}  // namespace holdsheet
