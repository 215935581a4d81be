#include "reports/ReportComposer.h"
#include "chart/LatestLunarChart.h"
#include "reports/SharedReportData.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace namewright {
namespace {

// A one-character name whose chart lacks no element.
ReportData oneCharacterData() {
    ReportData data;
    data.name = "李明";
    data.score = "74";
    data.heavenExplanation = "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n";
    data.personExplanation = "15数理:福寿\r\n基业:十五基\r\n家庭:十五家\r\n健康:十五健\r\n含意:十五含\r\n";
    data.earthExplanation = "9数理:穷乏\r\n基业:九基\r\n家庭:九家\r\n健康:九健\r\n含意:九含\r\n";
    data.outerExplanation = "2数理:两仪\r\n基业:二基\r\n家庭:二家\r\n健康:二健\r\n含意:二含\r\n";
    data.totalExplanation = "15数理:福寿\r\n基业:十五基\r\n家庭:十五家\r\n健康:十五健\r\n含意:十五含\r\n";
    data.threeTalentsExplanation = "金土水之配置，吉\r\n";
    data.elementText = "火火";
    return data;
}

LunarChart completeChart() {
    LunarChart chart;
    chart.lunarDate = "2010年  寅虎年 冬月 廿七日 丑时";
    chart.zodiacAnimal = "虎";
    chart.fourPillars = "庚寅年 戊子月 乙未日 丁丑时";
    chart.eightCharacters = "庚寅 戊子 乙未 丁丑";
    chart.elements = "金木 土水 木土 火土 ";
    chart.nayin = "松柏木 霹雳火 沙中金 涧下水 ";
    chart.favourableElement = "无";
    return chart;
}

TEST(ReportComposer, ComposesTheWholeReportOfAOneCharacterName) {
    const std::string expected =
        "\r\n\r\n"
        "姓名：李明  得分：74\r\n\r\n\r\n"
        "-------------------生辰八字-----------------------------------------------------\r\n\r\n\r\n"
        "农历：2010年  寅虎年 冬月 廿七日 丑时\r\n\r\n"
        "属相：虎\r\n\r\n"
        "四柱：庚寅年 戊子月 乙未日 丁丑时\r\n\r\n"
        "八字：庚寅 戊子 乙未 丁丑\r\n\r\n"
        "五行：金木 土水 木土 火土 \r\n\r\n"
        "纳音：松柏木 霹雳火 沙中金 涧下水 \r\n\r\n"
        "喜用神：无\r\n\r\n"
        "-------------------五格释义-----------------------------------------------------\r\n\r\n\r\n"
        "天格：祖先传下来的先天，对命理影响不大\r\n\r\n"
        "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n\r\n\r\n"
        "人格：\r\n\r\n"
        "15数理:福寿\r\n基业:十五基\r\n家庭:十五家\r\n健康:十五健\r\n含意:十五含\r\n\r\n\r\n"
        "地格：\r\n\r\n"
        "9数理:穷乏\r\n基业:九基\r\n家庭:九家\r\n健康:九健\r\n含意:九含\r\n\r\n\r\n"
        "外格：\r\n\r\n"
        "2数理:两仪\r\n基业:二基\r\n家庭:二家\r\n健康:二健\r\n含意:二含\r\n\r\n\r\n"
        "总格：\r\n\r\n"
        "15数理:福寿\r\n基业:十五基\r\n家庭:十五家\r\n健康:十五健\r\n含意:十五含\r\n\r\n\r\n"
        "-------------------三才释义-----------------------------------------------------\r\n\r\n\r\n"
        "三才：\r\n\r\n"
        "  金土水之配置，吉\r\n\r\n\r\n"
        "-------------------五行分析-----------------------------------------------------\r\n\r\n\r\n"
        "  李明  的五行属性为： 火火\r\n\r\n"
        "  五行布局平衡， 非常完美\r\n\r\n\r\n";

    const ComposedReport report = composeReport(oneCharacterData(), completeChart(), ReportBox::EvaluationWindow);
    EXPECT_EQ(report.text, expected);
    EXPECT_EQ(report.colour, (TextColour{0, 0, 255}));
    EXPECT_TRUE(report.clearFirst);
}

TEST(ReportComposer, ComposesTheWholeReportOfATwoCharacterNameWithMissingElements) {
    ReportData data;
    data.name = "李哉栋";
    data.score = "100";
    data.heavenExplanation = "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n";
    data.personExplanation = "16数理:厚重\r\n基业:十六基\r\n家庭:十六家\r\n健康:十六健\r\n含意:十六含\r\n";
    // A number without an `sl` row keeps its five labels with empty texts.
    data.earthExplanation = "91数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n";
    data.outerExplanation = "13数理:智略\r\n基业:十三基\r\n家庭:十三家\r\n健康:十三健\r\n含意:十三含\r\n";
    data.totalExplanation = "28数理:遭难\r\n基业:二八基\r\n家庭:二八家\r\n健康:二八健\r\n含意:二八含\r\n";
    data.threeTalentsExplanation = "\r\n";
    data.elementText = "火金木";

    LunarChart chart;
    chart.lunarDate = "1948年  子鼠年 二月 初三日 午时";
    chart.zodiacAnimal = "鼠";
    chart.fourPillars = "戊子年 乙卯月 甲寅日 庚午时";
    chart.eightCharacters = "戊子 乙卯 甲寅 庚午";
    chart.elements = "土水 木木 木木 金火 ";
    chart.nayin = "霹雳火 大溪水 大溪水 路旁土 ";
    chart.favourableElement = "金 水 ";

    const std::string expected =
        "\r\n\r\n"
        "姓名：李哉栋  得分：100\r\n\r\n\r\n"
        "-------------------生辰八字-----------------------------------------------------\r\n\r\n\r\n"
        "农历：1948年  子鼠年 二月 初三日 午时\r\n\r\n"
        "属相：鼠\r\n\r\n"
        "四柱：戊子年 乙卯月 甲寅日 庚午时\r\n\r\n"
        "八字：戊子 乙卯 甲寅 庚午\r\n\r\n"
        "五行：土水 木木 木木 金火 \r\n\r\n"
        "纳音：霹雳火 大溪水 大溪水 路旁土 \r\n\r\n"
        "喜用神：金 水 \r\n\r\n"
        "-------------------五格释义-----------------------------------------------------\r\n\r\n\r\n"
        "天格：祖先传下来的先天，对命理影响不大\r\n\r\n"
        "8数理:坚刚\r\n基业:八基\r\n家庭:八家\r\n健康:八健\r\n含意:八含\r\n\r\n\r\n"
        "人格：\r\n\r\n"
        "16数理:厚重\r\n基业:十六基\r\n家庭:十六家\r\n健康:十六健\r\n含意:十六含\r\n\r\n\r\n"
        "地格：\r\n\r\n"
        "91数理:\r\n基业:\r\n家庭:\r\n健康:\r\n含意:\r\n\r\n\r\n"
        "外格：\r\n\r\n"
        "13数理:智略\r\n基业:十三基\r\n家庭:十三家\r\n健康:十三健\r\n含意:十三含\r\n\r\n\r\n"
        "总格：\r\n\r\n"
        "28数理:遭难\r\n基业:二八基\r\n家庭:二八家\r\n健康:二八健\r\n含意:二八含\r\n\r\n\r\n"
        "-------------------三才释义-----------------------------------------------------\r\n\r\n\r\n"
        "三才：\r\n\r\n"
        "  \r\n\r\n\r\n"
        "-------------------五行分析-----------------------------------------------------\r\n\r\n\r\n"
        "  李哉栋  的五行属性为： 火金木\r\n\r\n"
        "  您的五行缺 金 水  建议使用属性为 金 水  的汉字为名\r\n\r\n\r\n";

    const ComposedReport report = composeReport(data, chart, ReportBox::ReportWindow);
    EXPECT_EQ(report.text, expected);
    EXPECT_EQ(report.colour, (TextColour{192, 96, 0}));
    EXPECT_FALSE(report.clearFirst);
}

struct FavourableCase {
    const char* favourable;
    const char* lastSentence;
    friend void PrintTo(const FavourableCase& c, std::ostream* os) { *os << c.favourable; }
};

class ReportComposerFavourable : public ::testing::TestWithParam<FavourableCase> {};

TEST_P(ReportComposerFavourable, EndsWithTheElementSentence) {
    LunarChart chart = completeChart();
    chart.favourableElement = GetParam().favourable;
    const std::string text = composeReport(oneCharacterData(), chart, ReportBox::EvaluationWindow).text;
    const std::string ending = std::string("  李明  的五行属性为： 火火\r\n\r\n") + GetParam().lastSentence;
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

// Each listed element carries its own trailing space, so two spaces follow the last one in both places; only the
// exact text "无" means that nothing is missing.
INSTANTIATE_TEST_SUITE_P(
    AllKinds, ReportComposerFavourable,
    ::testing::Values(FavourableCase{"无", "  五行布局平衡， 非常完美\r\n\r\n\r\n"},
                      FavourableCase{"金 ", "  您的五行缺 金  建议使用属性为 金  的汉字为名\r\n\r\n\r\n"},
                      FavourableCase{"木 水 ", "  您的五行缺 木 水  建议使用属性为 木 水  的汉字为名\r\n\r\n\r\n"},
                      FavourableCase{"无 ", "  您的五行缺 无  建议使用属性为 无  的汉字为名\r\n\r\n\r\n"},
                      FavourableCase{"", "  您的五行缺  建议使用属性为  的汉字为名\r\n\r\n\r\n"}));

TEST(ReportComposer, ComposesFromTheSharedValuesAsTheyStand) {
    SharedReportData data;
    LatestLunarChart chart;
    data.replace(oneCharacterData());
    chart.replace(completeChart());
    EXPECT_EQ(composeReport(data, chart, ReportBox::ReportWindow),
              composeReport(oneCharacterData(), completeChart(), ReportBox::ReportWindow));

    LunarChart later = completeChart();
    later.zodiacAnimal = "兔";
    chart.replace(later);
    EXPECT_NE(composeReport(data, chart, ReportBox::ReportWindow).text.find("属相：兔\r\n"), std::string::npos);
}

} // namespace
} // namespace namewright
