// Solar terms: computing every term of the 180 years 1881-2060 (plus 2061) afresh with ERFA, which the table does
// lazily a year at a time, and the solar-term pillars of random births once the table stands.

#include "calendar/SolarTermPillars.h"
#include "calendar/SolarTerms.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace namewright {
namespace {

void BM_AllSolarTerms1881To2061(benchmark::State& state) {
    for (auto _ : state) {
        for (int year = kFirstSolarTermYear; year <= kLastSolarTermYear; ++year) {
            for (int i = 0; i < kSolarTermCount; ++i) {
                benchmark::DoNotOptimize(computeSolarTerm(year, solarTermAt(i)));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * (kLastSolarTermYear - kFirstSolarTermYear + 1) * kSolarTermCount);
}
BENCHMARK(BM_AllSolarTerms1881To2061)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OneSolarTerm(benchmark::State& state) {
    int year = kFirstSolarTermYear;
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeSolarTerm(year, SolarTerm::StartOfSpring));
        year = year == kLastSolarTermYear ? kFirstSolarTermYear : year + 1;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneSolarTerm)->Unit(benchmark::kMicrosecond);

void BM_SolarTermPillarsOfRandomBirths(benchmark::State& state) {
    std::mt19937 engine(1);
    std::uniform_int_distribution<long long> minutes(minuteCountOf(kFirstSolarTermBirth),
                                                     minuteCountOf(kLastSolarTermBirth));
    std::vector<BeijingTime> births(4096);
    for (BeijingTime& birth : births) {
        birth = beijingTimeOfMinuteCount(minutes(engine));
        benchmark::DoNotOptimize(solarTermPillars(birth)); // fills the table before timing
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarTermPillars(births[i++ & 4095]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermPillarsOfRandomBirths);

} // namespace
} // namespace namewright
