#include "harvest/TitleCap.h"

#include <QTextBoundaryFinder>

namespace holdsheet {

QString cappedTitle(const QString& text, qsizetype limit) {
    if (text.size() <= limit) {
        return text;
    }
    const QChar ellipsis(0x2026);
    qsizetype cut = std::max<qsizetype>(0, limit - 1);
    // Whether a cluster breaks before `cut` depends on what precedes it and on the one code
    // point at `cut`: the finder need not see the rest of a text that may be megabytes long.
    const QString head = text.left(cut + 2);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, head);
    graphemes.setPosition(cut);
    if (!graphemes.isAtBoundary()) {
        cut = std::max<qsizetype>(0, graphemes.toPreviousBoundary());
    }
    while (cut > 0 && text.at(cut - 1).isSpace()) {
        --cut;
    }
    return text.left(cut) + ellipsis;
}

void capTitles(ShortcutSheet& sheet) {
    for (auto& group : sheet.groups) {
        group.title = cappedTitle(group.title);
        for (auto& item : group.items) {
            item.title = cappedTitle(item.title);
        }
    }
}

}  // namespace holdsheet
