#include "reports/ExplanationBuilder.h"

#include "db/NamingDatabase.h"
#include "reports/Explanations.h"

namespace namewright {

ExplanationRows lookUpExplanationRows(const std::array<std::string, 5>& gridNumbers, std::string_view threeTalentsKey,
                                      NamingDatabase& database) {
    ExplanationRows rows;
    for (std::size_t grid = 0; grid < gridNumbers.size(); ++grid) {
        rows.grids[grid] = database.numerologyRow(gridNumbers[grid]);
    }
    rows.threeTalents = database.threeTalentsRow(threeTalentsKey);
    return rows;
}

ReportData buildReportData(const ResultRowCells& texts, const ExplanationRows& rows) {
    ReportData data;
    data.elementText = texts[ResultColumn::ElementText];
    data.heavenExplanation = numerologyExplanation(texts[ResultColumn::Heaven], rows.grids[0]);
    data.personExplanation = numerologyExplanation(texts[ResultColumn::Person], rows.grids[1]);
    data.earthExplanation = numerologyExplanation(texts[ResultColumn::Earth], rows.grids[2]);
    data.outerExplanation = numerologyExplanation(texts[ResultColumn::Outer], rows.grids[3]);
    data.totalExplanation = numerologyExplanation(texts[ResultColumn::Total], rows.grids[4]);
    data.threeTalentsExplanation = threeTalentsExplanation(rows.threeTalents);
    data.name = texts[ResultColumn::Name];
    data.score = texts[ResultColumn::Score];
    return data;
}

ReportData buildReportData(const ResultRowCells& texts, NamingDatabase& database) {
    const std::array<std::string, 5> numbers{texts[ResultColumn::Heaven], texts[ResultColumn::Person],
                                             texts[ResultColumn::Earth], texts[ResultColumn::Outer],
                                             texts[ResultColumn::Total]};
    return buildReportData(texts, lookUpExplanationRows(numbers, texts[ResultColumn::ThreeTalentsKey], database));
}

} // namespace namewright
