#pragma once
// The solar-term eight characters (节气八字) of a birth with its working: the pillars as almanacs count them
// (SolarTermPillars.h), the hidden stems, the element strengths and the favourable elements (ElementStrength.h).
// Shown beside the described chart under the label kSolarTermChartLabel, never in its place.
//
// The working of the chart is a list of items, each with an ASCII key, a Chinese caption and the value. The command
// line prints them as "key<TAB>value" lines (`namewright-cli chart --solar-terms`), the shortlist's pane as
// "caption：value". The first item is
//   pillars   四柱: the four pairs, year month day hour, separated by single spaces ("癸卯 乙丑 戊戌 戊午")
// then the working, every number with its reason:
//   chart  birth  zi-hour  solar-time  year  month  day  hour
//   hidden.year  hidden.month  hidden.day  hidden.hour    each hidden stem with its share of the branch
//   season                                               the month's element and the five seasonal states
//   points.year-stem  points.year-branch  ..  points.hour-branch   base x factor = points, per stem
//   element.wood  element.fire  element.earth  element.metal  element.water   sums with their terms
//   day-master  support  restraint  strength  useful  favourable  unfavourable  method
// Keys are ASCII and stable; captions and values are UTF-8 and may change wording.

#include "calendar/SolarTermPillars.h"
#include "chart/ElementStrength.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace namewright {

inline constexpr std::string_view kSolarTermChartLabel = "节气八字";

struct SolarTermChart {
    SolarTermPillars pillars;
    ElementStrength strength;
};

/// The chart of a birth; nothing where solarTermPillars gives nothing (bad or out-of-range input).
std::optional<SolarTermChart> solarTermChartOf(const BeijingTime& birth, const SolarTermPillarOptions& options = {});

/// One item of the working: the key the command line prints, the caption the window shows, and the value.
struct WorkingItem {
    std::string key;
    std::string caption;
    std::string value;
    bool operator==(const WorkingItem&) const = default;
};

/// The items described above, in that order.
std::vector<WorkingItem> solarTermChartWorking(const SolarTermChart& chart);

/// The four pairs separated by single spaces: "癸卯 乙丑 戊戌 戊午".
std::string pillarsLineText(const FourPillars& pillars);

} // namespace namewright
