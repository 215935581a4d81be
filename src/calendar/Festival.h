#pragma once
// The traditional festivals (传统节日) the lunar calendar window marks.
//
// By the lunar date, never in a leap month: 春节 正月初一, 元宵 正月十五, 端午 五月初五, 七夕 七月初七, 中元 七月十五,
// 中秋 八月十五, 重阳 九月初九, 腊八 腊月初八, 除夕 the last day of the lunar year (腊月廿九 or 三十, the day before
// 春节). By the solar term: 清明 on the day of the term 清明.

#include <array>
#include <cstdint>
#include <string_view>

namespace namewright {

enum class Festival : std::uint8_t {
    SpringFestival,  ///< 春节
    LanternFestival, ///< 元宵
    DragonBoat,      ///< 端午
    Qixi,            ///< 七夕
    GhostFestival,   ///< 中元
    MidAutumn,       ///< 中秋
    DoubleNinth,     ///< 重阳
    Laba,            ///< 腊八
    NewYearsEve,     ///< 除夕
    QingMing,        ///< 清明
};

constexpr std::string_view festivalText(Festival festival) {
    constexpr std::array<std::string_view, 10> texts{"春节", "元宵", "端午", "七夕", "中元",
                                                     "中秋", "重阳", "腊八", "除夕", "清明"};
    return texts[static_cast<std::size_t>(festival)];
}

} // namespace namewright
