#include "calendar/LunarConversion.h"
#include "calendar/GregorianDate.h"
#include "calendar/LunarYearTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <vector>

namespace namewright {
namespace {

struct ConversionCase {
    GregorianDate date;
    int lunarYear;
    int lunarMonth;
    bool isLeap;
    int lunarDay;
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c) {
    return out << c.date.year << '-' << c.date.month << '-' << c.date.day;
}

class SolarToLunarTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(SolarToLunarTest, GivesTheLunarDate) {
    const ConversionCase& c = GetParam();
    const LunarDate date = SolarToLunar(c.date.year, c.date.month, c.date.day);
    ASSERT_FALSE(date.outOfRange);
    EXPECT_EQ(date.lunarYear, c.lunarYear);
    EXPECT_EQ(date.lunarMonth, c.lunarMonth);
    EXPECT_EQ(date.isLeap, c.isLeap);
    EXPECT_EQ(date.lunarDay, c.lunarDay);
    EXPECT_EQ(date.dayCount, dayCountOf(c.date));
    EXPECT_EQ(date.yearIndex, c.lunarYear - 1881);
    EXPECT_EQ(date.monthIndex, (c.lunarYear - 1881) * 12 + c.lunarMonth);
}

// The worked examples and edge cases of the conversion rules.
INSTANTIATE_TEST_SUITE_P(
    Examples, SolarToLunarTest,
    ::testing::Values(
        ConversionCase{{1881, 1, 30}, 1881, 1, false, 1}, ConversionCase{{2060, 12, 31}, 2060, 12, false, 9},
        ConversionCase{{2010, 2, 13}, 2009, 12, false, 30}, ConversionCase{{2010, 2, 14}, 2010, 1, false, 1},
        ConversionCase{{2000, 1, 1}, 1999, 11, false, 25}, ConversionCase{{1949, 10, 1}, 1949, 8, false, 10},
        ConversionCase{{2020, 4, 23}, 2020, 4, false, 1}, ConversionCase{{2020, 5, 23}, 2020, 4, true, 1},
        ConversionCase{{2020, 6, 21}, 2020, 5, false, 1}, ConversionCase{{2033, 12, 22}, 2033, 11, true, 1},
        ConversionCase{{1881, 8, 25}, 1881, 7, true, 1}, ConversionCase{{1912, 1, 10}, 1911, 11, false, 22},
        ConversionCase{{1909, 3, 1}, 1909, 2, false, 10}, ConversionCase{{1948, 6, 1}, 1948, 4, false, 24}));

// Days on which the records 1989, 2013, 2019, 2029, 2031, 2033 and 2047 had to be corrected: the first and last day
// of each stretch the uncorrected records got wrong, and the days they left without a month. Values from the
// official Chinese calendar (new moons and solar terms at 120 degrees east).
INSTANTIATE_TEST_SUITE_P(
    OfficialCalendar, SolarToLunarTest,
    ::testing::Values(
        ConversionCase{{1989, 8, 1}, 1989, 6, false, 30}, ConversionCase{{1989, 8, 30}, 1989, 7, false, 29},
        ConversionCase{{2013, 6, 8}, 2013, 5, false, 1}, ConversionCase{{2013, 7, 7}, 2013, 5, false, 30},
        ConversionCase{{2013, 7, 8}, 2013, 6, false, 1}, ConversionCase{{2019, 3, 6}, 2019, 1, false, 30},
        ConversionCase{{2019, 3, 7}, 2019, 2, false, 1}, ConversionCase{{2019, 4, 4}, 2019, 2, false, 29},
        ConversionCase{{2021, 2, 12}, 2021, 1, false, 1}, ConversionCase{{2022, 1, 31}, 2021, 12, false, 29},
        ConversionCase{{2022, 2, 1}, 2022, 1, false, 1}, ConversionCase{{2029, 2, 13}, 2029, 1, false, 1},
        ConversionCase{{2029, 2, 14}, 2029, 1, false, 2}, ConversionCase{{2030, 2, 2}, 2029, 12, false, 30},
        ConversionCase{{2031, 4, 21}, 2031, 3, false, 30}, ConversionCase{{2031, 4, 22}, 2031, 3, true, 1},
        ConversionCase{{2031, 5, 20}, 2031, 3, true, 29}, ConversionCase{{2031, 5, 21}, 2031, 4, false, 1},
        ConversionCase{{2032, 2, 9}, 2031, 12, false, 28}, ConversionCase{{2032, 2, 10}, 2031, 12, false, 29},
        ConversionCase{{2032, 2, 11}, 2032, 1, false, 1}, ConversionCase{{2034, 1, 19}, 2033, 11, true, 29},
        ConversionCase{{2034, 1, 20}, 2033, 12, false, 1}, ConversionCase{{2034, 2, 18}, 2033, 12, false, 30},
        ConversionCase{{2047, 5, 24}, 2047, 4, false, 30}, ConversionCase{{2047, 7, 22}, 2047, 5, true, 30},
        ConversionCase{{2047, 7, 23}, 2047, 6, false, 1}, ConversionCase{{2048, 2, 13}, 2047, 12, false, 30},
        ConversionCase{{2048, 2, 14}, 2048, 1, false, 1}));

TEST(SolarToLunar, DatesOutsideTheRangeAreOutOfRange) {
    EXPECT_TRUE(SolarToLunar(1881, 1, 29).outOfRange);
    EXPECT_TRUE(SolarToLunar(1881, 1, 1).outOfRange);
    EXPECT_TRUE(SolarToLunar(1880, 12, 31).outOfRange);
    EXPECT_TRUE(SolarToLunar(2061, 1, 1).outOfRange);
    EXPECT_TRUE(SolarToLunar(0, 0, 0).outOfRange);
    EXPECT_TRUE(SolarToLunar(INT_MAX, INT_MAX, INT_MAX).outOfRange);
    EXPECT_TRUE(SolarToLunar(INT_MIN, INT_MIN, INT_MIN).outOfRange);
    EXPECT_EQ(SolarToLunar(2061, 1, 1), LunarDate{}) << "nothing but the flag is set";
}

TEST(SolarToLunar, DatesThatDoNotExistAreOutOfRangeRatherThanAnotherDate) {
    EXPECT_TRUE(SolarToLunar(2010, 13, 1).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 0, 10).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 2, 29).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 2, 30).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 4, 31).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 5, 0).outOfRange);
    EXPECT_TRUE(SolarToLunar(2010, 5, -1).outOfRange);
    EXPECT_TRUE(SolarToLunar(1900, 2, 29).outOfRange);
    EXPECT_FALSE(SolarToLunar(2000, 2, 29).outOfRange);
    EXPECT_FALSE(SolarToLunar(2010, 5, 31).outOfRange);
}

TEST(SolarToLunar, DateBeforeNewYearBelongsToPreviousLunarYear) {
    for (int year = 1882; year <= 2060; ++year) {
        const GregorianDate newYear = NewYearDate(LunarYearRecord(year));
        const GregorianDate eve = dateOfDayCount(dayCountOf(newYear) - 1);
        const LunarDate before = SolarToLunar(eve.year, eve.month, eve.day);
        EXPECT_EQ(before.lunarYear, year - 1);
        EXPECT_EQ(before.lunarMonth, 12) << "no record has a leap twelfth month";
        EXPECT_FALSE(before.isLeap);
        const LunarDate first = SolarToLunar(newYear.year, newYear.month, newYear.day);
        EXPECT_EQ(first.lunarYear, year);
        EXPECT_EQ(first.lunarMonth, 1);
        EXPECT_EQ(first.lunarDay, 1);
    }
}

TEST(SolarToLunar, LeapMonthSharesTheMonthIndexOfItsRegularMonth) {
    const LunarDate regular = SolarToLunar(2020, 4, 23);
    const LunarDate leap = SolarToLunar(2020, 5, 23);
    EXPECT_EQ(regular.monthIndex, 139 * 12 + 4);
    EXPECT_EQ(leap.monthIndex, 139 * 12 + 4);
}

TEST(CheckYearRange, WarnsOnlyForYearsOutside1881To2060) {
    int warnings = 0;
    const YearWarningHandler warn = [&warnings] { ++warnings; };
    CheckYearRange(1880, warn);
    EXPECT_EQ(warnings, 1);
    CheckYearRange(2061, warn);
    EXPECT_EQ(warnings, 2);
    CheckYearRange(0, warn);
    CheckYearRange(INT_MIN, warn);
    EXPECT_EQ(warnings, 4);
    CheckYearRange(1881, warn);
    CheckYearRange(2060, warn);
    CheckYearRange(2000, warn);
    EXPECT_EQ(warnings, 4);
    CheckYearRange(1880, YearWarningHandler{}); // no handler: nothing happens
}

// Sweeps over every day the engine converts, 1881-01-30 .. 2060-12-31.

std::vector<LunarDate> everyConvertedDay() {
    std::vector<LunarDate> days;
    for (int year = 1881; year <= 2060; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInGregorianMonth(year, month); ++day) {
                if (isConvertibleDate(year, month, day)) {
                    days.push_back(SolarToLunar(year, month, day));
                }
            }
        }
    }
    return days;
}

TEST(SolarToLunarSweep, EveryDayGetsALunarMonth) {
    int converted = 0;
    for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate date = dateOfDayCount(count);
        const LunarDate lunar = SolarToLunar(date.year, date.month, date.day);
        EXPECT_FALSE(lunar.outOfRange) << date.year << '-' << date.month << '-' << date.day << " has no lunar month";
        converted += lunar.outOfRange ? 0 : 1;
    }
    EXPECT_EQ(converted, 65715);
}

TEST(SolarToLunarSweep, DayCountsAreConsecutive) {
    const std::vector<LunarDate> days = everyConvertedDay();
    ASSERT_EQ(days.size(), 65715U);
    for (std::size_t i = 0; i < days.size(); ++i) {
        ASSERT_EQ(days[i].dayCount, static_cast<int>(i) + 1);
    }
}

TEST(SolarToLunarSweep, LunarDaysRunOneToTheMonthsEndAndRestartWithTheNextMonth) {
    const std::vector<LunarDate> days = everyConvertedDay();
    int months = 1;
    int leapMonths = 0;
    for (std::size_t i = 1; i < days.size(); ++i) {
        const LunarDate& before = days[i - 1];
        const LunarDate& now = days[i];
        ASSERT_GE(now.lunarDay, 1);
        ASSERT_LE(now.lunarDay, 30);
        if (now.lunarDay != 1) {
            ASSERT_EQ(now.lunarDay, before.lunarDay + 1) << now.dayCount;
            ASSERT_EQ(now.lunarMonth, before.lunarMonth);
            ASSERT_EQ(now.isLeap, before.isLeap);
            ASSERT_EQ(now.lunarYear, before.lunarYear);
            continue;
        }
        ++months;
        ASSERT_TRUE(before.lunarDay == 29 || before.lunarDay == 30) << now.dayCount;
        if (now.isLeap) {
            ++leapMonths;
            ASSERT_EQ(now.lunarMonth, before.lunarMonth) << "a leap month follows its regular month";
            ASSERT_FALSE(before.isLeap);
        } else if (now.lunarMonth == 1) {
            ASSERT_EQ(before.lunarMonth, 12);
            ASSERT_EQ(now.lunarYear, before.lunarYear + 1);
        } else {
            ASSERT_EQ(now.lunarMonth, before.lunarMonth + 1) << now.dayCount;
            ASSERT_EQ(now.lunarYear, before.lunarYear);
        }
    }
    // 180 lunar years less the 21 days of lunar 2060 past 2060-12-31: every month, 66 of them leap.
    EXPECT_EQ(leapMonths, 66);
    EXPECT_EQ(months, 180 * 12 + 66);
}

TEST(SolarToLunarSweep, IndicesFollowTheLunarYearAndMonth) {
    for (const LunarDate& date : everyConvertedDay()) {
        ASSERT_EQ(date.yearIndex, date.lunarYear - 1881);
        ASSERT_GE(date.yearIndex, 0);
        ASSERT_LE(date.yearIndex, 179);
        ASSERT_EQ(date.monthIndex, date.yearIndex * 12 + date.lunarMonth);
    }
}

} // namespace
} // namespace namewright
