#include "harvest/SheetReason.h"

namespace holdsheet {

std::optional<QString> sheetReasonKey(const ShortcutSheet& sheet) {
    if (sheet.notResponding) {
        return QStringLiteral("header.notResponding");
    }
    switch (sheet.gap) {
        case SheetGap::browserAccessibilityOff:
            return QStringLiteral("header.browserAccessibilityOff");
        case SheetGap::notOnAccessibilityBus:
            return QStringLiteral("header.notOnAccessibilityBus");
        case SheetGap::nothingToRead:
        case SheetGap::none:
            break;
    }
    if (sheet.cutShort) {
        return QStringLiteral("header.cutShort");
    }
    if (sheet.gap == SheetGap::nothingToRead) {
        return QStringLiteral("header.nothingToRead");
    }
    return std::nullopt;
}

}  // namespace holdsheet
