#pragma once
// The 24 solar terms (二十四节气), in the order they fall in a Gregorian year: 小寒 at the Sun's apparent longitude
// 285 degrees, then every 15 degrees on to 冬至 at 270 degrees.
//
// The terms at even positions are the 12 节 (sectional terms) that open the months of the solar-term chart: 小寒 opens
// the 丑 month, 立春 the 寅 month, 惊蛰 the 卯 month ... 大雪 the 子 month. The terms at odd positions are the 中气.

#include "calendar/Sexagenary.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace namewright {

enum class SolarTerm : std::uint8_t {
    MinorCold,          ///< 小寒 285
    MajorCold,          ///< 大寒 300
    StartOfSpring,      ///< 立春 315
    RainWater,          ///< 雨水 330
    AwakeningOfInsects, ///< 惊蛰 345
    SpringEquinox,      ///< 春分 0
    ClearAndBright,     ///< 清明 15
    GrainRain,          ///< 谷雨 30
    StartOfSummer,      ///< 立夏 45
    GrainBuds,          ///< 小满 60
    GrainInEar,         ///< 芒种 75
    SummerSolstice,     ///< 夏至 90
    MinorHeat,          ///< 小暑 105
    MajorHeat,          ///< 大暑 120
    StartOfAutumn,      ///< 立秋 135
    EndOfHeat,          ///< 处暑 150
    WhiteDew,           ///< 白露 165
    AutumnEquinox,      ///< 秋分 180
    ColdDew,            ///< 寒露 195
    FrostDescent,       ///< 霜降 210
    StartOfWinter,      ///< 立冬 225
    MinorSnow,          ///< 小雪 240
    MajorSnow,          ///< 大雪 255
    WinterSolstice,     ///< 冬至 270
};

inline constexpr int kSolarTermCount = 24;

/// Position 0..23 of a term in its Gregorian year.
constexpr int solarTermIndex(SolarTerm term) {
    return static_cast<int>(term);
}

/// The term at position `index` 0..23, read cyclically for any other int.
constexpr SolarTerm solarTermAt(int index) {
    const int r = index % kSolarTermCount;
    return static_cast<SolarTerm>(r < 0 ? r + kSolarTermCount : r);
}

namespace solar_term_detail {
inline constexpr std::string_view kNames =
    "小寒大寒立春雨水惊蛰春分清明谷雨立夏小满芒种夏至小暑大暑立秋处暑白露秋分寒露霜降立冬小雪大雪冬至";
inline constexpr std::size_t kNameBytes = 6;
static_assert(kNames.size() == kSolarTermCount * kNameBytes);
} // namespace solar_term_detail

/// "小寒" .. "冬至": the only place the term names are spelled.
constexpr std::string_view solarTermText(SolarTerm term) {
    return solar_term_detail::kNames.substr(
        static_cast<std::size_t>(solarTermIndex(term)) * solar_term_detail::kNameBytes, solar_term_detail::kNameBytes);
}

/// The term a two-character text names; nothing for any other text.
constexpr std::optional<SolarTerm> solarTermOfText(std::string_view text) {
    for (int i = 0; i < kSolarTermCount; ++i) {
        if (solarTermText(solarTermAt(i)) == text) {
            return solarTermAt(i);
        }
    }
    return std::nullopt;
}

/// The Sun's apparent longitude at the term, whole degrees 0..345.
constexpr int solarTermLongitudeDegrees(SolarTerm term) {
    return (285 + 15 * solarTermIndex(term)) % 360;
}

/// True for the 12 节 (小寒 立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪).
constexpr bool isSectionalTerm(SolarTerm term) {
    return solarTermIndex(term) % 2 == 0;
}

/// The branch of the month a 节 opens (小寒 丑, 立春 寅 .. 大雪 子); for a 中气, the branch of the month it lies in.
constexpr EarthlyBranch monthBranchOfTerm(SolarTerm term) {
    return EarthlyBranch::fromNumber(solarTermIndex(term) / 2 + 2);
}

} // namespace namewright
