#pragma once

#include "platform/ShortcutsHelp.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace holdsheet {

// A text of a GtkBuilder file as written: the msgid, and how to translate it.
struct HelpText {
    QString text;
    QString context;
    bool translatable = false;
};

struct HelpXmlShortcut {
    HelpText title;
    QStringList accelerators;
};

struct HelpXmlGroup {
    HelpText title;
    std::vector<HelpXmlShortcut> shortcuts;
};

// The shortcuts help of one GtkBuilder file, untranslated.
struct HelpXml {
    QString domain;  // the interface's gettext domain, when it names one
    std::vector<HelpXmlGroup> groups;
};

// What a hostile file may make the parser hold; beyond these it stops or cuts.
namespace help_limits {
inline constexpr qsizetype xmlBytes = 1 << 20;
inline constexpr int depth = 64;
inline constexpr int groups = 256;
inline constexpr int shortcuts = 2048;  // in all groups together
inline constexpr int acceleratorsPerShortcut = 8;
inline constexpr qsizetype titleChars = 256;
inline constexpr qsizetype acceleratorChars = 256;
}  // namespace help_limits

// Cheap test before parsing: whether a GtkBuilder file can hold a shortcuts help at all.
bool mentionsShortcutsHelp(QByteArrayView xml);

// The groups of every shortcuts help in the file, in document order; shortcuts without an
// accelerator (those naming only an action, gestures) and groups left empty are dropped. A
// malformed or oversized file yields what was read before the fault, which may be nothing.
HelpXml parseShortcutsHelp(QByteArrayView xml);

// `translate(context, msgid)` returns the translation or an empty string.
using HelpTranslator = std::function<QString(const QString& context, const QString& msgid)>;

std::vector<HelpGroup> translatedHelp(const HelpXml& help, const HelpTranslator& translate);

}  // namespace holdsheet
