// The solar-term chart of a birth moment as typed: the boxes' texts and the minute box.

#include "chart/MomentSolarTermChart.h"

#include <gtest/gtest.h>

namespace namewright {
namespace {

/// 立春 2024 falls at 16:27 Beijing time.
BirthMomentTexts beginningOfSpringAt(const char* minute) {
    return BirthMomentTexts{"2024", "2", "4", "16", minute};
}

TEST(MomentSolarTermChart, TakesTheMinuteOfTheMinuteBox) {
    const MomentSolarTermChart before = momentSolarTermChart(beginningOfSpringAt("20"));
    const MomentSolarTermChart after = momentSolarTermChart(beginningOfSpringAt(" 40 "));
    ASSERT_TRUE(before.chart && after.chart);
    EXPECT_TRUE(before.minuteFromBox);
    EXPECT_EQ(before.minute, 20);
    EXPECT_EQ(after.minute, 40);
    // Across 立春 the year and month pillars change.
    EXPECT_NE(pillarsLineText(before.chart->pillars.pillars), pillarsLineText(after.chart->pillars.pillars));
    EXPECT_EQ(pillarsLineText(after.chart->pillars.pillars),
              pillarsLineText(solarTermChartOf({{2024, 2, 4}, 16, 40})->pillars.pillars));
}

TEST(MomentSolarTermChart, AMinuteBoxWithoutAMinuteMeansMinuteZeroAndSaysSo) {
    for (const char* text : {"", "abc", "60", "-1", "1.5", "123", "１０"}) {
        const MomentSolarTermChart chart = momentSolarTermChart(beginningOfSpringAt(text));
        EXPECT_FALSE(chart.minuteFromBox) << text;
        EXPECT_EQ(chart.minute, 0) << text;
        ASSERT_TRUE(chart.chart) << text;
        EXPECT_EQ(pillarsLineText(chart.chart->pillars.pillars),
                  pillarsLineText(solarTermChartOf({{2024, 2, 4}, 16, 0})->pillars.pillars));
    }
    EXPECT_TRUE(momentSolarTermChart(beginningOfSpringAt("0")).minuteFromBox);
}

TEST(MomentSolarTermChart, ADateItCannotTakeGivesNoChart) {
    EXPECT_FALSE(momentSolarTermChart({"2011", "2", "30", "1", "10"}).chart);
    EXPECT_FALSE(momentSolarTermChart({"", "", "", "", "10"}).chart);
    EXPECT_FALSE(momentSolarTermChart({"2011", "1", "1", "24", "10"}).chart);
}

} // namespace
} // namespace namewright
