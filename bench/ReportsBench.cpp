// Evaluating and reporting one name end to end: birth chart, character lookups, scoring, explanations and the
// composed report text, against the shipped hun.mdb and against a temporary database with tables of the shipped
// size (81 numbers, 125 three-talents keys, 60 stem-branch pairs, 3000 characters). Target: under 1 ms per name.

#include "chart/SharedBirthChart.h"
#include "db/NamingDatabase.h"
#include "naming/FiveGrids.h"
#include "naming/ResultRows.h"
#include "reports/NameEvaluation.h"
#include "reports/ReferenceTables.h"
#include "reports/ReportComposer.h"
#include "reports/ReportFromRow.h"
#include "reports/SharedReportData.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace namewright {
namespace {

std::string utf8(char32_t c) {
    std::string out;
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

/// A text of `characters` CJK characters, different for each seed.
std::string sampleText(std::size_t characters, std::size_t seed) {
    std::string text;
    for (std::size_t i = 0; i < characters; ++i) {
        text += utf8(static_cast<char32_t>(0x4E00 + (seed * 131 + i * 17) % 20000));
    }
    return text;
}

/// A database file shaped like the shipped one, removed when the program ends.
class RealisticDatabase {
public:
    RealisticDatabase()
        : m_path(std::filesystem::temp_directory_path() / ("namewright-bench-" + std::to_string(::getpid()) + ".mdb")) {
        SQLite::Database db(m_path.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        std::ifstream schema(NAMEWRIGHT_SCHEMA_FILE);
        std::stringstream sql;
        sql << schema.rdbuf();
        db.exec(sql.str());
        SQLite::Transaction transaction(db);
        fillBazi(db);
        fillWords(db);
        fillNumerology(db);
        fillThreeTalents(db);
        transaction.commit();
    }
    ~RealisticDatabase() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    RealisticDatabase(const RealisticDatabase&) = delete;
    RealisticDatabase& operator=(const RealisticDatabase&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    static void fillBazi(SQLite::Database& db) {
        constexpr std::array<const char*, 10> stems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
        constexpr std::array<const char*, 10> stemElements{"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
        constexpr std::array<const char*, 12> branches{"子", "丑", "寅", "卯", "辰", "巳",
                                                       "午", "未", "申", "酉", "戌", "亥"};
        constexpr std::array<const char*, 12> branchElements{"水", "土", "木", "木", "土", "火",
                                                             "火", "土", "金", "金", "土", "水"};
        SQLite::Statement insert(db, "INSERT INTO bazi VALUES (?, ?, ?)");
        for (std::size_t cycle = 0; cycle < 60; ++cycle) {
            insert.bind(1, std::string(stems[cycle % 10]) + branches[cycle % 12]);
            insert.bind(2, std::string(stemElements[cycle % 10]) + branchElements[cycle % 12]);
            insert.bind(3, sampleText(3, cycle / 2));
            insert.exec();
            insert.reset();
        }
    }

    static void fillWords(SQLite::Database& db) {
        constexpr std::array<const char*, 5> elements{"金", "木", "水", "火", "土"};
        SQLite::Statement insert(db, "INSERT INTO word VALUES (?, ?, ?)");
        const auto add = [&](const std::string& zi, int strokes, const char* element) {
            insert.bind(1, zi);
            insert.bind(2, strokes);
            insert.bind(3, element);
            insert.exec();
            insert.reset();
        };
        add("李", 7, "火");
        add("哉", 9, "金");
        add("栋", 12, "木");
        for (char32_t c = 0x4E00; c < 0x4E00 + 3000; ++c) {
            add(utf8(c), 1 + static_cast<int>(c * 7 % 30), elements[c % 5]);
        }
    }

    static void fillNumerology(SQLite::Database& db) {
        constexpr std::array<const char*, 3> lucks{"吉", "半吉", "凶"};
        SQLite::Statement insert(db, "INSERT INTO sl VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (std::size_t n = 1; n <= 81; ++n) {
            insert.bind(1, std::to_string(n));
            insert.bind(2, lucks[n * 7 % 3]);
            insert.bind(3, sampleText(4, n));
            insert.bind(4, sampleText(40, n + 100));
            insert.bind(5, sampleText(40, n + 200));
            insert.bind(6, sampleText(40, n + 300));
            insert.bind(7, sampleText(60, n + 400));
            insert.exec();
            insert.reset();
        }
    }

    static void fillThreeTalents(SQLite::Database& db) {
        constexpr std::array<const char*, 3> lucks{"吉", "半吉", "凶"};
        SQLite::Statement insert(db, "INSERT INTO \"3cai\" VALUES (?, ?, ?, ?)");
        for (int index = 0; index < 125; ++index) {
            insert.bind(1, index + 1);
            insert.bind(2, threeTalentsKey(index));
            insert.bind(3, sampleText(80, static_cast<std::size_t>(index) + 500));
            insert.bind(4, lucks[static_cast<std::size_t>(index) * 5 % 3]);
            insert.exec();
            insert.reset();
        }
    }

    std::filesystem::path m_path;
};

const RealisticDatabase& realisticDatabase() {
    static const RealisticDatabase database;
    return database;
}

const EvaluationInput kInitialContents{"李", "哉栋", BirthMomentTexts{"2011", "1", "1", "1"}};

void evaluateOn(benchmark::State& state, NamingDatabase& database) {
    SharedBirthChart chart;
    SharedReportData report;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto composed = evaluateName(kInitialContents, database, chart, report, {});
        bytes = composed ? composed->text.size() : 0;
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["report_bytes"] = static_cast<double>(bytes);
}

void BM_EvaluateAndComposeRealistic(benchmark::State& state) {
    NamingDatabase database = NamingDatabase::open(realisticDatabase().path());
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
    NamingDatabase database = NamingDatabase::open(realisticDatabase().path());
    SharedBirthChart chart;
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
        ReferenceTables tables(realisticDatabase().path());
        benchmark::DoNotOptimize(tables.list(kNumerologyTableSelector));
    }
}
BENCHMARK(BM_ListNumerologyTableRealistic)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace namewright
