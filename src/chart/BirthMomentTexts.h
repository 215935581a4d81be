#pragma once
// The birth moment as typed (出生时刻): the texts of the main window's five boxes, read by the chart analyses.

#include <string>

namespace namewright {

/// The year, month, day, hour and minute boxes' texts. The described analysis (ChartAnalysis.h) reads the first four
/// only, as whole numbers; the minute is read by the solar-term chart beside it (MomentSolarTermChart.h).
struct BirthMomentTexts {
    std::string year, month, day, hour;
    std::string minute = {}; ///< empty where no minute was typed or is known (may be left out of a braced list)
    bool operator==(const BirthMomentTexts&) const = default;
};

} // namespace namewright
