#include "calendar/CalendarDay.h"
#include "calendar/LunarTexts.h"
#include "calendar/SolarTermListing.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace namewright {
namespace {

TEST(CalendarDay, MarksTheFestivalsOf2024) {
    // The festivals of 2024 in the almanac: 腊八 and 除夕 of the 癸卯 year, then those of the 甲辰 year (its 腊八
    // falls on 2025-01-07).
    const std::map<GregorianDate, std::string> expected{
        {{2024, 1, 18}, "腊八"}, {{2024, 2, 9}, "除夕"},  {{2024, 2, 10}, "春节"}, {{2024, 2, 24}, "元宵"},
        {{2024, 4, 4}, "清明"},  {{2024, 6, 10}, "端午"}, {{2024, 8, 10}, "七夕"}, {{2024, 8, 18}, "中元"},
        {{2024, 9, 17}, "中秋"}, {{2024, 10, 11}, "重阳"}};
    std::map<GregorianDate, std::string> festivals;
    std::set<std::string> termDates;
    int termMarks = 0;
    for (int count = dayCountOf(2024, 1, 1); count <= dayCountOf(2024, 12, 31); ++count) {
        const GregorianDate date = dateOfDayCount(count);
        const auto day = calendarDayOf(date);
        ASSERT_TRUE(day) << count;
        if (day->festival) {
            festivals[date] = std::string(festivalText(*day->festival));
            EXPECT_EQ(day->mark, CalendarMark::Festival);
            EXPECT_EQ(day->markText, festivals[date]);
        } else if (day->solarTerm) {
            EXPECT_EQ(day->mark, CalendarMark::SolarTerm);
            EXPECT_EQ(day->markText, solarTermText(day->solarTerm->term));
            ++termMarks;
        } else {
            EXPECT_EQ(day->mark, CalendarMark::LunarDay);
            EXPECT_EQ(day->markText, day->lunarCaption);
        }
        if (day->solarTerm) {
            termDates.insert(beijingTimeText(day->solarTerm->minute).substr(0, 10));
        }
    }
    EXPECT_EQ(festivals, expected);
    // Every term of the year marks the day of its moment; 清明 shows as the festival it also is.
    EXPECT_EQ(termDates.size(), 24U);
    for (const std::string& line : solarTermLines(2024)) {
        EXPECT_TRUE(termDates.contains(line.substr(line.find('\t') + 1, 10))) << line;
    }
    EXPECT_EQ(termMarks, 23);
}

TEST(CalendarDay, GivesLunarDatePillarAndTermMomentInTheTooltip) {
    const auto day = calendarDayOf({2024, 2, 4});
    ASSERT_TRUE(day);
    EXPECT_EQ(day->lunarCaption, "廿五");
    EXPECT_EQ(day->markText, "立春");
    EXPECT_EQ(calendarDayTooltip(*day), "农历 癸卯年 腊月廿五\n日柱 戊戌\n立春 2024-02-04 16:27");
    const auto plain = calendarDayOf({2024, 2, 5});
    ASSERT_TRUE(plain);
    EXPECT_EQ(calendarDayTooltip(*plain), "农历 癸卯年 腊月廿六\n日柱 己亥");
}

TEST(CalendarDay, ShowsTheMonthNameOnTheFirstDayOfALunarMonth) {
    const auto day = calendarDayOf({2024, 3, 10});
    ASSERT_TRUE(day);
    EXPECT_EQ(day->lunarDayName, "初一");
    EXPECT_EQ(day->lunarCaption, "二月");
    EXPECT_EQ(day->markText, "二月");
}

TEST(CalendarDay, MarksNoFestivalInALeapMonth) {
    // 2009 had a leap fifth month: 端午 on 五月初五 (2009-05-28), nothing on 闰五月初五 (2009-06-27).
    EXPECT_EQ(calendarDayOf({2009, 5, 28})->festival, Festival::DragonBoat);
    const auto leap = calendarDayOf({2009, 6, 27});
    ASSERT_TRUE(leap);
    EXPECT_TRUE(leap->lunar.isLeap);
    EXPECT_EQ(leap->lunarDayName, "初五");
    EXPECT_FALSE(leap->festival);
}

TEST(CalendarDay, PutsNewYearsEveOnTheThirtiethWhenTheLastMonthIsLong) {
    // The 壬寅 year ended on 腊月三十, 2023-01-21.
    const auto eve = calendarDayOf({2023, 1, 21});
    ASSERT_TRUE(eve);
    EXPECT_EQ(eve->lunarDayName, "三十");
    EXPECT_EQ(eve->festival, Festival::NewYearsEve);
    EXPECT_FALSE(calendarDayOf({2023, 1, 20})->festival);
}

TEST(CalendarDay, CoversTheDatesOfTheLunarTableOnly) {
    EXPECT_TRUE(calendarDayOf({1881, 1, 30}));
    EXPECT_TRUE(calendarDayOf({2060, 12, 31}));
    EXPECT_FALSE(calendarDayOf({1881, 1, 29}));
    EXPECT_FALSE(calendarDayOf({2061, 1, 1}));
    EXPECT_FALSE(calendarDayOf({2024, 2, 30}));
}

TEST(CalendarDay, NamesTheTwentiethDayErShiWhileTheLunarDateTextKeepsNianShi) {
    const auto day = calendarDayOf({2010, 3, 5}); // 正月二十
    ASSERT_TRUE(day);
    EXPECT_EQ(day->lunarDayName, "二十");
    EXPECT_EQ(day->lunarCaption, "二十");
    EXPECT_NE(calendarDayTooltip(*day).find("正月二十"), std::string::npos);
    EXPECT_EQ(lunarDayName(day->lunar), "廿十");
    const auto next = calendarDayOf({2010, 3, 6}); // 廿一 keeps its 廿
    ASSERT_TRUE(next);
    EXPECT_EQ(next->lunarDayName, "廿一");
}

} // namespace
} // namespace namewright
