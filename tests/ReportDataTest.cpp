#include "chart/LatestLunarChart.h"
#include "db/NamingDatabase.h"
#include "naming/ResultRows.h"
#include "reports/ExplanationBuilder.h"
#include "reports/Explanations.h"
#include "reports/ReportComposer.h"
#include "reports/ReportFromRow.h"
#include "reports/SharedReportData.h"
#include "support/ReportDatabaseTest.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <limits>
#include <vector>

namespace namewright {
namespace {

using testing::TempDatabase;

/// Result rows as a grid would hold them; rows can be appended while a test runs.
class ListedRows : public ResultRows {
public:
    void append(ResultRowCells cells) { m_rows.push_back(std::move(cells)); }
    std::size_t rowCount() const override { return m_rows.size(); }
    ResultRowCells rowCells(std::size_t index) const override { return m_rows.at(index); }

private:
    std::vector<ResultRowCells> m_rows;
};

const ResultRowCells kLiMing{"李明", "74", "8", "15", "9", "2", "15", "金土水", "火火"};
const ResultRowCells kOuyangMing{"欧阳明", "62", "16", "23", "9", "2", "23", "土火水", "土火"};

TEST(NumerologyExplanation, FiveLinesWithTheNumberDirectlyBeforeItsLabel) {
    const NumerologyRow row{"15", "吉", "福寿", "基业文", "家庭文", "健康文", "含意文"};
    EXPECT_EQ(numerologyExplanation("15", row),
              "15数理:福寿\r\n基业:基业文\r\n家庭:家庭文\r\n健康:健康文\r\n含意:含意文\r\n");
}

TEST(NumerologyExplanation, ANumberWithoutARowKeepsItsLabels) {
    for (const char* number : {"0", "82", "120", "", "-3"}) {
        EXPECT_EQ(numerologyExplanation(number, std::nullopt),
                  std::string(number) + "数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n");
    }
}

TEST(ThreeTalentsExplanation, IsTheExplanationFollowedByALineBreak) {
    EXPECT_EQ(threeTalentsExplanation(ThreeTalentsRow{"金土水", "吉", "配置好"}), "配置好\r\n");
    EXPECT_EQ(threeTalentsExplanation(std::nullopt), "\r\n");
}

using ReportDataTest = testing::ReportDatabaseTest;

TEST_F(ReportDataTest, TheBuilderFillsEveryFieldFromTheNineTexts) {
    ReportData expected;
    expected.name = "李明";
    expected.score = "74";
    expected.heavenExplanation = "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n";
    expected.personExplanation = "15数理:福寿\r\n基业:十五基\r\n家庭:十五家\r\n健康:十五健\r\n含意:十五含\r\n";
    expected.earthExplanation = "9数理:穷乏\r\n基业:九基\r\n家庭:九家\r\n健康:九健\r\n含意:九含\r\n";
    expected.outerExplanation = "2数理:两仪\r\n基业:二基\r\n家庭:二家\r\n健康:二健\r\n含意:二含\r\n";
    expected.totalExplanation = expected.personExplanation;
    expected.threeTalentsExplanation = "金土水之配置，吉\r\n";
    expected.elementText = "火火";
    EXPECT_EQ(buildReportData(kLiMing, m_database), expected);
}

TEST_F(ReportDataTest, NumbersAndKeysWithoutRowsGiveEmptyFieldTexts) {
    const ResultRowCells cells{"李巨", "55", "8", "87", "81", "2", "87", "金金木", "火土"};
    const ReportData data = buildReportData(cells, m_database);
    EXPECT_TRUE(data.heavenExplanation.starts_with("8数理:坚刚\r\n"));
    EXPECT_EQ(data.personExplanation, "87数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n");
    EXPECT_EQ(data.earthExplanation, "81数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n");
    EXPECT_EQ(data.threeTalentsExplanation, "\r\n");
}

TEST_F(ReportDataTest, NumberTextsAreLookedUpAndShownAsTheyStand) {
    const ResultRowCells cells{"李明", "74", "08", "15", "9", "2", "15", "金土水", "火火"};
    EXPECT_EQ(buildReportData(cells, m_database).heavenExplanation, "08数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n");
}

TEST(ReportDataBuilder, AClosedConnectionGivesLabelsOnly) {
    NamingDatabase closed;
    const ReportData data = buildReportData(kLiMing, closed);
    EXPECT_EQ(data.name, "李明");
    EXPECT_EQ(data.score, "74");
    EXPECT_EQ(data.elementText, "火火");
    EXPECT_EQ(data.totalExplanation, "15数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n");
    EXPECT_EQ(data.threeTalentsExplanation, "\r\n");
}

TEST_F(ReportDataTest, AReportFromARowTakesTheCellsOfThatRow) {
    ListedRows rows;
    rows.append(kOuyangMing);
    rows.append(kLiMing);
    SharedReportData shared;

    ASSERT_TRUE(reportFromResultRow(2, rows, m_database, shared));
    EXPECT_EQ(shared.current(), buildReportData(kLiMing, m_database));
    ASSERT_TRUE(reportFromResultRow(1, rows, m_database, shared));
    EXPECT_EQ(shared.current().name, "欧阳明");
}

TEST_F(ReportDataTest, ARowListedWithATwoCharacterFamilyTextShowsThatWholeText) {
    ListedRows rows;
    rows.append(kOuyangMing);
    SharedReportData shared;
    LatestLunarChart chart;
    ASSERT_TRUE(reportFromResultRow(1, rows, m_database, shared));

    const std::string text = composeReport(shared, chart, ReportBox::ReportWindow).text;
    EXPECT_NE(text.find("\r\n\r\n姓名：欧阳明  得分：62\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n  欧阳明  的五行属性为： 土火\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n9数理:穷乏\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n23数理:\r\n基业:\r\n"), std::string::npos);
}

struct NotARowCase {
    const char* what;
    int gridRow;
    friend void PrintTo(const NotARowCase& c, std::ostream* os) { *os << c.what; }
};

class ReportFromNoRow : public ReportDataTest, public ::testing::WithParamInterface<NotARowCase> {};

TEST_P(ReportFromNoRow, DoesNothing) {
    ListedRows rows;
    rows.append(kLiMing);
    rows.append(kOuyangMing);
    SharedReportData shared;
    ReportData before;
    before.name = "先前的名字";
    shared.replace(before);

    EXPECT_FALSE(reportFromResultRow(GetParam().gridRow, rows, m_database, shared));
    EXPECT_EQ(shared.current(), before);
}

INSTANTIATE_TEST_SUITE_P(HeaderAndOutside, ReportFromNoRow,
                         ::testing::Values(NotARowCase{"header row", 0}, NotARowCase{"above the grid", -1},
                                           NotARowCase{"far above the grid", std::numeric_limits<int>::min()},
                                           NotARowCase{"below the last row", 3},
                                           NotARowCase{"far below", std::numeric_limits<int>::max()}),
                         [](const auto& test) {
                             std::string name = test.param.what;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(ReportDataTest, ARowAppendedLaterCanBeReported) {
    ListedRows rows;
    SharedReportData shared;
    EXPECT_FALSE(reportFromResultRow(1, rows, m_database, shared));
    rows.append(kLiMing);
    EXPECT_TRUE(reportFromResultRow(1, rows, m_database, shared));
    EXPECT_EQ(shared.current().name, "李明");
}

} // namespace
} // namespace namewright
