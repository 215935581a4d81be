#include "reports/NameEvaluation.h"

#include "chart/SharedBirthChart.h"
#include "reports/ExplanationBuilder.h"
#include "reports/NameTexts.h"
#include "reports/ReportComposer.h"
#include "reports/SharedReportData.h"
#include "reports/TypedNameScoring.h"

namespace namewright {

std::optional<ComposedReport> evaluateName(const EvaluationInput& input, NamingDatabase& database,
                                           SharedBirthChart& sharedChart, SharedReportData& sharedReport,
                                           const YearWarningHandler& warn) {
    const BirthChart chart = AnalyseBirthChart(input.moment, database, sharedChart, warn);
    const std::optional<TypedNameScore> scored = scoreTypedName(input.familyText, input.givenText, database);
    if (!scored) {
        return std::nullopt;
    }
    // The report is composed from the values this evaluation produced, not read back from the shared holders: a
    // generation worker starting meanwhile may replace the shared chart, and the user asked about this moment.
    ReportData data = buildReportData(nameTexts(scored->name), scored->rows);
    ComposedReport report = composeReport(data, chart, ReportBox::EvaluationWindow);
    sharedReport.replace(std::move(data));
    return report;
}

} // namespace namewright
