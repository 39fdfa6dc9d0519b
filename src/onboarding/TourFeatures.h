#pragma once

#include "prefs/StoredEnum.h"

#include <QString>

#include <optional>
#include <vector>

namespace holdsheet {

class Localization;

// One feature the tour introduces, its texts already in the interface language.
struct TourFeature {
    QString id;
    QString symbol;
    std::optional<QString> title;
    QString text;
};

// The six features in the order the tour shows them, the hold key named where a text
// names it.
std::vector<TourFeature> tourFeatures(const Localization& localization, HoldKey holdKey);

}  // namespace holdsheet
