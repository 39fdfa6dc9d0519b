#include "sheetview/ReasonLine.h"

#include "harvest/SheetReason.h"
#include "panel/SheetModel.h"
#include "prefs/Localization.h"
#include "ui/SheetStyle.h"

namespace holdsheet {

ReasonLine::ReasonLine(SheetModel& model, const Localization& localization, double scale,
                       QWidget* parent)
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

void ReasonLine::refresh() {
    const auto& sheet = model_.sheet();
    const auto key = sheet ? sheetReasonKey(*sheet) : std::nullopt;
    if (key) {
        setText(localization_.localized(*key).arg(model_.displayName()));
    }
    setVisible(key.has_value());
}

}  // namespace holdsheet
