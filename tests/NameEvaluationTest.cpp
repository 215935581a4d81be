#include "reports/NameEvaluation.h"
#include "chart/LatestLunarChart.h"
#include "db/NamingDatabase.h"
#include "naming/ResultRows.h"
#include "reports/ReportComposer.h"
#include "reports/ReportFromRow.h"
#include "reports/SharedReportData.h"
#include "support/BaziFixture.h"
#include "support/ReportTestData.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace namewright {
namespace {

using testing::TempDatabase;

class OneRow : public ResultRows {
public:
    explicit OneRow(ResultRowCells cells) : m_cells(std::move(cells)) {}
    std::size_t rowCount() const override { return 1; }
    ResultRowCells rowCells(std::size_t) const override { return m_cells; }

private:
    ResultRowCells m_cells;
};

/// A chart no analysis produces, standing for what an earlier analysis left behind.
LunarChart earlierChart() {
    LunarChart chart;
    chart.lunarDate = "早先的农历";
    chart.zodiacAnimal = "龙";
    chart.fourPillars = "早先的四柱";
    chart.eightCharacters = "早先的八字";
    chart.elements = "早先的五行 ";
    chart.nayin = "早先的纳音 ";
    chart.favourableElement = "木 ";
    return chart;
}

EvaluationInput input(const char* family, const char* given, const char* year = "2011", const char* month = "1",
                      const char* day = "1", const char* hour = "1") {
    return EvaluationInput{family, given, BirthMomentTexts{year, month, day, hour}};
}

class NameEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::fillReportTestData(m_file);
        testing::fillBazi(m_file);
        m_database = m_file.open();
        ASSERT_TRUE(m_database.isOpen());
        m_chart.replace(earlierChart());
    }

    std::optional<ComposedReport> evaluate(const EvaluationInput& typed) {
        return evaluateName(typed, m_database, {[this] { ++m_warnings; }, &m_chart, &m_report});
    }

    TempDatabase m_file;
    NamingDatabase m_database;
    LatestLunarChart m_chart;
    SharedReportData m_report;
    int m_warnings = 0;
};

TEST_F(NameEvaluationTest, TheInitialContentsEvaluateATwoCharacterName) {
    const auto report = evaluate(input("李", "哉栋"));
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->clearFirst);
    EXPECT_EQ(report->colour, (TextColour{0, 0, 255}));

    const LunarChart chart = m_chart.current();
    EXPECT_NE(chart, earlierChart());
    EXPECT_TRUE(chart.lunarDate.starts_with("2010年")) << "1 January 2011 lies in the lunar year 2010";
    EXPECT_EQ(chart.zodiacAnimal, "虎");
    EXPECT_EQ(m_warnings, 0);

    // 哉栋 scores 98 here, reported as 100; the layout after the chart is written out in full.
    const std::string expectedStart = "\r\n\r\n姓名：李哉栋  得分：100\r\n\r\n\r\n"
                                      "-------------------生辰八字-----------------------------------------------------"
                                      "\r\n\r\n\r\n农历：" +
                                      chart.lunarDate + "\r\n\r\n属相：虎\r\n\r\n四柱：" + chart.fourPillars +
                                      "\r\n\r\n八字：" + chart.eightCharacters + "\r\n\r\n五行：" + chart.elements +
                                      "\r\n\r\n纳音：" + chart.nayin + "\r\n\r\n喜用神：" + chart.favourableElement +
                                      "\r\n\r\n";
    const std::string expectedRest =
        "-------------------五格释义-----------------------------------------------------\r\n\r\n\r\n"
        "天格：祖先传下来的先天，对命理影响不大\r\n\r\n"
        "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n\r\n\r\n"
        "人格：\r\n\r\n"
        "16数理:厚重\r\n基业:十六基\r\n家庭:十六家\r\n健康:十六健\r\n含意:十六含\r\n\r\n\r\n"
        "地格：\r\n\r\n"
        "21数理:明月\r\n基业:二一基\r\n家庭:二一家\r\n健康:二一健\r\n含意:二一含\r\n\r\n\r\n"
        "外格：\r\n\r\n"
        "13数理:智略\r\n基业:十三基\r\n家庭:十三家\r\n健康:十三健\r\n含意:十三含\r\n\r\n\r\n"
        "总格：\r\n\r\n"
        "28数理:遭难\r\n基业:二八基\r\n家庭:二八家\r\n健康:二八健\r\n含意:二八含\r\n\r\n\r\n"
        "-------------------三才释义-----------------------------------------------------\r\n\r\n\r\n"
        "三才：\r\n\r\n"
        "  金土木之配置，吉\r\n\r\n\r\n"
        "-------------------五行分析-----------------------------------------------------\r\n\r\n\r\n"
        "  李哉栋  的五行属性为： 火金木\r\n\r\n";
    ASSERT_GT(report->text.size(), expectedStart.size() + expectedRest.size());
    EXPECT_EQ(report->text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(report->text.substr(expectedStart.size(), expectedRest.size()), expectedRest);
    EXPECT_EQ(*report, composeReport(m_report.current(), chart, ReportBox::EvaluationWindow));
}

TEST_F(NameEvaluationTest, TheReportShowsTheFamilyCharacterAloneAndTheCharactersFound) {
    ASSERT_TRUE(evaluate(input("欧阳", "ab")));
    const ReportData data = m_report.current();
    EXPECT_EQ(data.name, "欧ab");
    EXPECT_EQ(data.elementText, "土水");
}

struct NoNameCase {
    const char* what;
    const char* given;
    friend void PrintTo(const NoNameCase& c, std::ostream* os) { *os << c.what; }
};

class NameEvaluationWidths : public NameEvaluationTest, public ::testing::WithParamInterface<NoNameCase> {};

TEST_P(NameEvaluationWidths, RecomputesTheChartButLeavesReportAndBoxAlone) {
    ReportData before;
    before.name = "先前的名字";
    m_report.replace(before);

    EXPECT_FALSE(evaluate(input("李", GetParam().given)));
    EXPECT_EQ(m_report.current(), before);
    EXPECT_NE(m_chart.current(), earlierChart());
    EXPECT_EQ(m_chart.current().zodiacAnimal, "虎");
}

INSTANTIATE_TEST_SUITE_P(NotOneOrTwoCharacters, NameEvaluationWidths,
                         ::testing::Values(NoNameCase{"empty", ""}, NoNameCase{"one_ascii_letter", "a"},
                                           NoNameCase{"three_bytes", "明a"}, NoNameCase{"five_bytes", "哉栋a"},
                                           NoNameCase{"three_characters", "哉栋明"}),
                         [](const auto& test) { return std::string(test.param.what); });

TEST_F(NameEvaluationTest, ASecondEvaluationReplacesTheFirstWhole) {
    const auto first = evaluate(input("李", "哉栋", "2011", "1", "1", "1"));
    const auto second = evaluate(input("李", "明", "1990", "6", "15", "12"));
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);

    EXPECT_TRUE(second->clearFirst) << "the box keeps only the second report";
    EXPECT_TRUE(second->text.starts_with("\r\n\r\n姓名：李明  得分：74\r\n"));
    EXPECT_EQ(second->text.find("哉栋"), std::string::npos);
    EXPECT_EQ(m_report.current().name, "李明");
    const LunarChart chart = m_chart.current();
    EXPECT_EQ(chart.zodiacAnimal, "马") << "1990 is a 午 year";
    EXPECT_NE(second->text.find("\r\n农历：" + chart.lunarDate + "\r\n"), std::string::npos);
    EXPECT_EQ(second->text.find("农历：2010年"), std::string::npos);
}

TEST_F(NameEvaluationTest, AReportFromARowAfterAnEvaluationShowsTheEvaluationsChart) {
    ASSERT_TRUE(evaluate(input("李", "哉栋", "1990", "6", "15", "12")));
    const LunarChart evaluated = m_chart.current();

    const OneRow rows({"欧阳明", "62", "16", "23", "9", "2", "23", "土火水", "土火"});
    ASSERT_TRUE(reportFromResultRow(1, rows, m_database, m_report));
    const ComposedReport report = composeReport(m_report, m_chart, ReportBox::ReportWindow);

    EXPECT_FALSE(report.clearFirst);
    EXPECT_EQ(report.colour, (TextColour{192, 96, 0}));
    EXPECT_NE(report.text.find("\r\n\r\n姓名：欧阳明  得分：62\r\n"), std::string::npos);
    EXPECT_NE(report.text.find("\r\n农历：" + evaluated.lunarDate + "\r\n"), std::string::npos);
    EXPECT_NE(report.text.find("\r\n四柱：" + evaluated.fourPillars + "\r\n"), std::string::npos);
    EXPECT_EQ(report.text.find("李哉栋"), std::string::npos);
    EXPECT_EQ(report.text.find("早先的"), std::string::npos);
}

TEST_F(NameEvaluationTest, AYearOutsideTheCalendarWarnsTwiceAndTheEvaluationGoesOn) {
    const auto report = evaluate(input("李", "明", "1800"));
    EXPECT_EQ(m_warnings, 2);
    ASSERT_TRUE(report);
    EXPECT_EQ(m_chart.current().lunarDate, "1881-2060");
    EXPECT_NE(report->text.find("\r\n农历：1881-2060\r\n"), std::string::npos);
    EXPECT_EQ(m_report.current().name, "李明");
}

TEST_F(NameEvaluationTest, DateTextsThatAreNoNumbersGiveADefinedReport) {
    const auto report = evaluate(input("李", "明", "二〇一一", "x", "", "99"));
    ASSERT_TRUE(report);
    EXPECT_EQ(m_report.current().score, "74");
}

TEST(NameEvaluation, AClosedConnectionStillComposesAReport) {
    NamingDatabase closed;
    LatestLunarChart chart;
    SharedReportData data;
    const auto report = evaluateName(input("李", "明"), closed, {.latestChart = &chart, .report = &data});
    ASSERT_TRUE(report);
    EXPECT_EQ(data.current().name, "李");
    EXPECT_EQ(data.current().score, "11");
    EXPECT_EQ(chart.current().zodiacAnimal, "虎");
}

} // namespace
} // namespace namewright
