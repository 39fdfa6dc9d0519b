#include "platform/freedesktop/MoCatalogue.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace holdsheet {

namespace {

constexpr quint32 magic = 0x950412de;
constexpr quint32 swappedMagic = 0xde120495;

class Words {
  public:
    Words(QByteArrayView bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

    std::optional<quint32> at(quint64 offset) const {
        if (offset + 4 > static_cast<quint64>(bytes_.size())) {
            return std::nullopt;
        }
        quint32 word;
        std::memcpy(&word, bytes_.data() + offset, 4);
        return swapped_ ? qbswap(word) : word;
    }

    // The string that the table entry at `offset` describes, up to its first NUL (a plural
    // form's second text follows one).
    std::optional<QByteArray> string(quint64 offset) const {
        const auto length = at(offset);
        const auto start = at(offset + 4);
        if (!length || !start ||
            static_cast<quint64>(*start) + *length >= static_cast<quint64>(bytes_.size())) {
            return std::nullopt;  // the terminating NUL must be inside the file too
        }
        const char* text = bytes_.data() + *start;
        const void* nul = std::memchr(text, 0, *length);
        const auto used = nul ? static_cast<const char*>(nul) - text : *length;
        return QByteArray(text, static_cast<qsizetype>(used));
    }

  private:
    QByteArrayView bytes_;
    bool swapped_;
};

}  // namespace

std::optional<MoCatalogue> MoCatalogue::parse(QByteArrayView bytes) {
    if (bytes.size() < 20 || bytes.size() > maxFileBytes) {
        return std::nullopt;
    }
    quint32 first;
    std::memcpy(&first, bytes.data(), 4);
    if (first != magic && first != swappedMagic) {
        return std::nullopt;
    }
    const Words words(bytes, first == swappedMagic);
    const auto revision = words.at(4);
    const auto count = words.at(8);
    const auto originals = words.at(12);
    const auto translations = words.at(16);
    if (!revision || (*revision >> 16) > 1 || !count || *count > maxEntries || !originals ||
        !translations) {
        return std::nullopt;
    }
    MoCatalogue catalogue;
    catalogue.entries_.reserve(*count);
    for (quint32 i = 0; i < *count; ++i) {
        const auto original = words.string(*originals + quint64{i} * 8);
        const auto translation = words.string(*translations + quint64{i} * 8);
        if (!original || !translation) {
            return std::nullopt;
        }
        // The empty msgid is the catalogue's header, not a translation.
        if (!original->isEmpty() && !translation->isEmpty()) {
            catalogue.entries_.insert(*original, *translation);
        }
    }
    return catalogue;
}

std::optional<MoCatalogue> MoCatalogue::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileBytes) {
        return std::nullopt;
    }
    return parse(file.read(maxFileBytes + 1));
}

QString MoCatalogue::translate(const QString& context, const QString& msgid) const {
    QByteArray key = msgid.toUtf8();
    if (!context.isEmpty()) {
        key = context.toUtf8() + '\004' + key;
    }
    const auto found = entries_.constFind(key);
    return found == entries_.cend() ? QString() : QString::fromUtf8(*found);
}

QString catalogueFile(const QString& localeRoot, const QString& language, const QString& domain) {
    const auto plainName = [](const QString& name) {
        return !name.isEmpty() && name.size() <= 128 && !name.startsWith(QLatin1Char('.')) &&
               std::all_of(name.begin(), name.end(), [](QChar c) {
                   return (c.isLetterOrNumber() && c.unicode() < 128) ||
                          QStringLiteral("_+@.-").contains(c);
               });
    };
    if (!plainName(language) || !plainName(domain)) {
        return {};
    }
    return localeRoot + QLatin1Char('/') + language + QStringLiteral("/LC_MESSAGES/") + domain +
           QStringLiteral(".mo");
}

}  // namespace holdsheet
