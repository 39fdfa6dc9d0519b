#pragma once

#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"

#include <chrono>

namespace holdsheet {

// The stored settings: every key's name, kind, default and range, read and written only
// here. Nothing is registered: a missing key, or a value of the wrong kind, always reads as
// the default. The key names and value formats are those of users' settings files.
class Preferences {
  public:
    static constexpr double defaultGlassAmount = 0.65;
    // The hold level is a step of the settings slider: 0.5 s plus a quarter second a step.
    static constexpr double defaultHoldLevel = 6;
    static constexpr double lowestHoldLevel = 0;
    static constexpr double highestHoldLevel = 26;
    static constexpr double holdLevelStep = 1;

    explicit Preferences(PreferenceStore& store) : store_(store) {}

    bool hasOnboarded() const;
    AppTheme theme() const;
    PanelMaterial material() const;
    double glassAmount() const;
    TextSize textSize() const;
    double holdLevel() const;
    // How long the hold key must be held alone: 0.5 s to 7.0 s in quarter seconds.
    std::chrono::milliseconds holdDelay() const;
    HoldKey holdKey() const;
    bool closeOnRelease() const;
    bool showMenuBarIcon() const;
    QString language() const;  // "system" or a language code
    bool showSystemShortcuts() const;
    bool showDisabled() const;
    QStringList excludedApps() const;
    bool hadAccessibilityAccess() const;

    // Each write reaches the store's observers; numbers are kept within their ranges.
    void setHasOnboarded(bool on);
    void setTheme(AppTheme theme);
    void setMaterial(PanelMaterial material);
    void setGlassAmount(double amount);
    void setTextSize(TextSize size);
    void setHoldLevel(double level);
    void setHoldKey(HoldKey key);
    void setCloseOnRelease(bool on);
    void setShowMenuBarIcon(bool on);
    void setLanguage(const QString& language);
    void setShowSystemShortcuts(bool on);
    void setShowDisabled(bool on);
    void setExcludedApps(const QStringList& ids);
    void setHadAccessibilityAccess(bool had);

  private:
    struct Key;

    bool flag(const QString& key, bool fallback) const;
    std::optional<double> number(const QString& key) const;
    double finiteNumber(const QString& key, double fallback) const;
    template <typename E>
    E choice(const QString& key, E fallback) const;

    PreferenceStore& store_;
};

}  // namespace holdsheet
