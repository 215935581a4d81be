#pragma once
// The birth chart (生辰八字) of a birth moment: seven texts, shown beside the results and printed in every report, and
// beside them the values they were written from.

#include "calendar/Element.h"
#include "calendar/Sexagenary.h"

#include <optional>
#include <string>

namespace namewright {

struct BirthChart {
    std::string lunarDate;       ///< 农历: the lunar date text, or "1881-2060" out of range
    std::string zodiacAnimal;    ///< 属相: one character, empty out of range
    std::string fourPillars;     ///< 四柱: e.g. "庚寅年 戊寅月 乙未日 庚辰时"
    std::string eightCharacters; ///< 八字: the pillars without 年 月 日 时, e.g. "庚寅 戊寅 乙未 庚辰"
    std::string elements;        ///< 五行: `wuxing` of each pillar, each followed by one space
    std::string nayin;           ///< 纳音: `wuxing1` of each pillar, each followed by one space
    std::string favourableElement; ///< 喜用神: each missing element of 金 木 水 火 土 followed by a space, or "无"

    /// The pillars the texts were written from; nothing for a date out of range.
    std::optional<FourPillars> pillars;
    /// The elements none of the pillars' `bazi` element texts names: the 喜用神 as a set (all five out of range).
    ElementSet missingElements;

    bool operator==(const BirthChart&) const = default;
};

} // namespace namewright
