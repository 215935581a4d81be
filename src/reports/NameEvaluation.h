#pragma once
// Name evaluation (姓名评测): the birth chart, score and report of one name the user typed, all at once on the
// calling thread.

#include "calendar/YearWarning.h"
#include "chart/ChartAnalysis.h"
#include "reports/ComposedReport.h"

#include <optional>
#include <string>

namespace namewright {

class LatestLunarChart;
class NamingDatabase;
class SharedReportData;

/// The evaluation window's inputs, as typed or picked.
struct EvaluationInput {
    std::string familyText;  ///< the family-name box; only its first character (2 GBK bytes) is used
    std::string givenText;   ///< the given-name box: one or two characters (2 or 4 GBK bytes)
    BirthMomentTexts moment; ///< the year, month, day and hour boxes
};

/// Where an evaluation hands what it produces besides the report it returns; each is optional (the window sets all,
/// the command line none).
struct EvaluationSinks {
    YearWarningHandler warn = {};            ///< the calendar's year warnings (twice for a year outside 1881..2060)
    LatestLunarChart* latestChart = nullptr; ///< replaced by the chart of the moment
    SharedReportData* report = nullptr;      ///< replaced by the name's report data
};

/// Evaluates the typed name:
/// 1. analyses the birth chart of the moment in its evaluation form (no labels), which replaces the latest chart
///    (even when the given text turns out to be no name);
/// 2. scores the name as scoreTypedName does (TypedNameScoring.h; the score cap always applies); a given text that is
///    not 2 or 4 GBK bytes wide ends the evaluation here with std::nullopt, and the report box keeps what it shows;
/// 3. replaces the shared report data with the name's;
/// 4. returns the report composed for the evaluation window (cleared first, blue) with the chart of step 1.
/// All lookups run on `database`, the interface thread's own connection.
std::optional<ComposedReport> evaluateName(const EvaluationInput& input, NamingDatabase& database,
                                           const EvaluationSinks& sinks = {});

} // namespace namewright
