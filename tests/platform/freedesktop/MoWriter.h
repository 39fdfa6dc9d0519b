#pragma once

#include <QByteArray>
#include <QtEndian>

#include <map>

namespace holdsheet {

// A gettext catalogue written the way msgfmt lays it out, in either byte order. Keys with a
// context are "context\004msgid".
inline QByteArray moFile(const std::map<QByteArray, QByteArray>& entries, bool bigEndian = false) {
    const auto word = [bigEndian](quint32 value) {
        QByteArray bytes(4, '\0');
        if (bigEndian) {
            qToBigEndian(value, bytes.data());
        } else {
            qToLittleEndian(value, bytes.data());
        }
        return bytes;
    };
    const quint32 count = static_cast<quint32>(entries.size());
    const quint32 originals = 28;
    const quint32 translations = originals + 8 * count;
    quint32 offset = translations + 8 * count;
    QByteArray tables[2];
    QByteArray strings;
    for (int table = 0; table < 2; ++table) {
        for (const auto& [key, value] : entries) {
            const QByteArray& text = table == 0 ? key : value;
            tables[table] += word(static_cast<quint32>(text.size())) + word(offset);
            strings += text + '\0';
            offset += static_cast<quint32>(text.size()) + 1;
        }
    }
    return word(0x950412de) + word(0) + word(count) + word(originals) + word(translations) +
           word(0) + word(offset) + tables[0] + tables[1] + strings;
}

}  // namespace holdsheet
