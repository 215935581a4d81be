#include "calendar/SolarTermPillars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace namewright {
namespace {

std::string pillarsText(const FourPillars& pillars) {
    std::string text;
    for (const SexagenaryPair pair : pillars.inOrder()) {
        text += text.empty() ? "" : " ";
        text += pair.text();
    }
    return text;
}

BeijingTime at(long long minuteCount) {
    return beijingTimeOfMinuteCount(minuteCount);
}

std::string pillarsAt(const BeijingTime& birth, const SolarTermPillarOptions& options = {}) {
    const auto pillars = solarTermPillars(birth, options);
    return pillars ? pillarsText(pillars->pillars) : "none";
}

TEST(SolarTermPillarRules, CountYearsFrom1984MonthsFromTheYearStemAndDaysFrom1881) {
    EXPECT_EQ(yearPillarOfSolarYear(1984).text(), "甲子");
    EXPECT_EQ(yearPillarOfSolarYear(2024).text(), "甲辰");
    EXPECT_EQ(yearPillarOfSolarYear(1880).text(), "庚辰");
    EXPECT_EQ(yearPillarOfSolarYear(2061).text(), "辛巳");
    // 五虎遁: the 寅 month of a 甲 or 己 year is 丙寅, of a 戊 or 癸 year 甲寅.
    EXPECT_EQ(monthPillarOf(HeavenlyStem::fromNumber(1), EarthlyBranch::fromNumber(3)).text(), "丙寅");
    EXPECT_EQ(monthPillarOf(HeavenlyStem::fromNumber(6), EarthlyBranch::fromNumber(3)).text(), "丙寅");
    EXPECT_EQ(monthPillarOf(HeavenlyStem::fromNumber(10), EarthlyBranch::fromNumber(3)).text(), "甲寅");
    EXPECT_EQ(monthPillarOf(HeavenlyStem::fromNumber(10), EarthlyBranch::fromNumber(2)).text(), "乙丑");
    EXPECT_EQ(dayPillarOf({1881, 1, 30}).text(), "甲子");
    EXPECT_EQ(dayPillarOf({1881, 1, 29}).text(), "癸亥");
    EXPECT_EQ(dayPillarOf({1949, 10, 1}).text(), "甲子");
    EXPECT_EQ(dayPillarOf({2000, 1, 1}).text(), "戊午");
    EXPECT_EQ(dayPillarOf({1881, 1, 1}).text(), "乙未");
    // 五鼠遁: the 子 hour of a 甲 day is 甲子, of a 戊 day 壬子.
    EXPECT_EQ(hourPillarOf(HeavenlyStem::fromNumber(1), 0).text(), "甲子");
    EXPECT_EQ(hourPillarOf(HeavenlyStem::fromNumber(5), 12).text(), "戊午");
    EXPECT_EQ(hourPillarOf(HeavenlyStem::fromNumber(5), 23).text(), "壬子");
    EXPECT_EQ(hourPillarOf(HeavenlyStem::fromNumber(10), 22).text(), "癸亥");
}

// --- The minute before and after each 节 --------------------------------------------------------------------------

struct SectionalBoundary {
    SolarTerm term;
    std::string_view monthBefore;
    std::string_view monthAfter;
};

std::ostream& operator<<(std::ostream& out, const SectionalBoundary& b) {
    return out << solarTermText(b.term);
}

class SectionalBoundaries2024 : public ::testing::TestWithParam<SectionalBoundary> {};

// The months of 2024 as every almanac lists them: 癸卯 year until 立春, 甲辰 after.
TEST_P(SectionalBoundaries2024, ChangeTheMonthPillarAtTheTermsMinute) {
    const SectionalBoundary& boundary = GetParam();
    const auto term = SolarTermTable::instance().moment(2024, boundary.term);
    ASSERT_TRUE(term);
    const auto before = solarTermPillars(at(term->minuteCount - 1));
    const auto onTheMinute = solarTermPillars(at(term->minuteCount));
    const auto after = solarTermPillars(at(term->minuteCount + 1));
    ASSERT_TRUE(before && onTheMinute && after);
    EXPECT_EQ(before->pillars.month.text(), boundary.monthBefore);
    EXPECT_EQ(onTheMinute->pillars.month.text(), boundary.monthAfter);
    EXPECT_EQ(after->pillars.month.text(), boundary.monthAfter);
    EXPECT_EQ(after->monthStart.term, boundary.term);
    EXPECT_EQ(before->monthEnd.term, boundary.term);
}

INSTANTIATE_TEST_SUITE_P(AllTwelve, SectionalBoundaries2024,
                         ::testing::Values(SectionalBoundary{SolarTerm::MinorCold, "甲子", "乙丑"},
                                           SectionalBoundary{SolarTerm::StartOfSpring, "乙丑", "丙寅"},
                                           SectionalBoundary{SolarTerm::AwakeningOfInsects, "丙寅", "丁卯"},
                                           SectionalBoundary{SolarTerm::ClearAndBright, "丁卯", "戊辰"},
                                           SectionalBoundary{SolarTerm::StartOfSummer, "戊辰", "己巳"},
                                           SectionalBoundary{SolarTerm::GrainInEar, "己巳", "庚午"},
                                           SectionalBoundary{SolarTerm::MinorHeat, "庚午", "辛未"},
                                           SectionalBoundary{SolarTerm::StartOfAutumn, "辛未", "壬申"},
                                           SectionalBoundary{SolarTerm::WhiteDew, "壬申", "癸酉"},
                                           SectionalBoundary{SolarTerm::ColdDew, "癸酉", "甲戌"},
                                           SectionalBoundary{SolarTerm::StartOfWinter, "甲戌", "乙亥"},
                                           SectionalBoundary{SolarTerm::MajorSnow, "乙亥", "丙子"}));

TEST(SolarTermPillars, ChangeTheYearAtTheMinuteOfStartOfSpring) {
    // 立春 2024: 2024-02-04 16:26:53 .. 16:27:07 by the ephemerides, 16:27 to the minute.
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 16, 26}), "癸卯 乙丑 戊戌 庚申");
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 16, 27}), "甲辰 丙寅 戊戌 庚申");
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 16, 28}), "甲辰 丙寅 戊戌 庚申");
    // Noon of that day still lies in the 癸卯 year and the 丑 month.
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 12, 0}), "癸卯 乙丑 戊戌 戊午");
}

TEST(SolarTermPillars, EveryStartOfSpringChangesTheYearByOne) {
    for (int year = 1881; year <= 2061; ++year) {
        const auto spring = SolarTermTable::instance().moment(year, SolarTerm::StartOfSpring);
        ASSERT_TRUE(spring);
        const auto before = solarTermPillars(at(spring->minuteCount - 1));
        const auto after = solarTermPillars(at(spring->minuteCount + 1));
        ASSERT_TRUE(before && after) << year;
        EXPECT_EQ(after->pillars.year, yearPillarOfSolarYear(year)) << year;
        EXPECT_EQ(before->pillars.year, yearPillarOfSolarYear(year - 1)) << year;
        EXPECT_EQ(before->pillars.month.branch().text(), "丑") << year;
        EXPECT_EQ(after->pillars.month.branch().text(), "寅") << year;
    }
}

// --- 23:00 -----------------------------------------------------------------------------------------------------

TEST(SolarTermPillars, KeepTheDayAt23AndTakeTheNextDaysZiHourWithoutTheOption) {
    // 早晚子时: 23:30 of a 戊戌 day is its 晚子时, the 子 hour of the next (己亥) day: 甲子, not the 壬子 of 00:30.
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 23, 30}), "甲辰 丙寅 戊戌 甲子");
    EXPECT_EQ(pillarsAt({{2024, 2, 4}, 0, 30}), "癸卯 乙丑 戊戌 壬子");
    EXPECT_EQ(pillarsAt({{1984, 2, 4}, 23, 30}), "甲子 丙寅 戊辰 甲子");
    const auto pillars = solarTermPillars({{1984, 2, 4}, 23, 30});
    ASSERT_TRUE(pillars);
    EXPECT_TRUE(pillars->lateZiHour);
    EXPECT_FALSE(pillars->ziHourMovedDay);
    EXPECT_FALSE(solarTermPillars({{1984, 2, 4}, 22, 59})->lateZiHour);
    // Across the end of a month and a year: 2023-12-31 is 癸亥, 2024-01-01 甲子, whose 子 hour is 甲子.
    EXPECT_EQ(pillarsAt({{2023, 12, 31}, 23, 0}), "癸卯 甲子 癸亥 甲子");
    EXPECT_EQ(pillarsAt({{2023, 12, 31}, 22, 59}), "癸卯 甲子 癸亥 癸亥");
}

/// True when `after` is the pair after `before` in the sixty cycle.
bool follows(SexagenaryPair before, SexagenaryPair after) {
    return SexagenaryPair::fromPosition(before.position() + 1) == after;
}

// For every day of 1900-2060 the 子 hour from 23:00 to 00:59 is one pillar, the one after 22:30's and before 01:30's
// in the sixty cycle; with the day changing at 23:00, 23:30 has the day and hour pillars of the next day's 00:30.
TEST(SolarTermPillars, TheHourPillarsAroundMidnightFollowEachOtherEveryDay) {
    const SolarTermPillarOptions lateZi{.ziHourStartsNextDay = true, .birthplaceLongitude = std::nullopt};
    int broken = 0;
    for (int day = dayCountOf(1900, 1, 1); day <= dayCountOf(2060, 12, 31); ++day) {
        const GregorianDate date = dateOfDayCount(day);
        const GregorianDate next = dateOfDayCount(day + 1);
        const auto evening = solarTermPillars({date, 22, 30});
        const auto late = solarTermPillars({date, 23, 30});
        const auto lateMoved = solarTermPillars({date, 23, 30}, lateZi);
        const auto midnight = solarTermPillars({next, 0, 30});
        const auto morning = solarTermPillars({next, 1, 30});
        ASSERT_TRUE(evening && late && lateMoved && midnight && morning)
            << date.year << "-" << date.month << "-" << date.day;
        const bool inOrder =
            follows(evening->pillars.hour, late->pillars.hour) && late->pillars.hour == midnight->pillars.hour &&
            follows(midnight->pillars.hour, morning->pillars.hour) && late->pillars.day == evening->pillars.day &&
            lateMoved->pillars.day == midnight->pillars.day && lateMoved->pillars.hour == midnight->pillars.hour;
        if (!inOrder && ++broken <= 5) {
            ADD_FAILURE() << date.year << "-" << date.month << "-" << date.day << ": " << pillarsText(evening->pillars)
                          << " / " << pillarsText(late->pillars) << " / " << pillarsText(midnight->pillars) << " / "
                          << pillarsText(morning->pillars);
        }
    }
    EXPECT_EQ(broken, 0);
}

// --- True solar time -------------------------------------------------------------------------------------------

TEST(SolarTermPillars, ReadDayAndHourFromTrueSolarTimeAtTheBirthplace) {
    // Noon in Beijing time at Urumqi, 87.6 degrees east on 2024-02-04: 32.4 degrees west of 120 is 129.6 minutes,
    // and the equation of time is -13.8 minutes (the Sun runs slow in February), so the sundial reads 09:36: 巳.
    const auto pillars =
        solarTermPillars({{2024, 2, 4}, 12, 0}, {.ziHourStartsNextDay = false, .birthplaceLongitude = 87.6});
    ASSERT_TRUE(pillars && pillars->trueSolarTime);
    EXPECT_NEAR(pillars->trueSolarTime->longitudeMinutes, -129.6, 1e-9);
    EXPECT_NEAR(pillars->trueSolarTime->equationOfTimeMinutes, -13.8, 0.05);
    EXPECT_EQ(pillars->dayClock, (BeijingTime{{2024, 2, 4}, 9, 36}));
    EXPECT_EQ(pillarsText(pillars->pillars), "癸卯 乙丑 戊戌 丁巳");
}

TEST(SolarTermPillars, KeepYearAndMonthOnTheBirthInstantUnderTrueSolarTime) {
    // Ten minutes after 立春 in Beijing time the year has changed everywhere, whatever a sundial in the west reads.
    const auto spring = SolarTermTable::instance().moment(2024, SolarTerm::StartOfSpring);
    const auto pillars =
        solarTermPillars(at(spring->minuteCount + 10), {.ziHourStartsNextDay = false, .birthplaceLongitude = 75.0});
    ASSERT_TRUE(pillars);
    EXPECT_EQ(pillars->pillars.year.text(), "甲辰");
    EXPECT_EQ(pillars->pillars.month.text(), "丙寅");
}

TEST(SolarTermPillars, MoveTheDayBackWhenTrueSolarTimeCrossesMidnight) {
    // 00:40 at 100 degrees east on 1 March 2024: 80 minutes for the longitude and 12.4 for the equation of time
    // put the sundial at 23:07 on 29 February.
    const auto plain =
        solarTermPillars({{2024, 3, 1}, 0, 40}, {.ziHourStartsNextDay = false, .birthplaceLongitude = 100.0});
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->dayClock.date, (GregorianDate{2024, 2, 29}));
    EXPECT_EQ(plain->dayClock.hour, 23);
    EXPECT_EQ(plain->pillars.day, dayPillarOf({2024, 2, 29}));
    const auto lateZi = solarTermPillars({{2024, 3, 1}, 0, 40}, {true, 100.0});
    ASSERT_TRUE(lateZi);
    EXPECT_EQ(lateZi->pillars.day, dayPillarOf({2024, 3, 1}));
    // Either way the sundial's 23:07 is the 子 hour of 1 March.
    EXPECT_EQ(plain->pillars.hour, lateZi->pillars.hour);
    EXPECT_EQ(plain->pillars.hour, hourPillarOf(dayPillarOf({2024, 3, 1}).stem(), 0));
}

// --- Range and bad input ---------------------------------------------------------------------------------------

TEST(SolarTermPillars, CoverBirthsFrom1881To2061) {
    EXPECT_EQ(pillarsAt(kFirstSolarTermBirth), "庚辰 戊子 乙未 丙子");
    EXPECT_NE(pillarsAt(kLastSolarTermBirth), "none");
    EXPECT_EQ(pillarsAt({{1880, 12, 31}, 23, 59}), "none");
    EXPECT_EQ(pillarsAt({{2062, 1, 1}, 0, 0}), "none");
}

TEST(SolarTermPillars, RefuseBadMomentsAndLongitudesQuietly) {
    EXPECT_FALSE(solarTermPillars({{2024, 2, 30}, 12, 0}));
    EXPECT_FALSE(solarTermPillars({{2024, 13, 1}, 12, 0}));
    EXPECT_FALSE(solarTermPillars({{2024, 2, 4}, 24, 0}));
    EXPECT_FALSE(solarTermPillars({{2024, 2, 4}, 12, 60}));
    EXPECT_FALSE(solarTermPillars({{2024, 2, 4}, -1, 0}));
    EXPECT_FALSE(solarTermPillars({{2024, 2, 4}, 12, 0}, {.ziHourStartsNextDay = false, .birthplaceLongitude = 180.5}));
    EXPECT_FALSE(
        solarTermPillars({{2024, 2, 4}, 12, 0}, {.ziHourStartsNextDay = false, .birthplaceLongitude = std::nan("")}));
    EXPECT_FALSE(
        solarTermPillars({{2024, 2, 4}, 12, 0}, {.ziHourStartsNextDay = false,
                                                 .birthplaceLongitude = std::numeric_limits<double>::infinity()}));
    EXPECT_TRUE(solarTermPillars({{2024, 2, 4}, 12, 0}, {.ziHourStartsNextDay = false, .birthplaceLongitude = -180.0}));
}

} // namespace
} // namespace namewright
