#pragma once
// The explanation builder (释义生成): the report data of a scored name from its nine texts (NameTexts.h) and the
// `sl` and `3cai` rows of its grid numbers and three-talents key.

#include "db/Rows.h"
#include "naming/ResultRows.h"
#include "reports/ReportData.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace namewright {

class NamingDatabase;

/// The database rows one report reads: the `sl` rows of the heaven, person, earth, outer and total numbers, in that
/// order, and the `3cai` row of the three-talents key. A lookup that finds nothing stays empty.
struct ExplanationRows {
    std::array<std::optional<NumerologyRow>, 5> grids;
    std::optional<ThreeTalentsRow> threeTalents;
};

/// Looks up the rows of five grid number texts (heaven, person, earth, outer, total) and a key, each number as the
/// text given, in that order and then the key.
ExplanationRows lookUpExplanationRows(const std::array<std::string, 5>& gridNumbers, std::string_view threeTalentsKey,
                                      NamingDatabase& database);

/// The report data from the nine texts and the rows already looked up for them.
ReportData buildReportData(const ResultRowCells& texts, const ExplanationRows& rows);

/// The explanation builder: looks up the rows of the nine texts on `database` and builds the report data. A closed
/// connection leaves every explanation with empty field texts.
ReportData buildReportData(const ResultRowCells& texts, NamingDatabase& database);

} // namespace namewright
