// The character knowledge against the shipped characters.db: describing one name (target under 1 ms), the shortlist's
// knowledge columns of 1 M distinct given names of one family (target: well within the shortlist's 200 ms build
// budget), the verse class of 1 M pairs (target: a few ns a pair), opening the knowledge file, and what of that is
// the check of every row's checksum (RowChecksum.h).

#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "knowledge/RowChecksum.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "text/Utf8.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace namewright {
namespace {

const KnowledgeBase& shipped() {
    static const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    return knowledge;
}

std::vector<char32_t> nameCharacters(const char* table) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    std::vector<char32_t> out;
    for (const auto& row : db.listTable(table).rows) {
        const auto zi = decodeUtf8(std::get<std::string>(row[1]));
        out.push_back(zi.empty() ? 0 : zi[0]);
    }
    return out;
}

void describeOneName(benchmark::State& state, const char* family, const char* given) {
    if (!shipped().isAvailable()) {
        state.SkipWithError("no characters.db");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(describeName(shipped(), family, given));
    }
}
BENCHMARK_CAPTURE(describeOneName, FanTongWithAWarning, "范", "统")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(describeOneName, LiSiyuanWithVerses, "李", "思远")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(describeOneName, YuchiCompoundFamily, "尉迟", "晓雪")->Unit(benchmark::kMicrosecond);

/// 1 M distinct given names of two characters (word1 x word2 in a shuffled order) and their knowledge columns.
void shortlistColumnsOfAMillionNames(benchmark::State& state) {
    if (!shipped().isAvailable()) {
        state.SkipWithError("no characters.db");
        return;
    }
    const auto first = nameCharacters("word1");
    const auto second = nameCharacters("word2");
    std::vector<std::pair<char32_t, char32_t>> names;
    for (const auto a : first) {
        for (const auto b : second) {
            names.emplace_back(a, b);
        }
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(1));
    names.resize(std::min<std::size_t>(names.size(), 1'000'000));
    std::size_t flagged = 0;
    for (auto _ : state) {
        const FamilyKnowledgeFlags columns(shipped(), "李");
        for (const auto& [a, b] : names) {
            const auto c = columns.flags(a, b);
            flagged += c.noSoundWarning + c.hasVerse + c.commonOnly;
        }
        benchmark::DoNotOptimize(flagged);
    }
    state.counters["names"] = static_cast<double>(names.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}
BENCHMARK(shortlistColumnsOfAMillionNames)->Unit(benchmark::kMillisecond);

/// The verse class of 1 M pairs of name characters by their places in the verse index (what a ranking of many names
/// reads per name; target: a few ns a pair).
void verseClassOfAMillionPairs(benchmark::State& state) {
    if (!shipped().isAvailable()) {
        state.SkipWithError("no characters.db");
        return;
    }
    const auto first = nameCharacters("word1");
    const auto second = nameCharacters("word2");
    std::vector<std::pair<std::int16_t, std::int16_t>> places;
    for (const auto a : first) {
        for (const auto b : second) {
            places.emplace_back(shipped().compact(a).firstIndex, shipped().compact(b).secondIndex);
        }
    }
    std::shuffle(places.begin(), places.end(), std::mt19937(1));
    places.resize(std::min<std::size_t>(places.size(), 1'000'000));
    std::size_t sideBySide = 0;
    for (auto _ : state) {
        for (const auto& [a, b] : places) {
            sideBySide += shipped().verseClassAt(a, b) >= VerseClass::SideBySide;
        }
        benchmark::DoNotOptimize(sideBySide);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * places.size()));
}
BENCHMARK(verseClassOfAMillionPairs)->Unit(benchmark::kMillisecond);

void openKnowledgeFile(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE).isAvailable());
    }
}
BENCHMARK(openKnowledgeFile)->Unit(benchmark::kMillisecond);

/// Every row of the tables opening reads whole, read through SQLite as opening reads them: with `checked`, the
/// checksum of each row computed and compared too. The difference of the two is what the checks cost at opening.
void readTheTablesReadAtOpening(benchmark::State& state, bool checked) {
    SQLite::Database db(NAMEWRIGHT_KNOWLEDGE_FILE, SQLite::OPEN_READONLY);
    registerRowChecksum(db.getHandle());
    std::vector<SQLite::Statement> scans;
    for (const KnowledgeTable& table : kKnowledgeTables) {
        if (table.readWhole) {
            scans.emplace_back(db, "SELECT " + std::string(table.columns) + ", checksum" +
                                       (checked ? ", " + rowChecksumTest(table) : std::string()) + " FROM " +
                                       std::string(table.name));
        }
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (SQLite::Statement& scan : scans) {
            scan.reset();
            while (scan.executeStep()) {
                const int last = scan.getColumnCount() - 1;
                rows += scan.getColumn(last).getInt64();
            }
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_CAPTURE(readTheTablesReadAtOpening, Unchecked, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(readTheTablesReadAtOpening, EveryRowsChecksumChecked, true)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace namewright
