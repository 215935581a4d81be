#pragma once
// Element strengths of the solar-term chart and the favourable elements they point to (五行旺衰, 用神 by support and
// restraint), shown beside the described chart's favourable element (the absent elements, ChartAnalysis.h), never in
// its place. This header is the one place the method is written down.
//
// Tradition: the Ziping school (子平法) of the eight characters, as 《子平真诠》 (沈孝瞻, 18th century) and 《滴天髓》
// (with 任铁樵's commentary) set it out: the day stem is the self (日主); the month branch (月令) commands the chart;
// a strong self is restrained and drained, a weak one supported (扶抑: 强者抑之, 弱者扶之). The point counts are this
// program's quantification of those rules, not numbers from the texts. Stem combinations (合), clashes (冲),
// transformations (化) and the special structures (从格, 化气格, 专旺格) are left out.
//
// 1. Base points. Each of the four stems: 100. Each branch: 100 shared among its hidden stems (藏干,
//    EarthlyBranch::hiddenStems): 100 for one; 70 and 30 for two; 60, 30 and 10 for three: the principal stem (本气)
//    rules the branch, the middle (中气) and residual (余气) stems follow in the order of the days they rule in the
//    month (人元司令). The month branch counts double (200: 200; 140 and 60; 120, 60 and 20), the month being the
//    commander of the chart.
// 2. Season. Each base is multiplied by the seasonal state (SeasonalState.h) of its stem's element in the chart's
//    month: 旺 1.4, 相 1.2, 休 1.0, 囚 0.8, 死 0.6, five equal steps around 1 in the traditional order. Every product
//    is a whole number.
// 3. The strength of an element is the sum of the points of its stems, visible and hidden.
// 4. The day master. Support: the day stem's own element (比劫, companions; the day stem itself included) and the
//    element that generates it (印, resource). Restraint: the element it generates (食伤, output), the one it
//    overcomes (财, wealth) and the one that overcomes it (官杀, power). 身强 (strong) when support is greater than
//    restraint, else 身弱 (weak): a tie is weak, as the day stem always stands on the support side.
// 5. The favourable elements:
//      strength  condition                                   用神   喜神   忌神
//      身弱      财 is not stronger than both 食伤 and 官杀   印     比劫   财     财 overcomes the resource
//      身弱      财 is stronger than both                     比劫   印     官杀   财多身弱: companions share wealth
//      身强      印 is stronger than 比劫                     财     食伤   比劫   印多用财: wealth curbs resource
//      身强      比劫 is at least as strong as 印             官杀   财     食伤   power restrains companions
//    The 忌神 is always the element that overcomes the 用神; the 喜神 generates the 用神, except for a weak self
//    whose 用神 is the resource, where it is the companions (the element generating the resource would be 官杀,
//    which attacks the self).
//
// Pure functions of the pillars; safe from any thread.

#include "calendar/Element.h"
#include "calendar/Sexagenary.h"
#include "chart/SeasonalState.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace namewright {

inline constexpr int kStemPoints = 100;
inline constexpr int kBranchPoints = 100;
inline constexpr int kMonthBranchFactor = 2;

/// Share of a branch's points for its hidden stem at `rank` (0 本气, 1 中气, 2 余气) of `count`; 0 outside.
constexpr int hiddenStemShare(int count, int rank) {
    constexpr std::array<std::array<int, 3>, 3> shares{{{100, 0, 0}, {70, 30, 0}, {60, 30, 10}}};
    if (count < 1 || count > 3 || rank < 0 || rank >= count) {
        return 0;
    }
    return shares[static_cast<std::size_t>(count - 1)][static_cast<std::size_t>(rank)];
}

/// The seasonal factor in percent: 旺 140, 相 120, 休 100, 囚 80, 死 60.
constexpr int seasonalFactorPercent(SeasonalState state) {
    return 140 - 20 * static_cast<int>(state);
}

/// The five relations of an element to the day master (十神 in pairs).
enum class DayMasterRelation : std::uint8_t {
    Companion, ///< 比劫: the day master's own element
    Resource,  ///< 印: generates the day master
    Output,    ///< 食伤: the day master generates it
    Wealth,    ///< 财: the day master overcomes it
    Power,     ///< 官杀: overcomes the day master
};

/// "比劫", "印", "食伤", "财" or "官杀".
std::string_view dayMasterRelationText(DayMasterRelation relation);

constexpr Element elementOfRelation(Element dayMaster, DayMasterRelation relation) {
    switch (relation) {
    case DayMasterRelation::Companion:
        return dayMaster;
    case DayMasterRelation::Resource:
        return generatorOf(dayMaster);
    case DayMasterRelation::Output:
        return generatedBy(dayMaster);
    case DayMasterRelation::Wealth:
        return overcomeBy(dayMaster);
    case DayMasterRelation::Power:
        return overcomerOf(dayMaster);
    }
    return dayMaster;
}

enum class PillarPosition : std::uint8_t { Year, Month, Day, Hour };

/// "年", "月", "日" or "时".
std::string_view pillarPositionText(PillarPosition position);

/// One stem's points: a pillar's stem or one of its branch's hidden stems.
struct StrengthContribution {
    PillarPosition pillar = PillarPosition::Year;
    bool hidden = false; ///< a hidden stem of the pillar's branch (else the pillar's stem)
    int rank = 0;        ///< hidden stems: 0 本气, 1 中气, 2 余气
    HeavenlyStem stem = HeavenlyStem::fromNumber(1);
    int basePoints = 0;
    SeasonalState state = SeasonalState::Prospering;
    int factorPercent = 100;
    int points = 0; ///< basePoints * factorPercent / 100
};

/// Which row of the table in step 5 chose the favourable elements.
enum class BalanceCase : std::uint8_t { WeakUsesResource, WeakUsesCompanions, StrongUsesWealth, StrongUsesPower };

struct ElementStrength {
    Element season = Element::Wood;                  ///< element of the month branch
    std::vector<StrengthContribution> contributions; ///< year stem, year branch's hidden stems, month stem, ...
    std::array<int, 5> points{};                     ///< by Element value
    HeavenlyStem dayMaster = HeavenlyStem::fromNumber(1);
    int support = 0;
    int restraint = 0;
    bool strong = false; ///< 身强
    BalanceCase balance = BalanceCase::WeakUsesResource;
    Element useful = Element::Wood;       ///< 用神
    Element favourable = Element::Wood;   ///< 喜神
    Element unfavourable = Element::Wood; ///< 忌神

    int pointsOf(Element element) const { return points[static_cast<std::size_t>(element)]; }
    int pointsOf(DayMasterRelation relation) const {
        return pointsOf(elementOfRelation(dayMaster.element(), relation));
    }
    /// 用神 and 喜神.
    ElementSet favourableElements() const { return ElementSet{useful, favourable}; }
};

ElementStrength analyseElementStrength(const FourPillars& pillars);

} // namespace namewright
