#pragma once
// The described birth chart (生辰八字) of a birth moment, counted by the lunar calendar (the year pillar from the lunar
// new year, the month pillar from each lunar month; Pillars.h), beside which this program shows the solar-term chart
// (SolarTermChart.h). Its seven texts are shown beside the results and printed in every report; the chart keeps the
// values they were written from beside them.

#include "calendar/Element.h"
#include "calendar/Sexagenary.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace namewright {

/// The seven chart texts, as the chart labels show them and the reports print them; what a favourite keeps.
struct ChartTexts {
    std::string lunarDate;       ///< 农历: the lunar date text, or "1881-2060" out of range
    std::string zodiacAnimal;    ///< 属相: one character, empty out of range
    std::string fourPillars;     ///< 四柱: e.g. "庚寅年 戊寅月 乙未日 庚辰时"
    std::string eightCharacters; ///< 八字: the pillars without 年 月 日 时, e.g. "庚寅 戊寅 乙未 庚辰"
    std::string elements;        ///< 五行: `wuxing` of each pillar, each followed by one space
    std::string nayin;           ///< 纳音: `wuxing1` of each pillar, each followed by one space
    std::string favourableElement; ///< 喜用神: each missing element of 金 木 水 火 土 followed by a space, or "无"
    bool operator==(const ChartTexts&) const = default;
};

/// The texts and the values they were written from.
struct LunarChart : ChartTexts {
    /// The pillars; nothing for a date out of range.
    std::optional<FourPillars> pillars;
    /// The elements none of the pillars' `bazi` element texts names: the 喜用神 as a set (all five out of range).
    ElementSet missingElements;
    bool operator==(const LunarChart&) const = default;
};

/// The seven results in the order the analysis works them out and fills the main window's labels.
enum class ChartLabel { LunarDate, FourPillars, ZodiacAnimal, EightCharacters, Elements, Nayin, FavourableElement };

/// One of the seven results: its label, its caption (the label's name without its colon), its name in the favourites
/// file and its text.
struct ChartResult {
    ChartLabel label;
    std::string_view caption;
    std::string_view key;
    std::string ChartTexts::*text;
};

/// The seven results in the order the main window's panel shows them from top to bottom, the reports print them and
/// the command line lists them.
inline constexpr std::array<ChartResult, 7> kChartResults{{
    {ChartLabel::LunarDate, "农历", "lunarDate", &ChartTexts::lunarDate},
    {ChartLabel::ZodiacAnimal, "属相", "zodiacAnimal", &ChartTexts::zodiacAnimal},
    {ChartLabel::FourPillars, "四柱", "fourPillars", &ChartTexts::fourPillars},
    {ChartLabel::EightCharacters, "八字", "eightCharacters", &ChartTexts::eightCharacters},
    {ChartLabel::Elements, "五行", "elements", &ChartTexts::elements},
    {ChartLabel::Nayin, "纳音", "nayin", &ChartTexts::nayin},
    {ChartLabel::FavourableElement, "喜用神", "favourableElement", &ChartTexts::favourableElement},
}};

/// The result shown by a label.
constexpr const ChartResult& chartResultOf(ChartLabel label) {
    for (const ChartResult& result : kChartResults) {
        if (result.label == label) {
            return result;
        }
    }
    return kChartResults.front();
}

} // namespace namewright
