#include "chart/ChartAnalysis.h"
#include "calendar/LunarTexts.h"
#include "calendar/Pillars.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace namewright {
namespace {

using testing::TempDatabase;

/// The elements of a pair (stem element then branch element) and its nayin, by the usual tables.
std::pair<std::string, std::string> baziOf(int i) {
    const std::string_view stemElements[] = {"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
    const std::string_view branchElements[] = {"水", "土", "木", "木", "土", "火", "火", "土", "金", "金", "土", "水"};
    const std::string_view nayin[] = {"海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
                                      "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
                                      "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
                                      "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};
    return {std::string(stemElements[(i - 1) % 10]) + std::string(branchElements[(i - 1) % 12]),
            std::string(nayin[(i - 1) / 2])};
}

/// A `bazi` table with the rows of all 60 pairs except those listed.
void fillBazi(TempDatabase& file, const std::set<std::string_view>& leaveOut = {}) {
    std::string sql = "BEGIN;";
    for (int i = 1; i <= 60; ++i) {
        if (leaveOut.count(cycleEntry(i)) != 0) {
            continue;
        }
        const auto [wuxing, wuxing1] = baziOf(i);
        sql += "INSERT INTO bazi VALUES ('" + std::string(cycleEntry(i)) + "', '" + wuxing + "', '" + wuxing1 + "');";
    }
    file.exec(sql + "COMMIT;");
}

class ChartAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillBazi(m_file);
        m_db = m_file.open();
        ASSERT_TRUE(m_db.isOpen());
    }

    BirthChart evaluate(const BirthMomentTexts& moment) { return AnalyseBirthChart(moment, m_db, m_shared, m_warn); }

    TempDatabase m_file;
    NamingDatabase m_db;
    SharedBirthChart m_shared;
    int m_warnings = 0;
    YearWarningHandler m_warn = [this] { ++m_warnings; };
};

TEST_F(ChartAnalysisTest, MainFormHandsEachResultToItsLabelInOrder) {
    std::vector<std::pair<ChartLabel, std::string>> labels;
    const BirthChart chart =
        AnalyseBirthChart({"2010", "2", "14", "8"}, m_db, m_shared, m_warn,
                          [&labels](ChartLabel label, const std::string& text) { labels.emplace_back(label, text); });
    const std::vector<std::pair<ChartLabel, std::string>> expected{
        {ChartLabel::LunarDate, "2010年  寅虎年 正月 初一 辰时"},
        {ChartLabel::FourPillars, "庚寅年 戊寅月 乙未日 庚辰时"},
        {ChartLabel::ZodiacAnimal, "虎"},
        {ChartLabel::EightCharacters, "庚寅 戊寅 乙未 庚辰"},
        {ChartLabel::Elements, "金木 土木 木土 金土 "},
        {ChartLabel::Nayin, "松柏木 城头土 沙中金 白蜡金 "},
        {ChartLabel::FavourableElement, "水 火 "}};
    EXPECT_EQ(labels, expected);
    EXPECT_EQ(chart,
              (BirthChart{"2010年  寅虎年 正月 初一 辰时", "虎", "庚寅年 戊寅月 乙未日 庚辰时", "庚寅 戊寅 乙未 庚辰",
                          "金木 土木 木土 金土 ", "松柏木 城头土 沙中金 白蜡金 ", "水 火 "}));
    EXPECT_EQ(m_shared.current(), chart);
    EXPECT_EQ(m_warnings, 0);
}

TEST_F(ChartAnalysisTest, EvaluationFormGivesTheSameChartAndWritesNoLabel) {
    int labelWrites = 0;
    const ChartLabelSink sink = [&labelWrites](ChartLabel, const std::string&) { ++labelWrites; };
    const BirthChart main = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, m_shared, m_warn, sink);
    EXPECT_EQ(labelWrites, 7);
    SharedBirthChart other;
    const BirthChart evaluation = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, other, m_warn);
    EXPECT_EQ(labelWrites, 7);
    EXPECT_EQ(evaluation, main);
    EXPECT_EQ(other.current(), main);
}

TEST_F(ChartAnalysisTest, MainFormWithoutASinkStillAnalyses) {
    const BirthChart chart = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, m_shared, m_warn, ChartLabelSink{});
    EXPECT_EQ(chart.eightCharacters, "己卯 丙子 戊午 戊午");
}

TEST_F(ChartAnalysisTest, AllFiveElementsPresentGiveWu) {
    const BirthChart chart = evaluate({"2033", "12", "22", "0"});
    EXPECT_EQ(chart.eightCharacters, "癸丑 甲子 丁未 庚子");
    EXPECT_EQ(chart.elements, "水土 木水 火土 金水 ");
    EXPECT_EQ(chart.favourableElement, "无");
}

TEST_F(ChartAnalysisTest, MissingElementsAreListedInFixedOrderWithTrailingSpaces) {
    const BirthChart chart = evaluate({"1994", "2", "10", "8"});
    EXPECT_EQ(chart.eightCharacters, "甲戌 丙寅 丁卯 甲辰");
    EXPECT_EQ(chart.elements, "木土 火木 火木 木土 ");
    EXPECT_EQ(chart.nayin, "山头火 炉中火 炉中火 覆灯火 ");
    EXPECT_EQ(chart.favourableElement, "金 水 ");
}

TEST(FavourableElement, ListsEachAbsentElementInTheOrderMetalWoodWaterFireEarth) {
    EXPECT_EQ(favourableElementOf("木火 土火 火土 木土 "), "金 水 ");
    EXPECT_EQ(favourableElementOf("土木 火土 木火 火木 "), "金 水 ");
    EXPECT_EQ(favourableElementOf("水 "), "金 木 火 土 ");
    EXPECT_EQ(favourableElementOf("金木水火土"), "无");
    EXPECT_EQ(favourableElementOf("土土 土土 土土 土金 水水 木木 火 "), "无") << "no counting, no weighting";
    EXPECT_EQ(favourableElementOf("    "), "金 木 水 火 土 ");
    EXPECT_EQ(favourableElementOf(""), "金 木 水 火 土 ");
}

TEST(EightCharacters, DropsTheUnitsAndKeepsTheSpaces) {
    EXPECT_EQ(eightCharactersOf("庚寅年 戊寅月 乙未日 庚辰时"), "庚寅 戊寅 乙未 庚辰");
    EXPECT_EQ(eightCharactersOf("1881-2060"), "1881-2060");
    EXPECT_EQ(eightCharactersOf(""), "");
}

TEST(PillarPairs, CutsFourBytePairsOutOfTheCompactedText) {
    EXPECT_EQ(pillarPairsOf("庚寅 戊寅 乙未 庚辰"), (std::array<std::string, 4>{"庚寅", "戊寅", "乙未", "庚辰"}));
    EXPECT_EQ(pillarPairsOf("1881-2060"), (std::array<std::string, 4>{"1881", "-206", "0", ""}));
    EXPECT_EQ(pillarPairsOf(""), (std::array<std::string, 4>{}));
}

TEST(ZodiacAnimalOf, FindsTheAnimalBehindTheYearBranchWithOrWithoutEra) {
    EXPECT_EQ(zodiacAnimalOf("2010年  寅虎年 正月 初一 辰时"), "虎");
    EXPECT_EQ(zodiacAnimalOf("1881年  光绪七年 巳蛇年 正月 初一 子时"), "蛇");
    EXPECT_EQ(zodiacAnimalOf("1948年  民国三十七年 子鼠年 四月 廿四 卯时"), "鼠");
    EXPECT_EQ(zodiacAnimalOf("1881-2060"), "");
    EXPECT_EQ(zodiacAnimalOf(""), "");
}

TEST(ZodiacAnimalOf, EveryLunarYearHasItsAnimal) {
    const std::string_view animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
    for (int year = 1881; year <= 2060; ++year) {
        // 1 July always lies after the lunar new year; 1884 is a 甲申 (monkey) year.
        const std::string text = ConvertToLunarText(year, 7, 1, 12);
        EXPECT_EQ(zodiacAnimalOf(text), animals[((year - 1884) % 12 + 20) % 12]) << text;
    }
}

TEST_F(ChartAnalysisTest, EraYearsStillGiveTheZodiacAnimal) {
    EXPECT_EQ(evaluate({"1881", "1", "30", "0"}).zodiacAnimal, "蛇");
    EXPECT_EQ(evaluate({"1909", "3", "1", "5"}).zodiacAnimal, "鸡");
    EXPECT_EQ(evaluate({"1912", "1", "10", "5"}).zodiacAnimal, "猪");
    EXPECT_EQ(evaluate({"1948", "6", "1", "5"}).zodiacAnimal, "鼠");
    EXPECT_EQ(evaluate({"1949", "1", "28", "5"}).zodiacAnimal, "鼠") << "still lunar 1948";
    EXPECT_EQ(evaluate({"1949", "1", "29", "5"}).zodiacAnimal, "牛");
}

TEST_F(ChartAnalysisTest, TwoAnalysesInARowLeaveOnlyTheSecond) {
    const BirthChart first = evaluate({"2010", "2", "14", "8"});
    const BirthChart second = evaluate({"1881", "1", "30", "0"});
    EXPECT_EQ(second,
              (BirthChart{"1881年  光绪七年 巳蛇年 正月 初一 子时", "蛇", "辛巳年 庚寅月 甲子日 甲子时",
                          "辛巳 庚寅 甲子 甲子", "金火 金木 木水 木水 ", "白蜡金 松柏木 海中金 海中金 ", "土 "}));
    EXPECT_EQ(m_shared.current(), second);
    EXPECT_NE(first.elements, second.elements);
}

TEST_F(ChartAnalysisTest, BirthAtTwentyThreeLooksUpTheSameDaysZiHour) {
    const BirthChart chart = evaluate({"2010", "2", "14", "23"});
    EXPECT_EQ(chart.eightCharacters, "庚寅 戊寅 乙未 丙子");
    EXPECT_EQ(chart.elements, "金木 土木 木土 火水 ");
    EXPECT_EQ(chart.favourableElement, "无");
    EXPECT_EQ(evaluate({"2010", "2", "14", "0"}), chart);
}

TEST_F(ChartAnalysisTest, BadYearWarnsOnceForEachTextAndGivesAChartWithoutPillars) {
    const BirthChart chart = evaluate({"1880", "6", "1", "5"});
    EXPECT_EQ(m_warnings, 2);
    EXPECT_EQ(chart, (BirthChart{"1881-2060", "", "1881-2060", "1881-2060", "    ", "    ", "金 木 水 火 土 "}));
    EXPECT_EQ(m_shared.current(), chart);
}

TEST_F(ChartAnalysisTest, TextsThatAreNotNumbersReadAsZero) {
    EXPECT_EQ(evaluate({"二〇一〇", "2", "14", "8"}).lunarDate, "1881-2060");
    EXPECT_EQ(m_warnings, 2) << "year 0 warns";
    EXPECT_EQ(evaluate({"", "", "", ""}).fourPillars, "1881-2060");
    EXPECT_EQ(m_warnings, 4);
    // An hour that is not a number is hour 0, the 子 hour.
    EXPECT_EQ(evaluate({" 2010 ", "2", "14", "8点"}).eightCharacters, "庚寅 戊寅 乙未 丙子");
    EXPECT_EQ(m_warnings, 4);
}

TEST_F(ChartAnalysisTest, DatesThatDoNotExistWarnTwiceAndTakeTheOutOfRangePath) {
    for (const BirthMomentTexts& moment :
         {BirthMomentTexts{"2010", "13", "1", "5"}, BirthMomentTexts{"2010", "2", "30", "5"},
          BirthMomentTexts{"2010", "4", "31", "5"}, BirthMomentTexts{"2010", "x", "1", "5"}}) {
        const BirthChart chart = evaluate(moment);
        EXPECT_EQ(chart.lunarDate, "1881-2060");
        EXPECT_EQ(chart.fourPillars, "1881-2060");
        EXPECT_EQ(chart.zodiacAnimal, "");
    }
    EXPECT_EQ(m_warnings, 8) << "once from each of the two calendar texts, as for a bad year";
}

TEST_F(ChartAnalysisTest, OutOfRangeAfterAGoodChartRepeatsNothingOfIt) {
    evaluate({"2010", "2", "14", "8"});
    const BirthChart chart = evaluate({"1881", "1", "29", "8"});
    EXPECT_EQ(chart, (BirthChart{"1881-2060", "", "1881-2060", "1881-2060", "    ", "    ", "金 木 水 火 土 "}));
    EXPECT_EQ(m_warnings, 0) << "1881 is a good year";
}

TEST(ChartAnalysis, APairWithoutARowContributesAnEmptyTextAndItsSpace) {
    TempDatabase file;
    fillBazi(file, {"乙未"});
    NamingDatabase db = file.open();
    SharedBirthChart shared;
    const BirthChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, db, shared, {});
    EXPECT_EQ(chart.elements, "金木 土木  金土 ");
    EXPECT_EQ(chart.nayin, "松柏木 城头土  白蜡金 ");
    EXPECT_EQ(chart.favourableElement, "水 火 ");
}

TEST(ChartAnalysis, AClosedDatabaseFindsNoRows) {
    NamingDatabase closed;
    SharedBirthChart shared;
    const BirthChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, closed, shared, {});
    EXPECT_EQ(chart.eightCharacters, "庚寅 戊寅 乙未 庚辰");
    EXPECT_EQ(chart.elements, "    ");
    EXPECT_EQ(chart.nayin, "    ");
    EXPECT_EQ(chart.favourableElement, "金 木 水 火 土 ");
}

} // namespace
} // namespace namewright
