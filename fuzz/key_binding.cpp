// Input: a toolkit name line, a title line, then the key-binding text (any bytes).
#include "platform/freedesktop/KeyBindingParser.h"

#include <QByteArray>

#include <cstdlib>

using namespace holdsheet;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype first = input.indexOf('\n');
    const qsizetype second = first < 0 ? -1 : input.indexOf('\n', first + 1);
    const QString toolkitName = QString::fromUtf8(first < 0 ? input : input.left(first));
    const QString title =
        second < 0 ? QString() : QString::fromUtf8(input.mid(first + 1, second - first - 1));
    const QString binding = QString::fromUtf8(second < 0 ? QByteArray() : input.mid(second + 1));

    for (const Toolkit toolkit :
         {toolkitFromName(toolkitName), Toolkit::gtk, Toolkit::qt, Toolkit::unknown}) {
        const auto key = parseKeyBinding(binding, toolkit, title);
        // The documented shape: a character or a key code, and only the four mask bits.
        if (key && ((!key->character && !key->virtualKey) || (key->modifiers & ~15) != 0)) {
            std::abort();
        }
        if (key && key->character && key->character->size() == 1) {
            characterVirtualKey(key->character->at(0));
        }
    }
    return 0;
}
