// The solar-term chart of a series' birth moment: the boxes' texts and the minute box.

#include "chart/SeriesSolarTermChart.h"

#include <gtest/gtest.h>

namespace namewright {
namespace {

const BirthMomentTexts kBeginningOfSpring{"2024", "2", "4", "16"}; // 立春 2024 falls at 16:27 Beijing time

TEST(SeriesSolarTermChart, TakesTheMinuteOfTheMinuteBox) {
    const SeriesSolarTermChart before = seriesSolarTermChart(kBeginningOfSpring, "20");
    const SeriesSolarTermChart after = seriesSolarTermChart(kBeginningOfSpring, " 40 ");
    ASSERT_TRUE(before.chart && after.chart);
    EXPECT_TRUE(before.minuteFromBox);
    EXPECT_EQ(before.minute, 20);
    EXPECT_EQ(after.minute, 40);
    // Across 立春 the year and month pillars change.
    EXPECT_NE(pillarsLineText(before.chart->pillars.pillars), pillarsLineText(after.chart->pillars.pillars));
    EXPECT_EQ(pillarsLineText(after.chart->pillars.pillars),
              pillarsLineText(solarTermChartOf({{2024, 2, 4}, 16, 40})->pillars.pillars));
}

TEST(SeriesSolarTermChart, AMinuteBoxWithoutAMinuteMeansMinuteZeroAndSaysSo) {
    for (const char* text : {"", "abc", "60", "-1", "1.5", "123", "１０"}) {
        const SeriesSolarTermChart chart = seriesSolarTermChart(kBeginningOfSpring, text);
        EXPECT_FALSE(chart.minuteFromBox) << text;
        EXPECT_EQ(chart.minute, 0) << text;
        ASSERT_TRUE(chart.chart) << text;
        EXPECT_EQ(pillarsLineText(chart.chart->pillars.pillars),
                  pillarsLineText(solarTermChartOf({{2024, 2, 4}, 16, 0})->pillars.pillars));
    }
    EXPECT_TRUE(seriesSolarTermChart(kBeginningOfSpring, "0").minuteFromBox);
}

TEST(SeriesSolarTermChart, ADateItCannotTakeGivesNoChart) {
    EXPECT_FALSE(seriesSolarTermChart({"2011", "2", "30", "1"}, "10").chart);
    EXPECT_FALSE(seriesSolarTermChart({"", "", "", ""}, "10").chart);
    EXPECT_FALSE(seriesSolarTermChart({"2011", "1", "1", "24"}, "10").chart);
}

} // namespace
} // namespace namewright
