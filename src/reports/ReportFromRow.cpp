#include "reports/ReportFromRow.h"

#include "naming/ResultRows.h"
#include "reports/ExplanationBuilder.h"
#include "reports/SharedReportData.h"

#include <cstddef>

namespace namewright {

bool reportFromResultRow(int gridRow, const ResultRows& rows, NamingDatabase& database, SharedReportData& report) {
    if (gridRow <= 0) {
        return false;
    }
    const auto index = static_cast<std::size_t>(gridRow) - 1;
    if (index >= rows.rowCount()) {
        return false;
    }
    report.replace(buildReportData(rows.rowCells(index), database));
    return true;
}

} // namespace namewright
