// Calendar throughput: how many pairs of display texts (lunar date text and four pillars text) one core builds per
// second for random birth moments between 1881-01-30 and 2060-12-31.

#include "calendar/GregorianDate.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace namewright {
namespace {

struct Moment {
    GregorianDate date;
    int hour = 0;
};

std::vector<Moment> randomMoments() {
    std::mt19937 engine(1);
    std::uniform_int_distribution<int> days(1, dayCountOf(2060, 12, 31));
    std::uniform_int_distribution<int> hours(0, 23);
    std::vector<Moment> moments(4096);
    for (Moment& m : moments) {
        m = Moment{dateOfDayCount(days(engine)), hours(engine)};
    }
    return moments;
}

void BM_LunarTextAndFourPillars(benchmark::State& state) {
    const std::vector<Moment> moments = randomMoments();
    std::size_t i = 0;
    for (auto _ : state) {
        const Moment& m = moments[i++ & 4095];
        benchmark::DoNotOptimize(ConvertToLunarText(m.date.year, m.date.month, m.date.day, m.hour));
        benchmark::DoNotOptimize(ConvertToFourPillars(m.date.year, m.date.month, m.date.day, m.hour));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LunarTextAndFourPillars);

void BM_SolarToLunar(benchmark::State& state) {
    const std::vector<Moment> moments = randomMoments();
    std::size_t i = 0;
    for (auto _ : state) {
        const Moment& m = moments[i++ & 4095];
        benchmark::DoNotOptimize(SolarToLunar(m.date.year, m.date.month, m.date.day));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarToLunar);

} // namespace
} // namespace namewright
