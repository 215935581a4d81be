#pragma once
// The solar-term chart (节气八字) of a birth moment as typed in the main window's boxes, for the shortlist's details
// pane and its filter "supplies the favourable element (节气八字)".
//
// The described chart reads the year, month, day and hour boxes only. The solar-term chart needs a minute as well: it
// takes the minute box's text when that is a minute (minuteOfText), and minute 0 otherwise (the pane says which).

#include "chart/ChartAnalysis.h"
#include "chart/SolarTermChart.h"

#include <optional>
#include <string_view>

namespace namewright {

struct MomentSolarTermChart {
    std::optional<SolarTermChart> chart; ///< nothing for a moment it cannot take (a bad date, a year out of range)
    int minute = 0;                      ///< the minute the chart was worked out for
    bool minuteFromBox = false;          ///< false: the moment held no minute 0..59, so minute 0 was used
};

/// The minute of a minute box's text: one or two decimal digits, spaces around allowed, 0..59; nothing for anything
/// else (empty, "60", "-1", "1.5", full-width digits).
std::optional<int> minuteOfText(std::string_view text);

/// The chart of `moment` (the year, month, day and hour texts read as whole numbers) at its minute.
MomentSolarTermChart momentSolarTermChart(const BirthMomentTexts& moment);

} // namespace namewright
