#include "calendar/SolarTerms.h"
#include "chart/SolarTermChart.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace namewright {
namespace {

TEST(SolarTermThreads, ReadsOfTheTableFromSeveralThreadsGiveTheComputedMoments) {
    constexpr int kThreads = 4;
    std::atomic<int> mismatches{0};
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t) {
            // Every thread walks all years, from a different start, computing afresh as it reads.
            threads.emplace_back([&mismatches, t] {
                const int years = SolarTermTable::kYearCount;
                for (int i = 0; i < years; ++i) {
                    const int year = SolarTermTable::kFirstYear + (i + t * years / kThreads) % years;
                    const auto moments = SolarTermTable::instance().year(year);
                    if (moments.size() != 24U || moments[2] != *computeSolarTerm(year, SolarTerm::StartOfSpring)) {
                        ++mismatches;
                    }
                }
            });
        }
    }
    EXPECT_EQ(mismatches.load(), 0);
}

TEST(SolarTermThreads, ChartsOnSeveralThreadsGiveTheWorkingOfOne) {
    const std::vector<BeijingTime> births{
        {{1900, 3, 1}, 6, 0}, {{1984, 2, 4}, 23, 30}, {{2024, 2, 4}, 16, 27}, {{2061, 12, 31}, 23, 59}};
    std::vector<std::vector<WorkingItem>> expected;
    for (const BeijingTime& birth : births) {
        expected.push_back(solarTermChartWorking(*solarTermChartOf(birth)));
    }
    std::atomic<int> mismatches{0};
    {
        std::vector<std::jthread> threads;
        for (std::size_t t = 0; t < births.size(); ++t) {
            threads.emplace_back([&, t] {
                for (int round = 0; round < 20; ++round) {
                    const std::size_t i = (t + static_cast<std::size_t>(round)) % births.size();
                    if (solarTermChartWorking(*solarTermChartOf(births[i])) != expected[i]) {
                        ++mismatches;
                    }
                }
            });
        }
    }
    EXPECT_EQ(mismatches.load(), 0);
}

} // namespace
} // namespace namewright
