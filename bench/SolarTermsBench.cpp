// Solar terms: computing terms afresh with ERFA (what the build does once for the table, and what years outside the
// table cost), the listing of every term of 1900-2060 from the table (what `namewright-cli solar-terms --year 1900
// --to 2060` does after its start), and the solar-term chart of random births (what `chart --solar-terms` does).
// bench/solar_terms_peers/compare.py times the whole processes beside the JavaScript peers.

#include "calendar/SolarTermListing.h"
#include "calendar/SolarTermPillars.h"
#include "calendar/SolarTerms.h"
#include "chart/SolarTermChart.h"

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

// The 3,864 lines of 1900-2060 from the table: per item, one term read and formatted.
void BM_SolarTermLines1900To2060(benchmark::State& state) {
    for (auto _ : state) {
        for (int year = 1900; year <= 2060; ++year) {
            benchmark::DoNotOptimize(solarTermLines(year));
        }
    }
    state.SetItemsProcessed(state.iterations() * (2060 - 1900 + 1) * kSolarTermCount);
}
BENCHMARK(BM_SolarTermLines1900To2060)->Unit(benchmark::kMicrosecond);

std::vector<BeijingTime> randomBirths() {
    std::mt19937 engine(1);
    std::uniform_int_distribution<long long> minutes(minuteCountOf(kFirstSolarTermBirth),
                                                     minuteCountOf(kLastSolarTermBirth));
    std::vector<BeijingTime> births(4096);
    for (BeijingTime& birth : births) {
        birth = beijingTimeOfMinuteCount(minutes(engine));
    }
    return births;
}

void BM_SolarTermPillarsOfRandomBirths(benchmark::State& state) {
    const std::vector<BeijingTime> births = randomBirths();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarTermPillars(births[i++ & 4095]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermPillarsOfRandomBirths);

// The whole chart with its working lines, as the command prints it; with true solar time one more evaluation of the
// apparent Sun (the equation of time).
void BM_SolarTermChartWorkingOfRandomBirths(benchmark::State& state) {
    const std::vector<BeijingTime> births = randomBirths();
    SolarTermPillarOptions options;
    if (state.range(0) != 0) {
        options.birthplaceLongitude = 116.4;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(solarTermChartWorking(*solarTermChartOf(births[i++ & 4095], options)));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermChartWorkingOfRandomBirths)->ArgName("longitude")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace namewright
