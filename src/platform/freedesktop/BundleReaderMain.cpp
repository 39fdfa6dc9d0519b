// holdsheet-bundle-reader: reads GResource bundles, framed, on its standard input and writes
// the GtkBuilder files in them that may hold a shortcuts help, framed, on its standard
// output. GLib trusts the tables of a bundle, and an application's bundle is not to be
// trusted: a damaged one may crash this process, never the program.
#include "platform/freedesktop/ResourceBundle.h"

#include <unistd.h>

#include <cerrno>

using namespace holdsheet;

namespace {

bool readAll(QByteArray& into) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || into.size() + got > bundle_limits::inputBytes) {
            return false;
        }
        into.append(buffer, got);
    }
}

bool writeAll(const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        const ssize_t put =
            ::write(STDOUT_FILENO, bytes.constData() + at, static_cast<size_t>(bytes.size() - at));
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        at += put;
    }
    return true;
}

}  // namespace

int main() {
    QByteArray input;
    if (!readAll(input)) {
        return 1;
    }
    const auto bundles =
        decodeBundleFiles(input, bundle_limits::bundles, bundle_limits::inputBytes);
    if (!bundles) {
        return 1;
    }
    std::vector<BundleFile> found;
    for (const auto& bundle : *bundles) {
        for (auto& file : helpFilesInBundle(bundle.data)) {
            found.push_back(std::move(file));
        }
    }
    return writeAll(encodeBundleFiles(found)) ? 0 : 1;
}
