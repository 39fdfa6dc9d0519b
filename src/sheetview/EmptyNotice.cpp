#include "sheetview/EmptyNotice.h"

#include "prefs/Localization.h"
#include "ui/NoticeLayout.h"
#include "ui/SheetLabel.h"
#include "ui/SheetStyle.h"
#include "ui/SheetSymbols.h"

namespace holdsheet {

EmptyNotice::EmptyNotice(bool searching, const Localization& localization, QWidget* parent)
    : QWidget(parent),
      searching_(searching),
      symbol_(
          new SymbolView(searching ? QStringLiteral("magnifyingglass") : QStringLiteral("keyboard"),
                         32, secondaryOpacity, this)),
      title_(new SheetLabel(localization.localized(searching ? QStringLiteral("empty.search.title")
                                                             : QStringLiteral("empty.title")),
                            headlineFont(), SheetLabel::Tone::primary, this)),
      body_(new SheetLabel(localization.localized(searching ? QStringLiteral("empty.search.body")
                                                            : QStringLiteral("empty.body")),
                           calloutFont(), SheetLabel::Tone::secondary, this)) {
    layOutNotice(*this, {symbol_, title_, body_}, 8, 380);
}

}  // namespace holdsheet
