#include "calendar/LunarTexts.h"
#include "calendar/GregorianDate.h"
#include "calendar/LunarConversion.h"
#include "calendar/Pillars.h"
#include "text/GbkText.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

struct TextCase {
    GregorianDate date;
    int hour;
    std::string_view lunarText;
    std::string_view fourPillars;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) {
    return out << c.date.year << '-' << c.date.month << '-' << c.date.day << ' ' << c.hour << " h";
}

class LunarTextsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(LunarTextsTest, GivesBothTextsExactly) {
    const TextCase& c = GetParam();
    EXPECT_EQ(ConvertToLunarText(c.date.year, c.date.month, c.date.day, c.hour), c.lunarText);
    EXPECT_EQ(ConvertToFourPillars(c.date.year, c.date.month, c.date.day, c.hour), c.fourPillars);
}

// The edge cases of the two display texts.
INSTANTIATE_TEST_SUITE_P(
    Examples, LunarTextsTest,
    ::testing::Values(
        TextCase{{2010, 2, 14}, 8, "2010年  寅虎年 正月 初一 辰时", "庚寅年 戊寅月 乙未日 庚辰时"},
        TextCase{{2010, 2, 13}, 12, "2009年  丑牛年 腊月 三十 午时", "己丑年 丁丑月 甲午日 庚午时"},
        TextCase{{2020, 5, 23}, 1, "2020年  子鼠年 闰四月 初一 丑时", "庚子年 辛巳月 丙寅日 己丑时"},
        TextCase{{2033, 12, 22}, 0, "2033年  丑牛年 闰冬月 初一 子时", "癸丑年 甲子月 丁未日 庚子时"},
        TextCase{{2010, 3, 5}, 6, "2010年  寅虎年 正月 廿十 卯时", "庚寅年 戊寅月 甲寅日 丁卯时"},
        TextCase{{2010, 3, 25}, 6, "2010年  寅虎年 二月 初十 卯时", "庚寅年 己卯月 甲戌日 丁卯时"},
        TextCase{{1881, 1, 30}, 0, "1881年  光绪七年 巳蛇年 正月 初一 子时", "辛巳年 庚寅月 甲子日 甲子时"},
        TextCase{{1909, 3, 1}, 5, "1909年  宣统元年 酉鸡年 二月 初十 卯时", "己酉年 丁卯月 庚申日 己卯时"},
        TextCase{{1912, 1, 10}, 5, "1911年  宣统三年 亥猪年 冬月 廿二 卯时", "辛亥年 庚子月 乙酉日 己卯时"},
        TextCase{{1948, 6, 1}, 5, "1948年  民国三十七年 子鼠年 四月 廿四 卯时", "戊子年 丁巳月 丁巳日 癸卯时"},
        TextCase{{2000, 1, 1}, 12, "1999年  卯兔年 冬月 廿五 午时", "己卯年 丙子月 戊午日 戊午时"},
        TextCase{{2060, 12, 31}, 22, "2060年  辰龙年 腊月 初九 亥时", "庚辰年 己丑月 戊寅日 癸亥时"},
        TextCase{{2010, 2, 14}, 23, "2010年  寅虎年 正月 初一 子时", "庚寅年 戊寅月 乙未日 丙子时"}));

// Days the corrected lunar year records decide, with their dates in the official calendar.
INSTANTIATE_TEST_SUITE_P(
    OfficialCalendar, LunarTextsTest,
    ::testing::Values(TextCase{{2034, 1, 20}, 0, "2033年  丑牛年 腊月 初一 子时", "癸丑年 乙丑月 丙子日 戊子时"},
                      TextCase{{2034, 1, 19}, 0, "2033年  丑牛年 闰冬月 廿九 子时", "癸丑年 甲子月 乙亥日 丙子时"},
                      TextCase{{2029, 2, 13}, 9, "2029年  酉鸡年 正月 初一 巳时", "己酉年 丙寅月 甲戌日 己巳时"},
                      TextCase{{2019, 3, 6}, 14, "2019年  亥猪年 正月 三十 未时", "己亥年 丙寅月 壬寅日 丁未时"},
                      TextCase{{2013, 6, 8}, 4, "2013年  巳蛇年 五月 初一 寅时", "癸巳年 戊午月 乙巳日 戊寅时"},
                      TextCase{{2048, 2, 13}, 20, "2047年  卯兔年 腊月 三十 戌时", "丁卯年 癸丑月 癸丑日 壬戌时"}));

TEST(ConvertToLunarText, EraYearsUseTheChineseNumeralAndYuanForAFirstYear) {
    EXPECT_EQ(ConvertToLunarText(1921, 6, 1, 12), "1921年  民国一十年 酉鸡年 四月 廿五 午时");
    EXPECT_EQ(ConvertToLunarText(1911, 6, 1, 12), "1911年  宣统三年 亥猪年 五月 初五 午时");
    EXPECT_EQ(ConvertToLunarText(1912, 6, 1, 12), "1912年  民国元年 子鼠年 四月 十六 午时");
    EXPECT_EQ(ConvertToLunarText(1908, 6, 1, 12), "1908年  光绪三十四年 申猴年 五月 初三 午时");
    EXPECT_EQ(ConvertToLunarText(1949, 6, 1, 12), "1949年  丑牛年 五月 初五 午时");
}

TEST(ConvertTexts, OutOfRangeDatesGiveTheRangeText) {
    for (const GregorianDate date :
         {GregorianDate{1881, 1, 29}, GregorianDate{1881, 1, 1}, GregorianDate{1880, 6, 1}, GregorianDate{2061, 1, 1},
          GregorianDate{0, 0, 0}, GregorianDate{INT_MIN, INT_MIN, INT_MIN}, GregorianDate{INT_MAX, 1, 1}}) {
        EXPECT_EQ(ConvertToLunarText(date.year, date.month, date.day, 5), "1881-2060");
        EXPECT_EQ(ConvertToFourPillars(date.year, date.month, date.day, 5), "1881-2060");
    }
}

TEST(ConvertTexts, DatesThatDoNotExistGiveTheRangeText) {
    EXPECT_EQ(ConvertToLunarText(2010, 13, 1, 5), "1881-2060");
    EXPECT_EQ(ConvertToFourPillars(2010, 13, 1, 5), "1881-2060");
    EXPECT_EQ(ConvertToLunarText(2010, 2, 30, 5), "1881-2060");
    EXPECT_EQ(ConvertToFourPillars(2010, 2, 30, 5), "1881-2060");
    EXPECT_EQ(ConvertToLunarText(2010, 4, 31, 5), "1881-2060");
    EXPECT_EQ(ConvertToFourPillars(2010, 4, 31, 5), "1881-2060");
    EXPECT_EQ(ConvertToFourPillars(2011, 2, 29, 5), "1881-2060");
    EXPECT_EQ(ConvertToFourPillars(2010, 0, 0, 5), "1881-2060");
}

TEST(ConvertToFourPillars, OutOfRangeDoesNotRepeatThePreviousRequest) {
    ASSERT_EQ(ConvertToFourPillars(2010, 2, 14, 8), "庚寅年 戊寅月 乙未日 庚辰时");
    EXPECT_EQ(ConvertToFourPillars(1881, 1, 29, 8), "1881-2060");
}

TEST(ConvertTexts, EachCallGivesTheYearWarningOnceForABadYearOnly) {
    int warnings = 0;
    const YearWarningHandler warn = [&warnings] { ++warnings; };
    ConvertToLunarText(1880, 6, 1, 0, warn);
    EXPECT_EQ(warnings, 1);
    ConvertToFourPillars(1880, 6, 1, 0, warn);
    EXPECT_EQ(warnings, 2);
    ConvertToFourPillars(2061, 1, 1, 0, warn);
    ConvertToLunarText(0, 1, 1, 0, warn);
    EXPECT_EQ(warnings, 4);
    // In range, or a real date of 1881 before 1881-01-30: no warning. (Dates that do not exist: ImpossibleDateTest.)
    ConvertToLunarText(1881, 1, 15, 0, warn);
    ConvertToFourPillars(1881, 1, 15, 0, warn);
    ConvertToLunarText(2010, 2, 14, 0, warn);
    ConvertToFourPillars(2060, 12, 31, 0, warn);
    EXPECT_EQ(warnings, 4);
}

TEST(ConvertTexts, HoursZeroAndTwentyThreeShareTheHourNameAndPillar) {
    EXPECT_EQ(ConvertToLunarText(1990, 7, 7, 0), ConvertToLunarText(1990, 7, 7, 23));
    EXPECT_EQ(ConvertToFourPillars(1990, 7, 7, 0), ConvertToFourPillars(1990, 7, 7, 23));
    EXPECT_EQ(ConvertToFourPillars(1990, 7, 7, -5), ConvertToFourPillars(1990, 7, 7, 24));
}

TEST(LunarNames, NameMonthsAndDaysAsTheLunarText) {
    EXPECT_EQ(lunarMonthName(SolarToLunar(2010, 2, 14)), "正月");
    EXPECT_EQ(lunarMonthName(SolarToLunar(2020, 5, 23)), "闰四月");
    EXPECT_EQ(lunarMonthName(SolarToLunar(2033, 12, 22)), "闰冬月");
    EXPECT_EQ(lunarMonthName(SolarToLunar(2000, 1, 1)), "冬月");
    EXPECT_EQ(lunarMonthName(SolarToLunar(2010, 2, 13)), "腊月");
    EXPECT_EQ(lunarDayName(SolarToLunar(2010, 2, 14)), "初一");
    EXPECT_EQ(lunarDayName(SolarToLunar(2010, 3, 5)), "廿十");
    EXPECT_EQ(lunarDayName(SolarToLunar(2010, 2, 13)), "三十");
    EXPECT_EQ(lunarMonthName(SolarToLunar(1881, 1, 29)), "");
    EXPECT_EQ(lunarDayName(SolarToLunar(2010, 2, 30)), "");
}

TEST(ChineseNumeral, WritesOneToNinetyNine) {
    EXPECT_EQ(ChineseNumeral(1), "一");
    EXPECT_EQ(ChineseNumeral(7), "七");
    EXPECT_EQ(ChineseNumeral(10), "一十");
    EXPECT_EQ(ChineseNumeral(11), "一十一");
    EXPECT_EQ(ChineseNumeral(19), "一十九");
    EXPECT_EQ(ChineseNumeral(20), "二十");
    EXPECT_EQ(ChineseNumeral(21), "二十一");
    EXPECT_EQ(ChineseNumeral(37), "三十七");
    EXPECT_EQ(ChineseNumeral(99), "九十九");
    EXPECT_EQ(ChineseNumeral(0), "");
    EXPECT_EQ(ChineseNumeral(100), "");
}

TEST(ConvertTexts, TheValueFormsPrintWhatTheDateFormsPrint) {
    const LunarDate date = SolarToLunar(2020, 5, 23);
    EXPECT_EQ(ConvertToLunarText(date, HourBranch(1)), ConvertToLunarText(2020, 5, 23, 1));
    EXPECT_EQ(ConvertToFourPillars(fourPillarsOf(date, 1)), ConvertToFourPillars(2020, 5, 23, 1));
    EXPECT_EQ(ConvertToLunarText(SolarToLunar(1881, 1, 29), HourBranch(1)), kOutOfRangeText);
    EXPECT_EQ(ConvertToFourPillars(std::nullopt), kOutOfRangeText);
}

// Sweeps over every converted day.

/// The day name by its rule: 初 for days 1-10, the numeral less its first character for 10-19, 廿 and the
/// numeral's last character for 20-29, 三十 for 30.
std::string dayNameByRule(int day) {
    const std::string numeral = ChineseNumeral(day);
    if (day < 10) {
        return "初" + numeral;
    }
    if (day == 10) {
        return "初" + numeral.substr(3);
    }
    if (day < 20) {
        return numeral.substr(3);
    }
    if (day < 30) {
        return "廿" + numeral.substr(numeral.size() - 3);
    }
    return numeral;
}

std::vector<std::string> fields(const std::string& text) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, ' ')) {
        parts.push_back(part);
    }
    return parts;
}

TEST(ConvertTextsSweep, FourPillarsTextIsAlways27BytesWithThePillarsInPlace) {
    for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const int hour = count % 25;
        const std::string text = ConvertToFourPillars(g.year, g.month, g.day, hour);
        const LunarDate date = SolarToLunar(g.year, g.month, g.day);
        ASSERT_EQ(gbkWidth(text), 27U) << text;
        const FourPillars pillars = fourPillarsOf(date, hour).value();
        ASSERT_EQ(gbkSlice(text, 0, 4), pillars.year.text());
        ASSERT_EQ(gbkSlice(text, 4, 3), "年 ");
        ASSERT_EQ(gbkSlice(text, 7, 4), pillars.month.text());
        ASSERT_EQ(gbkSlice(text, 11, 3), "月 ");
        ASSERT_EQ(gbkSlice(text, 14, 4), pillars.day.text());
        ASSERT_EQ(gbkSlice(text, 18, 3), "日 ");
        ASSERT_EQ(gbkSlice(text, 21, 4), pillars.hour.text());
        ASSERT_EQ(gbkSlice(text, 25, 2), "时");
    }
}

TEST(ConvertTextsSweep, LunarTextNamesTheLunarDateWithTheZodiacAtFixedBytesFrom1949) {
    const std::string_view kMonths[] = {"正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊"};
    for (int count = 1; count <= dayCountOf(2060, 12, 31); ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const int hour = count % 24;
        const std::string text = ConvertToLunarText(g.year, g.month, g.day, hour);
        const LunarDate date = SolarToLunar(g.year, g.month, g.day);
        const EarthlyBranch branch = YearPillar(date).value().branch();
        const std::string zodiac = std::string(branch.text()) + std::string(branch.animal()) + "年";
        const std::vector<std::string> parts = fields(text);
        const std::size_t era = date.lunarYear < 1949 ? 1 : 0;
        ASSERT_EQ(parts.size(), 6U + era) << text;
        ASSERT_EQ(parts[0], std::to_string(date.lunarYear) + "年");
        ASSERT_EQ(parts[1], "");
        ASSERT_EQ(parts[2 + era], zodiac) << text;
        ASSERT_EQ(parts[3 + era], std::string(date.isLeap ? "闰" : "") +
                                      std::string(kMonths[static_cast<std::size_t>(date.lunarMonth - 1)]) + "月");
        ASSERT_EQ(parts[3 + era], lunarMonthName(date));
        ASSERT_EQ(parts[4 + era], dayNameByRule(date.lunarDay)) << text;
        ASSERT_EQ(parts[4 + era], lunarDayName(date));
        ASSERT_EQ(parts[5 + era], std::string(HourBranch(hour).text()) + "时");
        if (era == 0) {
            ASSERT_EQ(gbkSlice(text, 8, 2), branch.text());
            ASSERT_EQ(gbkSlice(text, 10, 2), branch.animal());
        }
    }
}

TEST(ConvertTextsSweep, EraYearsRunFromGuangxuSevenToMingguoThirtySeven) {
    const std::vector<std::pair<int, std::string>> expected{
        {1881, "光绪七年"}, {1882, "光绪八年"},   {1891, "光绪一十七年"}, {1894, "光绪二十年"}, {1908, "光绪三十四年"},
        {1909, "宣统元年"}, {1910, "宣统二年"},   {1911, "宣统三年"},     {1912, "民国元年"},   {1913, "民国二年"},
        {1920, "民国九年"}, {1921, "民国一十年"}, {1930, "民国一十九年"}, {1931, "民国二十年"}, {1948, "民国三十七年"}};
    for (const auto& [year, era] : expected) {
        const std::vector<std::string> parts = fields(ConvertToLunarText(year, 7, 1, 0));
        ASSERT_GE(parts.size(), 3U);
        EXPECT_EQ(parts[2], era) << year;
    }
}

} // namespace
} // namespace namewright
