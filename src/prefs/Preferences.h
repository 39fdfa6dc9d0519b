#pragma once

#include "platform/PreferenceStore.h"
#include "prefs/StoredEnum.h"

namespace holdsheet {

// The stored settings with their defaults. Nothing is registered: a missing key, or a value
// of the wrong kind, always reads as the default.
class Preferences {
  public:
    struct Key {
        static inline const QString hasOnboarded = QStringLiteral("hasOnboarded");
        static inline const QString theme = QStringLiteral("theme");
        static inline const QString material = QStringLiteral("material");
        static inline const QString glassAmount = QStringLiteral("glassAmount");
        static inline const QString textSize = QStringLiteral("textSize");
        static inline const QString holdLevel = QStringLiteral("holdLevel");
        static inline const QString holdKey = QStringLiteral("holdKey");
        static inline const QString closeOnRelease = QStringLiteral("closeOnRelease");
        static inline const QString showMenuBarIcon = QStringLiteral("showMenuBarIcon");
        static inline const QString language = QStringLiteral("language");
        static inline const QString showSystemShortcuts = QStringLiteral("showSystemShortcuts");
        static inline const QString showDisabled = QStringLiteral("showDisabled");
        static inline const QString excludedApps = QStringLiteral("excludedApps");
        static inline const QString hadAccessibilityAccess =
            QStringLiteral("hadAccessibilityAccess");
    };

    static constexpr double defaultGlassAmount = 0.65;
    static constexpr double defaultHoldLevel = 6;

    explicit Preferences(PreferenceStore& store) : store_(store) {}

    PreferenceStore& store() const { return store_; }

    bool hasOnboarded() const;
    AppTheme theme() const;
    PanelMaterial material() const;
    double glassAmount() const;
    TextSize textSize() const;
    double holdLevel() const;
    HoldKey holdKey() const;
    bool closeOnRelease() const;
    bool showMenuBarIcon() const;
    QString language() const;  // "system" or a language code
    bool showSystemShortcuts() const;
    bool showDisabled() const;
    QStringList excludedApps() const;
    bool hadAccessibilityAccess() const;

  private:
    bool flag(const QString& key, bool fallback) const;
    double number(const QString& key, double fallback) const;
    template <typename E>
    E choice(const QString& key, E fallback) const;

    PreferenceStore& store_;
};

}  // namespace holdsheet
