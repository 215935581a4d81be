// Evaluating and reporting one name end to end: birth chart, character lookups, scoring, explanations and the
// composed report text, against the shipped hun.mdb and against a temporary database with tables of the shipped
// size (81 numbers, 125 three-talents keys, 60 stem-branch pairs, 3000 characters). Target: under 1 ms per name.

#include "chart/LatestLunarChart.h"
#include "db/NamingDatabase.h"
#include "naming/ResultRows.h"
#include "reports/NameEvaluation.h"
#include "reports/ReferenceTables.h"
#include "reports/ReportComposer.h"
#include "reports/ReportFromRow.h"
#include "reports/SharedReportData.h"

#include "support/ShapedTables.h"
#include "support/TempDatabase.h"

#include <benchmark/benchmark.h>

#include <string>

namespace namewright {
namespace {

/// A database shaped like the shipped one, removed when the program ends.
struct ShippedSizeDatabase {
    ShippedSizeDatabase() { testing::fillShippedSizeTables(file); }
    testing::TempDatabase file;
};

const testing::TempDatabase& shippedSizeDatabase() {
    static const ShippedSizeDatabase database;
    return database.file;
}

const EvaluationInput kInitialContents{"李", "哉栋", BirthMomentTexts{"2011", "1", "1", "1"}};

void evaluateOn(benchmark::State& state, NamingDatabase& database) {
    LatestLunarChart chart;
    SharedReportData report;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto composed = evaluateName(kInitialContents, database, {.latestChart = &chart, .report = &report});
        bytes = composed ? composed->text.size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}

void BM_EvaluateAndComposeRealistic(benchmark::State& state) {
    NamingDatabase database = NamingDatabase::open(shippedSizeDatabase().path());
    if (!database.isOpen()) {
        state.SkipWithError("the temporary database did not open");
        return;
    }
    evaluateOn(state, database);
}
BENCHMARK(BM_EvaluateAndComposeRealistic)->Unit(benchmark::kMicrosecond);

void BM_EvaluateAndComposeShipped(benchmark::State& state) {
    NamingDatabase database = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    if (!database.isOpen()) {
        state.SkipWithError("the shipped hun.mdb is missing or unreadable");
        return;
    }
    const bool filled = database.wordRow("李") && database.numerologyRow("8") && database.baziRow("甲子");
    state.SetLabel(filled ? "shipped tables" : "shipped tables lack rows (李 in word, 8 in sl or 甲子 in bazi)");
    evaluateOn(state, database);
}
BENCHMARK(BM_EvaluateAndComposeShipped)->Unit(benchmark::kMicrosecond);

class SingleRow : public ResultRows {
public:
    std::size_t rowCount() const override { return 1; }
    ResultRowCells rowCells(std::size_t) const override {
        return {"李哉栋", "98", "8", "16", "21", "13", "28", "金土木", "火金木"};
    }
};

void BM_ReportFromRowAndComposeRealistic(benchmark::State& state) {
    NamingDatabase database = NamingDatabase::open(shippedSizeDatabase().path());
    LatestLunarChart chart;
    SharedReportData report;
    const SingleRow rows;
    for (auto _ : state) {
        reportFromResultRow(1, rows, database, report);
        benchmark::DoNotOptimize(composeReport(report, chart, ReportBox::ReportWindow));
    }
}
BENCHMARK(BM_ReportFromRowAndComposeRealistic)->Unit(benchmark::kMicrosecond);

void BM_ListNumerologyTableRealistic(benchmark::State& state) {
    for (auto _ : state) {
        ReferenceTables tables(shippedSizeDatabase().path());
        benchmark::DoNotOptimize(tables.list(kNumerologyTableSelector));
    }
}
BENCHMARK(BM_ListNumerologyTableRealistic)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace namewright
