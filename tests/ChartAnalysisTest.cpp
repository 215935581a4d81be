#include "chart/ChartAnalysis.h"
#include "calendar/LunarConversion.h"
#include "calendar/Pillars.h"
#include "support/BaziFixture.h"
#include "support/ChartPrinting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace namewright {
namespace {

using testing::fillBazi;
using testing::TempDatabase;

class ChartAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillBazi(m_file);
        m_db = m_file.open();
        ASSERT_TRUE(m_db.isOpen());
    }

    LunarChart evaluate(const BirthMomentTexts& moment) {
        return AnalyseBirthChart(moment, m_db, {m_warn, {}, &m_shared});
    }

    TempDatabase m_file;
    NamingDatabase m_db;
    LatestLunarChart m_shared;
    int m_warnings = 0;
    YearWarningHandler m_warn = [this] { ++m_warnings; };
};

TEST_F(ChartAnalysisTest, MainFormHandsEachResultToItsLabelInOrder) {
    std::vector<std::pair<ChartLabel, std::string>> labels;
    const LunarChart chart = AnalyseBirthChart(
        {"2010", "2", "14", "8"}, m_db,
        {m_warn, [&labels](ChartLabel label, const std::string& text) { labels.emplace_back(label, text); },
         &m_shared});
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
              (LunarChart{"2010年  寅虎年 正月 初一 辰时", "虎", "庚寅年 戊寅月 乙未日 庚辰时", "庚寅 戊寅 乙未 庚辰",
                          "金木 土木 木土 金土 ", "松柏木 城头土 沙中金 白蜡金 ", "水 火 ",
                          fourPillarsOf(SolarToLunar(2010, 2, 14), 8), ElementSet{Element::Water, Element::Fire}}));
    EXPECT_EQ(m_shared.current(), chart);
    EXPECT_EQ(m_warnings, 0);
}

TEST_F(ChartAnalysisTest, EvaluationFormGivesTheSameChartAndWritesNoLabel) {
    int labelWrites = 0;
    const ChartLabelSink sink = [&labelWrites](ChartLabel, const std::string&) { ++labelWrites; };
    const LunarChart main = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, {m_warn, sink, &m_shared});
    EXPECT_EQ(labelWrites, 7);
    LatestLunarChart other;
    const LunarChart evaluation = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, {m_warn, {}, &other});
    EXPECT_EQ(labelWrites, 7);
    EXPECT_EQ(evaluation, main);
    EXPECT_EQ(other.current(), main);
}

TEST_F(ChartAnalysisTest, MainFormWithoutASinkStillAnalyses) {
    const LunarChart chart = AnalyseBirthChart({"2000", "1", "1", "12"}, m_db, {m_warn, ChartLabelSink{}, &m_shared});
    EXPECT_EQ(chart.eightCharacters, "己卯 丙子 戊午 戊午");
}

TEST_F(ChartAnalysisTest, AllFiveElementsPresentGiveWu) {
    const LunarChart chart = evaluate({"2033", "12", "22", "0"});
    EXPECT_EQ(chart.eightCharacters, "癸丑 甲子 丁未 庚子");
    EXPECT_EQ(chart.elements, "水土 木水 火土 金水 ");
    EXPECT_EQ(chart.favourableElement, "无");
}

TEST_F(ChartAnalysisTest, MissingElementsAreListedInFixedOrderWithTrailingSpaces) {
    const LunarChart chart = evaluate({"1994", "2", "10", "8"});
    EXPECT_EQ(chart.eightCharacters, "甲戌 丙寅 丁卯 甲辰");
    EXPECT_EQ(chart.elements, "木土 火木 火木 木土 ");
    EXPECT_EQ(chart.nayin, "山头火 炉中火 炉中火 覆灯火 ");
    EXPECT_EQ(chart.favourableElement, "金 水 ");
}

TEST(FavourableElement, ListsEachAbsentElementInTheOrderMetalWoodWaterFireEarth) {
    EXPECT_EQ(favourableElementOf({Element::Wood, Element::Fire, Element::Earth}), "金 水 ");
    EXPECT_EQ(favourableElementOf({Element::Earth, Element::Fire, Element::Wood}), "金 水 ");
    EXPECT_EQ(favourableElementOf({Element::Water}), "金 木 火 土 ");
    EXPECT_EQ(favourableElementOf(ElementSet::all()), "无");
    EXPECT_EQ(favourableElementOf({}), "金 木 水 火 土 ");
}

TEST(FavourableElement, CountsAnElementNamedAnywhereInAPairsElementsText) {
    TempDatabase file;
    file.exec("INSERT INTO bazi VALUES ('庚寅', '金木', ''), ('戊寅', '土 木', ''), ('乙未', '水金木', ''),"
              " ('庚辰', '火火火', '');");
    NamingDatabase db = file.open();
    LatestLunarChart shared;
    const LunarChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, db, {.latest = &shared});
    EXPECT_EQ(chart.elements, "金木 土 木 水金木 火火火 ");
    EXPECT_EQ(chart.favourableElement, "无") << "no counting, no weighting";
}

TEST(EightCharacters, AreThePairsSeparatedBySpaces) {
    const FourPillars pillars = fourPillarsOf(SolarToLunar(2010, 2, 14), 8).value();
    EXPECT_EQ(eightCharactersOf(pillars), "庚寅 戊寅 乙未 庚辰");
    EXPECT_EQ(eightCharactersOf(std::nullopt), "1881-2060");
}

TEST(ZodiacAnimal, EveryLunarYearHasTheAnimalOfItsBranch) {
    const std::string_view animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
    for (int year = 1881; year <= 2060; ++year) {
        // 1 July always lies after the lunar new year; 1884 is a 甲申 (monkey) year.
        const LunarDate date = SolarToLunar(year, 7, 1);
        const LunarChart chart = AnalyseBirthChart(date, fourPillarsOf(date, 12), {});
        EXPECT_EQ(chart.zodiacAnimal, animals[((year - 1884) % 12 + 20) % 12]) << chart.lunarDate;
    }
}

TEST(ChartFromValues, LooksUpThePillarsInTheOrderYearMonthDayHour) {
    std::vector<std::string> asked;
    const BaziLookup lookup = [&asked](SexagenaryPair pair) {
        asked.emplace_back(pair.text());
        return std::optional<BaziRow>(BaziRow{std::string(pair.stem().text()), std::string(pair.branch().text())});
    };
    const LunarDate date = SolarToLunar(2010, 2, 14);
    const LunarChart chart = AnalyseBirthChart(date, fourPillarsOf(date, 8), lookup);
    EXPECT_EQ(asked, (std::vector<std::string>{"庚寅", "戊寅", "乙未", "庚辰"}));
    EXPECT_EQ(chart.elements, "庚 戊 乙 庚 ");
    EXPECT_EQ(chart.nayin, "寅 寅 未 辰 ");
    EXPECT_EQ(chart.favourableElement, "金 木 水 火 土 ") << "stems and branches are no element texts";
}

TEST(ChartFromValues, AnOutOfRangeDateLooksNothingUp) {
    int lookups = 0;
    const BaziLookup lookup = [&lookups](SexagenaryPair) {
        ++lookups;
        return std::optional<BaziRow>(BaziRow{"金木水火土", "x"});
    };
    const LunarChart chart = AnalyseBirthChart(SolarToLunar(1881, 1, 29), std::nullopt, lookup);
    EXPECT_EQ(lookups, 0);
    EXPECT_EQ(chart, (LunarChart{"1881-2060", "", "1881-2060", "1881-2060", "    ", "    ", "金 木 水 火 土 ",
                                 std::nullopt, ElementSet::all()}));
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
    const LunarChart first = evaluate({"2010", "2", "14", "8"});
    const LunarChart second = evaluate({"1881", "1", "30", "0"});
    EXPECT_EQ(second, (LunarChart{"1881年  光绪七年 巳蛇年 正月 初一 子时", "蛇", "辛巳年 庚寅月 甲子日 甲子时",
                                  "辛巳 庚寅 甲子 甲子", "金火 金木 木水 木水 ", "白蜡金 松柏木 海中金 海中金 ", "土 ",
                                  fourPillarsOf(SolarToLunar(1881, 1, 30), 0), ElementSet{Element::Earth}}));
    EXPECT_EQ(m_shared.current(), second);
    EXPECT_NE(first.elements, second.elements);
}

TEST_F(ChartAnalysisTest, BirthAtTwentyThreeLooksUpTheSameDaysZiHour) {
    const LunarChart chart = evaluate({"2010", "2", "14", "23"});
    EXPECT_EQ(chart.eightCharacters, "庚寅 戊寅 乙未 丙子");
    EXPECT_EQ(chart.elements, "金木 土木 木土 火水 ");
    EXPECT_EQ(chart.favourableElement, "无");
    EXPECT_EQ(evaluate({"2010", "2", "14", "0"}), chart);
}

TEST_F(ChartAnalysisTest, BadYearWarnsOnceForEachTextAndGivesAChartWithoutPillars) {
    const LunarChart chart = evaluate({"1880", "6", "1", "5"});
    EXPECT_EQ(m_warnings, 2);
    EXPECT_EQ(chart, (LunarChart{"1881-2060", "", "1881-2060", "1881-2060", "    ", "    ", "金 木 水 火 土 ",
                                 std::nullopt, ElementSet::all()}));
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
        const LunarChart chart = evaluate(moment);
        EXPECT_EQ(chart.lunarDate, "1881-2060");
        EXPECT_EQ(chart.fourPillars, "1881-2060");
        EXPECT_EQ(chart.zodiacAnimal, "");
    }
    EXPECT_EQ(m_warnings, 8) << "once from each of the two calendar texts, as for a bad year";
}

TEST_F(ChartAnalysisTest, OutOfRangeAfterAGoodChartRepeatsNothingOfIt) {
    evaluate({"2010", "2", "14", "8"});
    const LunarChart chart = evaluate({"1881", "1", "29", "8"});
    EXPECT_EQ(chart, (LunarChart{"1881-2060", "", "1881-2060", "1881-2060", "    ", "    ", "金 木 水 火 土 ",
                                 std::nullopt, ElementSet::all()}));
    EXPECT_EQ(m_warnings, 0) << "1881 is a good year";
}

TEST(ChartAnalysis, APairWithoutARowContributesAnEmptyTextAndItsSpace) {
    TempDatabase file;
    fillBazi(file, {32}); // 乙未
    NamingDatabase db = file.open();
    LatestLunarChart shared;
    const LunarChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, db, {.latest = &shared});
    EXPECT_EQ(chart.elements, "金木 土木  金土 ");
    EXPECT_EQ(chart.nayin, "松柏木 城头土  白蜡金 ");
    EXPECT_EQ(chart.favourableElement, "水 火 ");
}

TEST(ChartAnalysis, AClosedDatabaseFindsNoRows) {
    NamingDatabase closed;
    LatestLunarChart shared;
    const LunarChart chart = AnalyseBirthChart({"2010", "2", "14", "8"}, closed, {.latest = &shared});
    EXPECT_EQ(chart.eightCharacters, "庚寅 戊寅 乙未 庚辰");
    EXPECT_EQ(chart.elements, "    ");
    EXPECT_EQ(chart.nayin, "    ");
    EXPECT_EQ(chart.favourableElement, "金 木 水 火 土 ");
}

} // namespace
} // namespace namewright
