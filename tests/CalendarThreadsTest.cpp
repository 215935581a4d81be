#include "calendar/GregorianDate.h"
#include "calendar/LunarTexts.h"
#include "calendar/Pillars.h"
#include "chart/ChartAnalysis.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace namewright {
namespace {

using testing::TempDatabase;

TEST(CalendarThreads, ConversionsOnSeveralThreadsGiveTheSameTextsAsOnOne) {
    constexpr int kThreads = 4;
    constexpr int kStep = 37;
    std::vector<std::string> expected;
    for (int count = 1; count <= dayCountOf(2060, 12, 31); count += kStep) {
        const GregorianDate g = dateOfDayCount(count);
        expected.push_back(ConvertToLunarText(g.year, g.month, g.day, count % 24) +
                           ConvertToFourPillars(g.year, g.month, g.day, count % 24));
    }
    std::atomic<int> mismatches{0};
    std::atomic<int> warnings{0};
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                const YearWarningHandler warn = [&warnings] { ++warnings; };
                for (std::size_t i = static_cast<std::size_t>(t); i < expected.size(); i += kThreads) {
                    const int count = 1 + static_cast<int>(i) * kStep;
                    const GregorianDate g = dateOfDayCount(count);
                    // Interleave out-of-range requests: they must not leak into the next answer.
                    ConvertToFourPillars(1880, 1, 1, 0, warn);
                    const std::string text = ConvertToLunarText(g.year, g.month, g.day, count % 24, warn) +
                                             ConvertToFourPillars(g.year, g.month, g.day, count % 24, warn);
                    mismatches += text == expected[i] ? 0 : 1;
                }
            });
        }
    }
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_GT(warnings.load(), 0);
}

TEST(CalendarThreads, ConcurrentAnalysesReplaceTheSharedChartAsAWhole) {
    TempDatabase file;
    file.exec(
        "INSERT INTO bazi VALUES ('庚寅', '金木', '松柏木'), ('戊寅', '土木', '城头土'), ('乙未', '木土', '沙中金'),"
        " ('庚辰', '金土', '白蜡金'), ('辛巳', '金火', '白蜡金'), ('甲子', '木水', '海中金');");
    LatestLunarChart shared;
    LunarChart first;
    LunarChart second;
    std::atomic<bool> torn{false};
    {
        std::jthread a([&] {
            NamingDatabase db = file.open();
            for (int i = 0; i < 50; ++i) {
                first = AnalyseBirthChart({"2010", "2", "14", "8"}, db, {.latest = &shared});
            }
        });
        std::jthread b([&] {
            NamingDatabase db = file.open();
            for (int i = 0; i < 50; ++i) {
                second = AnalyseBirthChart({"1881", "1", "30", "0"}, db,
                                           {.labels = [](ChartLabel, const std::string&) {}, .latest = &shared});
            }
        });
        std::jthread reader([&] {
            for (int i = 0; i < 200; ++i) {
                const LunarChart now = shared.current();
                const bool empty = now == LunarChart{};
                const bool oneOfThem = now.lunarDate.starts_with("2010") ? now.elements == "金木 土木 木土 金土 "
                                                                         : now.elements == "金火 金木 木水 木水 ";
                if (!empty && !oneOfThem) {
                    torn = true;
                }
            }
        });
    }
    EXPECT_FALSE(torn.load());
    const LunarChart last = shared.current();
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(first.zodiacAnimal, "虎");
    EXPECT_EQ(second.zodiacAnimal, "蛇");
}

} // namespace
} // namespace namewright
