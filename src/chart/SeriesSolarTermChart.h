#pragma once
// The solar-term chart (节气八字) of the birth moment a series of runs works with, for the shortlist's details pane
// and its filter "supplies the favourable element (节气八字)".
//
// The described chart reads the year, month, day and hour boxes only. The solar-term chart needs a minute as well: it
// takes the minute box's text when that is a whole number 0..59, and minute 0 otherwise (the pane says which).

#include "chart/ChartAnalysis.h"
#include "chart/SolarTermChart.h"

#include <optional>
#include <string_view>

namespace namewright {

struct SeriesSolarTermChart {
    std::optional<SolarTermChart> chart; ///< nothing for a moment it cannot take (a bad date, a year out of range)
    int minute = 0;                      ///< the minute the chart was worked out for
    bool minuteFromBox = false;          ///< false: the box held no minute 0..59, so minute 0 was used
};

/// The chart of `moment` (the four boxes' texts, read as whole numbers) at the minute of `minuteText`.
SeriesSolarTermChart seriesSolarTermChart(const BirthMomentTexts& moment, std::string_view minuteText);

} // namespace namewright
