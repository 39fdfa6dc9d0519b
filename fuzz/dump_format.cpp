// Input: fields separated by 0x1F. The first letter of a field says what it is: G a group
// title, I an item title, M the last item's modifiers, K its key, D the last item disabled,
// X its action a menu press, A the application name, P its pid, N not responding. An upper-
// case letter takes the rest as UTF-8, a lower-case one as raw UTF-16 code units, so that
// texts can hold any code unit, lone surrogates too.
// The JSON must parse and give every text back; the text form must hold no control character
// but its own line breaks.
#include "app/DumpFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdlib>
#include <cstring>

using namespace holdsheet;

namespace {

QString textOf(const QByteArray& field) {
    const QByteArray rest = field.mid(1);
    if (field.at(0) >= 'a' && field.at(0) <= 'z') {
        QString text(rest.size() / 2, Qt::Uninitialized);
        std::memcpy(text.data(), rest.constData(), static_cast<size_t>(text.size()) * 2);
        return text;
    }
    return QString::fromUtf8(rest);
}

void expect(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DumpedApplication application;
    ShortcutSheet sheet;
    ShortcutItem* last = nullptr;
    for (const QByteArray& field : input.split('\x1f')) {
        if (field.isEmpty()) {
            continue;
        }
        const QString text = textOf(field);
        switch (QChar::toUpper(static_cast<char32_t>(static_cast<uint8_t>(field.at(0))))) {
            case 'G':
                sheet.groups.push_back({});
                sheet.groups.back().title = text;
                last = nullptr;
                break;
            case 'I':
                if (sheet.groups.empty()) {
                    sheet.groups.push_back({});
                }
                sheet.groups.back().items.push_back({});
                last = &sheet.groups.back().items.back();
                last->title = text;
                break;
            case 'M':
                if (last) {
                    last->modifiers = text;
                }
                break;
            case 'K':
                if (last) {
                    last->key = text;
                }
                break;
            case 'D':
                if (last) {
                    last->isEnabled = false;
                }
                break;
            case 'X':
                if (last) {
                    last->action = ShortcutAction::menu(AXBox{});
                }
                break;
            case 'A':
                application.name = text;
                break;
            case 'P':
                application.pid = text.toLongLong();
                break;
            case 'N':
                sheet.notResponding = true;
                break;
            default:
                break;
        }
    }

    // Nothing a terminal would act on, but the line breaks the text form puts itself.
    for (const QChar c : sheetAsText(sheet)) {
        const char16_t u = c.unicode();
        expect(u == '\n' || (u >= 0x20 && u != 0x7f && (u < 0x80 || u > 0x9f)));
    }

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(sheetAsJson(application, sheet), &error);
    expect(error.error == QJsonParseError::NoError && document.isObject());
    const QJsonObject root = document.object();
    const QJsonObject app = root.value("application").toObject();
    // Beyond 2^53 a reader may take the number as a real.
    expect(app.value("pid").toInteger(-1) == application.pid || application.pid > (1LL << 53) ||
           application.pid < -(1LL << 53));
    expect(app.value("name").toString() == application.name);
    expect(root.value("itemCount").toInt(-1) == sheet.itemCount());
    expect(root.value("notResponding").toBool(!sheet.notResponding) == sheet.notResponding);
    const QJsonArray groups = root.value("groups").toArray();
    expect(groups.size() == static_cast<qsizetype>(sheet.groups.size()));
    for (qsizetype g = 0; g < groups.size(); ++g) {
        const auto& group = sheet.groups[static_cast<size_t>(g)];
        const QJsonObject groupObject = groups.at(g).toObject();
        expect(groupObject.value("title").toString() == group.title);
        const QJsonArray items = groupObject.value("items").toArray();
        expect(items.size() == static_cast<qsizetype>(group.items.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const auto& item = group.items[static_cast<size_t>(i)];
            const QJsonObject itemObject = items.at(i).toObject();
            expect(itemObject.value("title").toString() == item.title);
            expect(itemObject.value("modifiers").toString() == item.modifiers);
            expect(itemObject.value("key").toString() == item.key);
            expect(itemObject.value("enabled").toBool(!item.isEnabled) == item.isEnabled);
            expect(itemObject.value("action").toString() ==
                   (item.action.menuBox() ? QLatin1String("menu") : QLatin1String("keys")));
        }
    }
    return 0;
}
