#include "app/DumpFormat.h"

#include <QList>

namespace holdsheet {

namespace {

qsizetype visibleLength(const QString& text) {
    return text.toUcs4().size();
}

// C0 and C1 controls and DEL: what a terminal may act on rather than show.
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f);
}

QString hexEscape(char16_t c, const char* prefix, int digits) {
    return QLatin1String(prefix) + QStringLiteral("%1").arg(uint(c), digits, 16, QLatin1Char('0'));
}

// The escapes JSON and the text form share; null for any other character.
const char* commonEscape(char16_t c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            return nullptr;
    }
}

QString jsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A surrogate without its other half has no UTF-8 form: escaped, it reads back.
        const bool paired =
            (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ||
            (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate());
        // A byte-order mark is dropped by some readers (Qt's among them) wherever it stands.
        if ((c.isSurrogate() && !paired) || c.unicode() == 0xfeff) {
            out += hexEscape(c.unicode(), "\\u", 4);
            continue;
        }
        if (c == QLatin1Char('"')) {
            out += QLatin1String("\\\"");
        } else if (const char* escape = commonEscape(c.unicode())) {
            out += QLatin1String(escape);
        } else if (isControl(c.unicode())) {
            // Beyond what JSON requires, DEL and C1 too: the object may well be read on a
            // terminal.
            out += hexEscape(c.unicode(), "\\u", 4);
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

const char* actionName(const ShortcutAction& action) {
    return action.menuBox() ? "menu" : "keys";
}

}  // namespace

QString printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (const char* escape = commonEscape(c.unicode())) {
            out += QLatin1String(escape);
        } else if (isControl(c.unicode())) {
            out += hexEscape(c.unicode(), "\\x", 2);
        } else {
            out += c;
        }
    }
    return out;
}

QString sheetAsText(const ShortcutSheet& sheet) {
    qsizetype width = 0;
    for (const auto& group : sheet.groups) {
        for (const auto& item : group.items) {
            width = std::max(width, visibleLength(printable(item.modifiers + item.key)));
        }
    }
    QString out;
    for (const auto& group : sheet.groups) {
        if (!out.isEmpty()) {
            out += QLatin1Char('\n');
        }
        out += printable(group.title);
        if (!group.subtitle.isEmpty()) {
            out += QStringLiteral(" (%1)").arg(printable(group.subtitle));
        }
        out += QLatin1Char('\n');
        for (const auto& item : group.items) {
            const QString caps = printable(item.modifiers + item.key);
            out += QString(width - visibleLength(caps) + 2, QLatin1Char(' ')) + caps + "  " +
                   printable(item.title);
            if (!item.isEnabled) {
                out += QLatin1String(" (disabled)");
            }
            out += QLatin1Char('\n');
        }
    }
    return out;
}

QByteArray sheetAsJson(const DumpedApplication& application, const ShortcutSheet& sheet) {
    QString out = QStringLiteral(
                      "{\"application\": {\"pid\": %1, \"name\": %2}, \"itemCount\": %3, "
                      "\"notResponding\": %4, \"cutShort\": %5, \"groups\": [")
                      .arg(QString::number(application.pid), jsonString(application.name),
                           QString::number(sheet.itemCount()),
                           sheet.notResponding ? QStringLiteral("true") : QStringLiteral("false"),
                           sheet.cutShort ? QStringLiteral("true") : QStringLiteral("false"));
    bool firstGroup = true;
    for (const auto& group : sheet.groups) {
        out += firstGroup ? "" : ", ";
        firstGroup = false;
        out += QStringLiteral("{\"title\": %1, ").arg(jsonString(group.title));
        if (!group.subtitle.isEmpty()) {
            out += QStringLiteral("\"subtitle\": %1, ").arg(jsonString(group.subtitle));
        }
        out += QLatin1String("\"items\": [");
        bool firstItem = true;
        for (const auto& item : group.items) {
            out += firstItem ? "" : ", ";
            firstItem = false;
            out +=
                QStringLiteral(
                    "{\"title\": %1, \"modifiers\": %2, \"key\": %3, \"enabled\": %4, "
                    "\"action\": \"%5\"}")
                    .arg(jsonString(item.title), jsonString(item.modifiers), jsonString(item.key),
                         item.isEnabled ? QStringLiteral("true") : QStringLiteral("false"),
                         QString::fromLatin1(actionName(item.action)));
        }
        out += QLatin1String("]}");
    }
    out += QLatin1String("]}\n");
    return out.toUtf8();
}

}  // namespace holdsheet
