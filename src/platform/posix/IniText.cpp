#include "platform/posix/IniText.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cctype>
#include <vector>

namespace holdsheet {

namespace {

const QString generalSection = QStringLiteral("General");

enum class LineKind { blank, comment, section, setting, unsound };

struct Line {
    LineKind kind = LineKind::unsound;
    QString name;   // the section's name or the setting's key
    QString value;  // the setting's raw text after "="
};

Line classify(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        return {};
    }
    const QString line = text.trimmed();
    if (line.isEmpty()) {
        return {LineKind::blank, {}, {}};
    }
    if (line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) {
        return {LineKind::comment, {}, {}};
    }
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
        return {LineKind::section, line.mid(1, line.size() - 2).trimmed(), {}};
    }
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0 || line.left(equals).trimmed().isEmpty()) {
        return {};
    }
    return {LineKind::setting, line.left(equals).trimmed(), line.mid(equals + 1).trimmed()};
}

// The lines without their ends; a final newline does not start another line.
std::vector<QByteArray> splitLines(const QByteArray& content) {
    std::vector<QByteArray> lines;
    for (const QByteArray& line : content.split('\n')) {
        lines.push_back(line);
    }
    if (!lines.empty() && lines.back().isEmpty()) {
        lines.pop_back();
    }
    return lines;
}

QChar escaped(QChar letter) {
    switch (letter.unicode()) {
        case 'a':
            return QChar(u'\a');
        case 'b':
            return QChar(u'\b');
        case 'f':
            return QChar(u'\f');
        case 'n':
            return QChar(u'\n');
        case 'r':
            return QChar(u'\r');
        case 't':
            return QChar(u'\t');
        case 'v':
            return QChar(u'\v');
        case '0':
            return QChar(u'\0');
        default:
            return letter;
    }
}

// Pieces between unquoted commas, unquoted blanks around them trimmed; an unquoted ";"
// starts a comment.
QStringList unescapedPieces(const QString& raw) {
    QStringList pieces;
    QString piece;
    qsizetype keep = 0;  // the length of `piece` that trailing-blank trimming must not cut
    bool quoted = false;
    const auto finish = [&] {
        while (piece.size() > keep && piece.back().isSpace()) {
            piece.chop(1);
        }
        pieces.append(piece);
        piece.clear();
        keep = 0;
    };
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            keep = piece.size();
        } else if (c == QLatin1Char('\\') && i + 1 < raw.size()) {
            const QChar next = raw[++i];
            if (next == QLatin1Char('x')) {
                qsizetype end = i + 1;
                while (end < raw.size() && end < i + 5 && isxdigit(raw[end].toLatin1())) {
                    ++end;
                }
                bool ok = false;
                const uint code = raw.mid(i + 1, end - i - 1).toUInt(&ok, 16);
                piece.append(ok ? QChar(char16_t(code)) : next);
                i = ok ? end - 1 : i;
            } else {
                piece.append(escaped(next));
            }
            keep = piece.size();
        } else if (!quoted && c == QLatin1Char(',')) {
            finish();
        } else if (!quoted && c == QLatin1Char(';')) {
            break;
        } else if (quoted || !c.isSpace() || !piece.isEmpty()) {
            piece.append(c);
            if (quoted || !c.isSpace()) {
                keep = piece.size();
            }
        }
    }
    finish();
    return pieces;
}

// None for "@" forms the store does not know (variants, byte arrays, geometry).
std::optional<QVariant> decoded(const QString& raw) {
    const QStringList pieces = unescapedPieces(raw);
    if (pieces.size() > 1) {
        QStringList list;
        for (const QString& piece : pieces) {
            list.append(piece.startsWith(QLatin1String("@@")) ? piece.mid(1) : piece);
        }
        return list;
    }
    const QString& text = pieces.front();
    if (text == QLatin1String("@Invalid()")) {
        return QVariant();
    }
    if (text.startsWith(QLatin1String("@@"))) {
        return text.mid(1);
    }
    if (text.startsWith(QLatin1Char('@'))) {
        return std::nullopt;
    }
    return text;
}

QString encodeText(const QString& text) {
    QString body = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    const bool needsQuotes =
        !body.isEmpty() && (body.front().isSpace() || body.back().isSpace() ||
                            std::any_of(body.begin(), body.end(), [](QChar c) {
                                return c.unicode() < 0x20 || QStringLiteral(",;\"\\=").contains(c);
                            }));
    if (!needsQuotes) {
        return body;
    }
    QString out = QStringLiteral("\"");
    for (const QChar c : body) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\') + QString(c);
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else if (c == QLatin1Char('\t')) {
            out += QStringLiteral("\\t");
        } else if (c.unicode() < 0x20) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

}  // namespace

IniText IniText::parse(const QByteArray& content) {
    IniText result;
    QString section = generalSection;
    for (const QByteArray& bytes : splitLines(content)) {
        const Line line = classify(bytes);
        switch (line.kind) {
            case LineKind::section:
                section = line.name;
                break;
            case LineKind::setting: {
                const QString key =
                    section == generalSection ? line.name : section + QLatin1Char('/') + line.name;
                if (auto value = decoded(line.value)) {
                    result.values[key] = *value;
                } else {
                    result.values.erase(key);
                }
                break;
            }
            case LineKind::unsound:
                result.sound = false;
                break;
            case LineKind::blank:
            case LineKind::comment:
                break;
        }
    }
    return result;
}

QString IniText::encode(const QVariant& value) {
    if (!value.isValid()) {
        return QStringLiteral("@Invalid()");
    }
    if (value.metaType() == QMetaType::fromType<bool>()) {
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    }
    if (value.metaType() == QMetaType::fromType<QStringList>()) {
        const QStringList list = value.toStringList();
        if (list.isEmpty()) {
            return QStringLiteral("@Invalid()");
        }
        QStringList pieces;
        for (const QString& text : list) {
            pieces.append(encodeText(text));
        }
        return pieces.join(QStringLiteral(", "));
    }
    if (value.metaType() == QMetaType::fromType<QString>()) {
        return encodeText(value.toString());
    }
    return encodeText(value.toString());  // numbers in their shortest exact form
}

QByteArray IniText::edit(const QByteArray& content, const QString& key,
                         const std::optional<QVariant>& value, bool dropUnsound) {
    const std::vector<QByteArray> lines = splitLines(content);
    const QByteArray setting = value ? (key + QLatin1Char('=') + encode(*value)).toUtf8() : "";

    std::vector<QByteArray> out;
    bool general = true;
    bool sawGeneralHeader = false;
    std::optional<size_t> lastGeneral;  // where a new general key goes, in `out`
    std::optional<size_t> replaced;
    std::optional<size_t> firstHeader;
    for (const QByteArray& bytes : lines) {
        const Line line = classify(bytes);
        if (line.kind == LineKind::unsound && dropUnsound) {
            continue;
        }
        if (line.kind == LineKind::section) {
            general = line.name == generalSection;
            firstHeader = firstHeader.value_or(out.size());
            if (general) {
                sawGeneralHeader = true;
                lastGeneral = out.size();
            }
        }
        if (general && line.kind == LineKind::setting && line.name == key) {
            if (value) {
                replaced = out.size();  // the last one counts, as on reading
                out.push_back(bytes);
                lastGeneral = out.size() - 1;
            }
            continue;
        }
        if (general && line.kind == LineKind::setting) {
            lastGeneral = out.size();
        }
        out.push_back(bytes);
    }

    if (value && replaced) {
        out[*replaced] = setting;
    } else if (value && (lastGeneral || sawGeneralHeader)) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(*lastGeneral) + 1, setting);
    } else if (value && firstHeader) {
        out.insert(out.begin() + static_cast<std::ptrdiff_t>(*firstHeader),
                   {QByteArray("[General]"), setting, QByteArray()});
    } else if (value) {
        out.push_back("[General]");
        out.push_back(setting);
    }

    QByteArray result;
    for (const QByteArray& line : out) {
        result += line + '\n';
    }
    return result;
}

}  // namespace holdsheet
