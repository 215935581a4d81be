#include "calendar/Pillars.h"
#include "calendar/GregorianDate.h"
#include "calendar/LunarConversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <ostream>
#include <string>

namespace namewright {
namespace {

/// The text of a pillar, empty for none.
std::string_view text(const std::optional<SexagenaryPair>& pillar) {
    return pillar ? pillar->text() : std::string_view{};
}

/// The pair a text names (the test's own texts always name one).
SexagenaryPair pair(std::string_view text) {
    return SexagenaryPair::fromText(text).value();
}

TEST(CycleName, CountsFromTheThreeReferencePairs) {
    EXPECT_EQ(CycleName(0, CycleKind::Year).text(), "辛巳");
    EXPECT_EQ(CycleName(1, CycleKind::Month).text(), "庚寅");
    EXPECT_EQ(CycleName(1, CycleKind::Day).text(), "甲子");
    EXPECT_EQ(CycleName(60, CycleKind::Day).text(), "癸亥");
    EXPECT_EQ(CycleName(61, CycleKind::Day).text(), "甲子");
    EXPECT_EQ(CycleName(43, CycleKind::Year).text(), "甲子") << "lunar 1924 begins a new cycle";
    EXPECT_EQ(CycleName(0, CycleKind::Day).text(), "癸亥");
    EXPECT_EQ(CycleName(-1, CycleKind::Day).text(), "壬戌");
    // (INT_MAX + 26) mod 60 and (INT_MIN + 18) mod 60, counted without overflow.
    EXPECT_EQ(CycleName(INT_MAX, CycleKind::Month).position(), 33);
    EXPECT_EQ(CycleName(INT_MIN, CycleKind::Year).position(), 10);
}

struct HourCase {
    int hour;
    int branchIndex;
    std::string_view branch;
};

std::ostream& operator<<(std::ostream& out, const HourCase& c) {
    return out << c.hour << " h";
}

class HourBranchTest : public ::testing::TestWithParam<HourCase> {};

TEST_P(HourBranchTest, FollowsTheTwoHourTable) {
    EXPECT_EQ(HourBranch(GetParam().hour).number(), GetParam().branchIndex);
    EXPECT_EQ(HourBranch(GetParam().hour).text(), GetParam().branch);
}

INSTANTIATE_TEST_SUITE_P(EveryHourAndBeyond, HourBranchTest,
                         ::testing::Values(HourCase{0, 1, "子"}, HourCase{1, 2, "丑"}, HourCase{2, 2, "丑"},
                                           HourCase{3, 3, "寅"}, HourCase{4, 3, "寅"}, HourCase{5, 4, "卯"},
                                           HourCase{6, 4, "卯"}, HourCase{7, 5, "辰"}, HourCase{8, 5, "辰"},
                                           HourCase{9, 6, "巳"}, HourCase{10, 6, "巳"}, HourCase{11, 7, "午"},
                                           HourCase{12, 7, "午"}, HourCase{13, 8, "未"}, HourCase{14, 8, "未"},
                                           HourCase{15, 9, "申"}, HourCase{16, 9, "申"}, HourCase{17, 10, "酉"},
                                           HourCase{18, 10, "酉"}, HourCase{19, 11, "戌"}, HourCase{20, 11, "戌"},
                                           HourCase{21, 12, "亥"}, HourCase{22, 12, "亥"}, HourCase{23, 1, "子"},
                                           HourCase{24, 1, "子"}, HourCase{99, 1, "子"}, HourCase{-1, 1, "子"},
                                           HourCase{INT_MIN, 1, "子"}, HourCase{INT_MAX, 1, "子"}));

TEST(HourPillar, TheDayStemGivesTheStemOfTheZiHour) {
    const std::map<std::string_view, std::string_view> ziHour{
        {"甲", "甲子"}, {"己", "甲子"}, {"乙", "丙子"}, {"庚", "丙子"}, {"丙", "戊子"},
        {"辛", "戊子"}, {"丁", "庚子"}, {"壬", "庚子"}, {"戊", "壬子"}, {"癸", "壬子"}};
    for (int day = 1; day <= 60; ++day) {
        const SexagenaryPair dayPillar = SexagenaryPair::fromPosition(day);
        const std::string_view zi = ziHour.at(dayPillar.text().substr(0, 3));
        EXPECT_EQ(HourPillar(dayPillar, 0).text(), zi) << dayPillar.text();
        EXPECT_EQ(HourPillar(dayPillar, 23).text(), zi) << dayPillar.text();
        // The hours run on through the cycle: each two-hour step is the next pair.
        for (int hour = 1; hour <= 22; ++hour) {
            EXPECT_EQ(HourPillar(dayPillar, hour), pair(zi).advancedBy(HourBranch(hour).number() - 1))
                << dayPillar.text() << hour;
        }
    }
}

TEST(HourPillar, WrapsPastTheTenthStem) {
    EXPECT_EQ(HourPillar(pair("甲子"), 21).text(), "乙亥");
    EXPECT_EQ(HourPillar(pair("乙丑"), 17).text(), "乙酉");
    EXPECT_EQ(HourPillar(pair("丙寅"), 13).text(), "乙未");
    EXPECT_EQ(HourPillar(pair("丁卯"), 9).text(), "乙巳");
    EXPECT_EQ(HourPillar(pair("戊辰"), 5).text(), "乙卯");
    EXPECT_EQ(HourPillar(pair("癸亥"), 22).text(), "癸亥");
}

TEST(Pillars, AnOutOfRangeDateHasNoPillars) {
    for (const LunarDate& outside : {SolarToLunar(1881, 1, 29), SolarToLunar(2061, 1, 1), SolarToLunar(2010, 2, 30)}) {
        EXPECT_FALSE(YearPillar(outside));
        EXPECT_FALSE(MonthPillar(outside));
        EXPECT_FALSE(DayPillar(outside));
        EXPECT_FALSE(fourPillarsOf(outside, 5));
    }
}

struct PillarCase {
    GregorianDate date;
    int hour;
    std::string_view year, month, day, hourPillar;
};

std::ostream& operator<<(std::ostream& out, const PillarCase& c) {
    return out << c.date.year << '-' << c.date.month << '-' << c.date.day << ' ' << c.hour << " h";
}

class PillarsTest : public ::testing::TestWithParam<PillarCase> {};

TEST_P(PillarsTest, GivesTheFourPillars) {
    const PillarCase& c = GetParam();
    const LunarDate date = SolarToLunar(c.date.year, c.date.month, c.date.day);
    EXPECT_EQ(text(YearPillar(date)), c.year);
    EXPECT_EQ(text(MonthPillar(date)), c.month);
    EXPECT_EQ(text(DayPillar(date)), c.day);
    EXPECT_EQ(HourPillar(DayPillar(date).value(), c.hour).text(), c.hourPillar);
    EXPECT_EQ(fourPillarsOf(date, c.hour), (FourPillars{pair(c.year), pair(c.month), pair(c.day), pair(c.hourPillar)}));
}

// The worked examples of the pillar rules.
INSTANTIATE_TEST_SUITE_P(Examples, PillarsTest,
                         ::testing::Values(PillarCase{{1881, 1, 30}, 0, "辛巳", "庚寅", "甲子", "甲子"},
                                           PillarCase{{1881, 1, 30}, 3, "辛巳", "庚寅", "甲子", "丙寅"},
                                           PillarCase{{2010, 2, 13}, 12, "己丑", "丁丑", "甲午", "庚午"},
                                           PillarCase{{2010, 2, 14}, 8, "庚寅", "戊寅", "乙未", "庚辰"},
                                           PillarCase{{2010, 2, 14}, 23, "庚寅", "戊寅", "乙未", "丙子"},
                                           PillarCase{{2000, 1, 1}, 12, "己卯", "丙子", "戊午", "戊午"},
                                           PillarCase{{2020, 4, 23}, 1, "庚子", "辛巳", "丙申", "己丑"},
                                           PillarCase{{2020, 5, 23}, 1, "庚子", "辛巳", "丙寅", "己丑"},
                                           PillarCase{{2060, 12, 31}, 22, "庚辰", "己丑", "戊寅", "癸亥"},
                                           PillarCase{{1949, 10, 1}, 0, "己丑", "癸酉", "甲子", "甲子"},
                                           PillarCase{{2034, 1, 20}, 0, "癸丑", "乙丑", "丙子", "戊子"}));

// Sweeps over every converted day.

TEST(PillarsSweep, DayPillarAdvancesOneStepADay) {
    std::string_view before = "癸亥"; // the day before 1881-01-30
    for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const std::string_view now = text(DayPillar(SolarToLunar(g.year, g.month, g.day)));
        ASSERT_EQ(now, SexagenaryPair::fromPosition(count % 60 == 0 ? 60 : count % 60).text()) << count;
        ASSERT_NE(now, before);
        before = now;
    }
}

TEST(PillarsSweep, YearPillarChangesOnlyOnTheLunarNewYearAndMonthPillarOnlyOnDayOne) {
    LunarDate before = SolarToLunar(1881, 1, 30);
    int yearChanges = 0;
    for (int count = 2; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const LunarDate now = SolarToLunar(g.year, g.month, g.day);
        const bool newYear = now.lunarMonth == 1 && now.lunarDay == 1 && !now.isLeap;
        ASSERT_EQ(YearPillar(now) != YearPillar(before), newYear) << count;
        yearChanges += newYear ? 1 : 0;
        // A leap month keeps the pillar of its regular month; every other first day starts the next pillar.
        const bool nextMonthPillar = now.lunarDay == 1 && !now.isLeap;
        ASSERT_EQ(MonthPillar(now) != MonthPillar(before), nextMonthPillar) << count;
        if (nextMonthPillar) {
            ASSERT_EQ(CycleName(before.monthIndex + 1, CycleKind::Month), MonthPillar(now).value());
        }
        before = now;
    }
    EXPECT_EQ(yearChanges, 179);
}

TEST(PillarsSweep, MonthOneHasBranchYinAndItsStemFollowsTheYearStem) {
    // 甲/己 years begin with 丙寅, 乙/庚 with 戊寅, 丙/辛 with 庚寅, 丁/壬 with 壬寅, 戊/癸 with 甲寅.
    const std::map<std::string_view, std::string_view> firstMonth{
        {"甲", "丙寅"}, {"己", "丙寅"}, {"乙", "戊寅"}, {"庚", "戊寅"}, {"丙", "庚寅"},
        {"辛", "庚寅"}, {"丁", "壬寅"}, {"壬", "壬寅"}, {"戊", "甲寅"}, {"癸", "甲寅"}};
    for (int year = 1881; year <= 2060; ++year) {
        const LunarDate date{false, year, 1, false, 1, 1, year - 1881, (year - 1881) * 12 + 1};
        EXPECT_EQ(text(MonthPillar(date)), firstMonth.at(text(YearPillar(date)).substr(0, 3))) << year;
        const LunarDate twelfth{false, year, 12, false, 1, 1, year - 1881, (year - 1881) * 12 + 12};
        EXPECT_EQ(text(MonthPillar(twelfth)).substr(3), "丑");
    }
}

TEST(PillarsSweep, LeapMonthsShareThePillarOfTheirRegularMonth) {
    int leapDays = 0;
    std::map<std::pair<int, int>, SexagenaryPair> regularPillar;
    for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const LunarDate date = SolarToLunar(g.year, g.month, g.day);
        const auto key = std::make_pair(date.lunarYear, date.lunarMonth);
        if (!date.isLeap) {
            regularPillar.insert_or_assign(key, MonthPillar(date).value());
            continue;
        }
        ++leapDays;
        ASSERT_EQ(regularPillar.count(key), 1U) << count;
        ASSERT_EQ(MonthPillar(date).value(), regularPillar.at(key)) << count;
    }
    EXPECT_GT(leapDays, 66 * 29 - 1);
}

} // namespace
} // namespace namewright
