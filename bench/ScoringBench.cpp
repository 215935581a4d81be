// Scoring throughput with the luck tables in memory: how many full names one core scores per second.

#include "naming/NameScoring.h"

#include "support/ShapedTables.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace namewright {
namespace {

std::vector<int> strokeSamples() {
    std::mt19937 engine(1);
    std::uniform_int_distribution<int> strokes(2, 30);
    std::vector<int> samples(4096);
    for (int& s : samples) {
        s = strokes(engine);
    }
    return samples;
}

void BM_ScoreTwoCharacterNames(benchmark::State& state) {
    const LuckTables luck = testing::shapedLuckTables();
    const std::vector<int> strokes = strokeSamples();
    const int family = 7;
    std::size_t i = 0;
    for (auto _ : state) {
        const int b1 = strokes[i & 4095];
        const int b2 = strokes[(i * 7 + 3) & 4095];
        ++i;
        benchmark::DoNotOptimize(scoreTwoCharacters(gridNumbers(family, b1, b2), luck));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreTwoCharacterNames);

void BM_ScoreOneCharacterNames(benchmark::State& state) {
    const LuckTables luck = testing::shapedLuckTables();
    const std::vector<int> strokes = strokeSamples();
    const int family = 7;
    std::size_t i = 0;
    for (auto _ : state) {
        const int b = strokes[i++ & 4095];
        benchmark::DoNotOptimize(scoreOneCharacter(gridNumbers(family, b), luck));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreOneCharacterNames);

} // namespace
} // namespace namewright
