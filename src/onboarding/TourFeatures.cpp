#include "onboarding/TourFeatures.h"

#include "prefs/HoldKeyTexts.h"
#include "prefs/Localization.h"

namespace holdsheet {

namespace {
struct FeatureKeys {
    const char* id;
    const char* symbol;
    const char* titleKey;  // null: the feature has no title
    const char* textKey;
};

constexpr FeatureKeys features[] = {
    {"hold", "command", "tour.hold.title", "tour.hold.body"},
    {"click", "cursorarrow.click.2", "tour.click.title", "tour.click.body"},
    {"search", "magnifyingglass", "tour.search.title", "tour.search.body"},
    {"share", "square.and.arrow.up", "tour.share.title", "tour.share.body"},
    {"look", "paintpalette", "tour.look.title", "tour.look.body"},
    {"close", "escape", nullptr, "tour.close"},
};

QString text(const Localization& localization, const char* key, HoldKey holdKey) {
    const QString name = QString::fromLatin1(key);
    return namesHoldKey(name) ? holdKeyText(localization, name, holdKey)
                              : localization.localized(name);
}
}  // namespace

std::vector<TourFeature> tourFeatures(const Localization& localization, HoldKey holdKey) {
    std::vector<TourFeature> result;
    result.reserve(std::size(features));
    for (const FeatureKeys& keys : features) {
        TourFeature feature{QString::fromLatin1(keys.id), QString::fromLatin1(keys.symbol),
                            std::nullopt, text(localization, keys.textKey, holdKey)};
        if (keys.titleKey) {
            feature.title = text(localization, keys.titleKey, holdKey);
        }
        result.push_back(std::move(feature));
    }
    return result;
}

}  // namespace holdsheet
