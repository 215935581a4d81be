#include "reports/ExplanationBuilder.h"

#include "db/NamingDatabase.h"
#include "reports/Explanations.h"
#include "reports/NameTexts.h"

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
    data.elementText = texts[kElementText];
    data.heavenExplanation = numerologyExplanation(texts[kHeavenText], rows.grids[0]);
    data.personExplanation = numerologyExplanation(texts[kPersonText], rows.grids[1]);
    data.earthExplanation = numerologyExplanation(texts[kEarthText], rows.grids[2]);
    data.outerExplanation = numerologyExplanation(texts[kOuterText], rows.grids[3]);
    data.totalExplanation = numerologyExplanation(texts[kTotalText], rows.grids[4]);
    data.threeTalentsExplanation = threeTalentsExplanation(rows.threeTalents);
    data.name = texts[kNameText];
    data.score = texts[kScoreText];
    return data;
}

ReportData buildReportData(const ResultRowCells& texts, NamingDatabase& database) {
    const std::array<std::string, 5> numbers{texts[kHeavenText], texts[kPersonText], texts[kEarthText],
                                             texts[kOuterText], texts[kTotalText]};
    return buildReportData(texts, lookUpExplanationRows(numbers, texts[kThreeTalentsKeyText], database));
}

} // namespace namewright
