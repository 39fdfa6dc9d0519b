#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace holdsheet {

// Enumerations whose raw value is the case name: stored as that text, listed in case order.
enum class AppTheme { system, light, dark };
enum class PanelMaterial { liquidGlass, frosted, solid };
enum class TextSize { small, medium, large };
enum class SettingsTab { general, appearance, content, about };
// The modifier that, held alone, opens the sheet.
enum class HoldKey { super, control, alt };

template <typename E>
struct EnumCases;

template <>
struct EnumCases<AppTheme> {
    static constexpr std::array cases{AppTheme::system, AppTheme::light, AppTheme::dark};
    static constexpr std::array<std::string_view, 3> rawValues{"system", "light", "dark"};
};
template <>
struct EnumCases<PanelMaterial> {
    static constexpr std::array cases{PanelMaterial::liquidGlass, PanelMaterial::frosted,
                                      PanelMaterial::solid};
    static constexpr std::array<std::string_view, 3> rawValues{"liquidGlass", "frosted", "solid"};
};
template <>
struct EnumCases<TextSize> {
    static constexpr std::array cases{TextSize::small, TextSize::medium, TextSize::large};
    static constexpr std::array<std::string_view, 3> rawValues{"small", "medium", "large"};
};
template <>
struct EnumCases<SettingsTab> {
    static constexpr std::array cases{SettingsTab::general, SettingsTab::appearance,
                                      SettingsTab::content, SettingsTab::about};
    static constexpr std::array<std::string_view, 4> rawValues{"general", "appearance", "content",
                                                               "about"};
};

template <>
struct EnumCases<HoldKey> {
    static constexpr std::array cases{HoldKey::super, HoldKey::control, HoldKey::alt};
    static constexpr std::array<std::string_view, 3> rawValues{"super", "control", "alt"};
};

template <typename E>
constexpr const auto& allCases() {
    return EnumCases<E>::cases;
}

template <typename E>
QString rawValue(E value) {
    const auto raw = EnumCases<E>::rawValues[static_cast<std::size_t>(value)];
    return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
}

// The case with this raw value, or none.
template <typename E>
std::optional<E> fromRawValue(const QString& raw) {
    for (std::size_t i = 0; i < EnumCases<E>::cases.size(); ++i) {
        if (raw == rawValue(EnumCases<E>::cases[i])) {
            return EnumCases<E>::cases[i];
        }
    }
    return std::nullopt;
}

}  // namespace holdsheet
