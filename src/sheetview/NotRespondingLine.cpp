#include "sheetview/NotRespondingLine.h"

#include "panel/SheetModel.h"
#include "prefs/Localization.h"
#include "ui/SheetStyle.h"

namespace holdsheet {

NotRespondingLine::NotRespondingLine(SheetModel& model, const Localization& localization,
                                     double scale, QWidget* parent)
    : SheetLabel(QString(), sheetFont(11.5 * scale), Tone::secondary, parent),
      model_(model),
      localization_(localization) {
    setContentsMargins(26, 0, 26, 8);
    setWordWrap(true);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    connect(&model_, &SheetModel::sheetChanged, this, [this] { refresh(); });
    connect(&model_, &SheetModel::appNameChanged, this, [this] { refresh(); });
    refresh();
}

void NotRespondingLine::refresh() {
    const auto& sheet = model_.sheet();
    const bool shown = sheet && (sheet->notResponding || sheet->cutShort);
    if (shown) {
        setText(localization_
                    .localized(sheet->notResponding ? QStringLiteral("header.notResponding")
                                                    : QStringLiteral("header.cutShort"))
                    .arg(model_.displayName()));
    }
    setVisible(shown);
}

}  // namespace holdsheet
