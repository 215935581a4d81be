// The character knowledge against the shipped characters.db: describing one name (target under 1 ms), the shortlist's
// knowledge columns of 1 M distinct given names of one family (target: well within the shortlist's 200 ms build
// budget), and opening the knowledge file.

#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "text/Utf8.h"

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

void openKnowledgeFile(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE).isAvailable());
    }
}
BENCHMARK(openKnowledgeFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace namewright
