#include "reports/NameEvaluation.h"

#include "chart/LatestLunarChart.h"
#include "reports/ExplanationBuilder.h"
#include "reports/NameTexts.h"
#include "reports/ReportComposer.h"
#include "reports/SharedReportData.h"
#include "reports/TypedNameScoring.h"

namespace namewright {

std::optional<ComposedReport> evaluateName(const EvaluationInput& input, NamingDatabase& database,
                                           const EvaluationSinks& sinks) {
    const LunarChart chart = AnalyseBirthChart(input.moment, database, ChartSinks{sinks.warn, {}, sinks.latestChart});
    const std::optional<TypedNameScore> scored = scoreTypedName(input.familyText, input.givenText, database);
    if (!scored) {
        return std::nullopt;
    }
    // The report is composed from the values this evaluation produced, not read back from the shared holders: a
    // generation worker starting meanwhile may replace the shared chart, and the user asked about this moment.
    ReportData data = buildReportData(nameTexts(scored->name), scored->rows);
    ComposedReport report = composeReport(data, chart, ReportBox::EvaluationWindow);
    if (sinks.report != nullptr) {
        sinks.report->replace(std::move(data));
    }
    return report;
}

} // namespace namewright
