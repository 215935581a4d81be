#pragma once
// The record of a series of generation runs (本轮记录): the birth moment its latest worker read, the described chart of
// that moment and the solar-term chart beside it. A worker makes it once, before its mode runs (RunController), and
// the shortlist, its details pane and the favourites read it: none of them reads the date texts again.

#include "chart/BirthMomentTexts.h"
#include "chart/ChartAnalysis.h"
#include "chart/LunarChart.h"
#include "chart/MomentSolarTermChart.h"
#include "db/NamingDatabase.h"

#include <cstddef>
#include <cstdint>

namespace namewright {

struct SeriesRecord {
    std::uint32_t series = 0;        ///< the series (RunState::currentSeries) whose worker made it
    BirthMomentTexts moment;         ///< as that worker read it, minute included
    LunarChart chart;                ///< the described chart of the moment
    MomentSolarTermChart solarTerms; ///< the 节气八字 of the moment at its minute
    /// The first store row listed under this moment. Rows before it were listed under another moment of the same
    /// series (the date changed between a pause and 继续); the shortlist leaves them out.
    std::size_t firstRow = 0;
};

/// Both charts of `moment` for `series`: the described analysis on `database` (its results handed to `sinks` as
/// AnalyseBirthChart hands them) and the solar-term chart.
SeriesRecord analyseSeries(std::uint32_t series, const BirthMomentTexts& moment, NamingDatabase& database,
                           const ChartSinks& sinks = {});

} // namespace namewright
