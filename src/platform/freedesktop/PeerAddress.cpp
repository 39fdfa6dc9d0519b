#include "platform/freedesktop/PeerAddress.h"

#include <QList>

namespace holdsheet {

namespace {

// Far beyond any socket path (the kernel takes 108 bytes).
constexpr qsizetype maximumLength = 1024;

// The bytes a D-Bus address may hold unescaped.
bool plainByte(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '_' || c == '/' || c == '.' || c == '\\' || c == '*';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<QByteArray> unescaped(QByteArrayView value) {
    QByteArray result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (plainByte(c)) {
            result += c;
            continue;
        }
        if (c != '%' || i + 2 >= value.size()) {
            return std::nullopt;
        }
        const int high = hexDigit(value[i + 1]);
        const int low = hexDigit(value[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        result += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return result;
}

QByteArray escaped(const QByteArray& value) {
    QByteArray result;
    for (const char c : value) {
        if (plainByte(c)) {
            result += c;
        } else {
            result += '%';
            result += QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        }
    }
    return result;
}

bool isGuid(const QByteArray& value) {
    if (value.size() != 32) {
        return false;
    }
    for (const char c : value) {
        if (hexDigit(c) < 0) {
            return false;
        }
    }
    return true;
}

// One "unix:key=value,..." entry, rebuilt; none when it is anything but a socket's.
std::optional<QByteArray> socketEntry(QByteArrayView entry) {
    const qsizetype colon = entry.indexOf(':');
    if (colon < 0 || entry.first(colon) != QByteArrayView("unix")) {
        return std::nullopt;
    }
    std::optional<QByteArray> path, abstract, guid;
    const QByteArrayView pairs = entry.sliced(colon + 1);
    for (const QByteArrayView pair : pairs.toByteArray().split(',')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals <= 0) {
            return std::nullopt;
        }
        const QByteArrayView key = pair.first(equals);
        auto value = unescaped(pair.sliced(equals + 1));
        if (!value || value->isEmpty() || value->contains('\0')) {
            return std::nullopt;
        }
        std::optional<QByteArray>* slot = key == QByteArrayView("path")       ? &path
                                          : key == QByteArrayView("abstract") ? &abstract
                                          : key == QByteArrayView("guid")     ? &guid
                                                                              : nullptr;
        if (!slot || *slot) {
            return std::nullopt;  // another key, or one given twice
        }
        *slot = std::move(value);
    }
    if (path.has_value() == abstract.has_value() || (path && !path->startsWith('/')) ||
        (guid && !isGuid(*guid))) {
        return std::nullopt;
    }
    QByteArray rebuilt =
        path ? "unix:path=" + escaped(*path) : "unix:abstract=" + escaped(*abstract);
    if (guid) {
        rebuilt += ",guid=" + *guid;
    }
    return rebuilt;
}

}  // namespace

std::optional<QByteArray> peerSocketAddress(QByteArrayView address) {
    if (address.isEmpty() || address.size() > maximumLength) {
        return std::nullopt;
    }
    QList<QByteArray> entries;
    for (const QByteArrayView entry : address.toByteArray().split(';')) {
        auto checked = socketEntry(entry);
        if (!checked) {
            return std::nullopt;
        }
        entries << *checked;
    }
    return entries.join(';');
}

}  // namespace holdsheet
