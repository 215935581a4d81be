#include "chart/ElementStrength.h"
#include "chart/SolarTermChart.h"
#include "cli/KeyValueLines.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace namewright {
namespace {

FourPillars pillarsOf(std::string_view year, std::string_view month, std::string_view day, std::string_view hour) {
    return FourPillars{*SexagenaryPair::fromText(year), *SexagenaryPair::fromText(month),
                       *SexagenaryPair::fromText(day), *SexagenaryPair::fromText(hour)};
}

std::string hiddenText(EarthlyBranch branch) {
    const HiddenStems hidden = branch.hiddenStems();
    std::string text;
    for (int i = 0; i < hidden.count; ++i) {
        text += hidden.stems[static_cast<std::size_t>(i)].text();
    }
    return text;
}

TEST(HiddenStems, FollowTheZipingTable) {
    const std::vector<std::string> expected{"癸",   "己癸辛", "甲丙戊", "乙", "戊乙癸", "丙庚戊",
                                            "丁己", "己丁乙", "庚壬戊", "辛", "戊辛丁", "壬甲"};
    for (int b = 1; b <= 12; ++b) {
        const EarthlyBranch branch = EarthlyBranch::fromNumber(b);
        EXPECT_EQ(hiddenText(branch), expected[static_cast<std::size_t>(b - 1)]) << branch.text();
        // The principal stem carries the branch's own element.
        EXPECT_EQ(branch.hiddenStems().stems[0].element(), branch.element()) << branch.text();
    }
}

TEST(SeasonalStates, RankTheElementsOfASpringMonth) {
    // 春月: 木旺 火相 水休 金囚 土死.
    EXPECT_EQ(seasonalStateOf(Element::Wood, Element::Wood), SeasonalState::Prospering);
    EXPECT_EQ(seasonalStateOf(Element::Fire, Element::Wood), SeasonalState::Growing);
    EXPECT_EQ(seasonalStateOf(Element::Water, Element::Wood), SeasonalState::Resting);
    EXPECT_EQ(seasonalStateOf(Element::Metal, Element::Wood), SeasonalState::Confined);
    EXPECT_EQ(seasonalStateOf(Element::Earth, Element::Wood), SeasonalState::Dead);
    EXPECT_EQ(seasonElementOfMonth(EarthlyBranch::fromNumber(5)), Element::Earth) << "辰 month: 土旺";
}

TEST(StrengthWeights, ShareEveryBranchAndStepTheSeasonsEvenly) {
    for (int count = 1; count <= 3; ++count) {
        int total = 0;
        for (int rank = 0; rank < count; ++rank) {
            total += hiddenStemShare(count, rank);
        }
        EXPECT_EQ(total, 100) << count;
    }
    EXPECT_EQ(hiddenStemShare(2, 2), 0);
    EXPECT_EQ(hiddenStemShare(0, 0), 0);
    EXPECT_EQ(seasonalFactorPercent(SeasonalState::Prospering), 140);
    EXPECT_EQ(seasonalFactorPercent(SeasonalState::Dead), 60);
}

// --- Worked charts, one for each row of the balance table (ElementStrength.h). Points worked by hand from steps
// 1-3: base x seasonal factor, the month branch doubled. ---------------------------------------------------------

struct WorkedChart {
    std::string_view name;
    FourPillars pillars;
    std::array<int, 5> points; ///< 木 火 土 金 水
    int support;
    int restraint;
    bool strong;
    BalanceCase balance;
    Element useful;
    Element favourable;
    Element unfavourable;
};

std::ostream& operator<<(std::ostream& out, const WorkedChart& c) {
    return out << c.name;
}

class WorkedCharts : public ::testing::TestWithParam<WorkedChart> {};

TEST_P(WorkedCharts, GiveTheHandWorkedStrengthsAndElements) {
    const WorkedChart& chart = GetParam();
    const ElementStrength s = analyseElementStrength(chart.pillars);
    EXPECT_EQ(s.points, chart.points);
    EXPECT_EQ(s.support, chart.support);
    EXPECT_EQ(s.restraint, chart.restraint);
    EXPECT_EQ(s.strong, chart.strong);
    EXPECT_EQ(s.balance, chart.balance);
    EXPECT_EQ(s.useful, chart.useful);
    EXPECT_EQ(s.favourable, chart.favourable);
    EXPECT_EQ(s.unfavourable, chart.unfavourable);
    int sum = 0;
    for (const StrengthContribution& c : s.contributions) {
        sum += c.points;
        EXPECT_EQ(c.points * 100, c.basePoints * c.factorPercent) << "every product is whole";
    }
    EXPECT_EQ(sum, s.support + s.restraint);
}

INSTANTIATE_TEST_SUITE_P(
    OneForEachBalanceCase, WorkedCharts,
    ::testing::Values(
        // 丁 fire in a 子 month (water 旺 1.4, wood 相 1.2, metal 休, earth 囚 0.8, fire 死 0.6). Stems 庚 100, 戊 80,
        // 丁 60, 庚 100; branches 子 140, month 子 280, 酉 100, 子 140. Support 火 60 + 木 0 against 940: weak; 财
        // 金 300 is below 官杀 水 560, so the resource 木 is used.
        WorkedChart{"庚子 戊子 丁酉 庚子",
                    pillarsOf("庚子", "戊子", "丁酉", "庚子"),
                    {0, 60, 80, 300, 560},
                    60,
                    940,
                    false,
                    BalanceCase::WeakUsesResource,
                    Element::Wood,
                    Element::Fire,
                    Element::Metal},
        // 甲 wood in a 未 month (earth 旺). Stems 戊 己 戊 140 each, 甲 80; 辰 戊84 乙24 癸6 twice; month 未 己168
        // 丁60 乙16; 戌 戊84 辛36 丁10. Earth (财) 840 outweighs 火 70 and 金 36: 财多身弱, the companions 木.
        WorkedChart{"戊辰 己未 甲戌 戊辰",
                    pillarsOf("戊辰", "己未", "甲戌", "戊辰"),
                    {144, 70, 840, 36, 12},
                    156,
                    946,
                    false,
                    BalanceCase::WeakUsesCompanions,
                    Element::Wood,
                    Element::Water,
                    Element::Metal},
        // 甲 wood in a 子 month with water everywhere: 水 140 x 2 stems + 子 140 x 3 + month 子 280 = 980, 木 2 x 120.
        // Strong by its resource: wealth 土 curbs it.
        WorkedChart{"壬子 壬子 甲子 甲子",
                    pillarsOf("壬子", "壬子", "甲子", "甲子"),
                    {240, 0, 0, 0, 980},
                    1220,
                    0,
                    true,
                    BalanceCase::StrongUsesWealth,
                    Element::Earth,
                    Element::Fire,
                    Element::Wood},
        // 戊 earth in a 丑 month (earth 旺): 2024-02-04 12:00, before 立春. 土 574 (己168 戊140 戊84 戊140 己42)
        // against 印 火 80: strong by its companions, power 木 restrains them.
        WorkedChart{"癸卯 乙丑 戊戌 戊午",
                    pillarsOf("癸卯", "乙丑", "戊戌", "戊午"),
                    {160, 80, 574, 60, 96},
                    654,
                    316,
                    true,
                    BalanceCase::StrongUsesPower,
                    Element::Wood,
                    Element::Water,
                    Element::Metal}));

TEST(ElementStrength, CountsATieAsWeak) {
    // 癸 water in a 子 month (water 旺 1.4, wood 相 1.2, earth 囚 0.8): support 水 = 癸 140 + 子 140 + month 子 280 =
    // 560; restraint 木 = 甲 120 x 2 + 卯 120 x 2 = 480 plus 土 = 己 80, also 560.
    const ElementStrength s = analyseElementStrength(pillarsOf("甲子", "甲子", "癸卯", "己卯"));
    EXPECT_EQ(s.support, 560);
    EXPECT_EQ(s.restraint, 560);
    EXPECT_FALSE(s.strong);
    EXPECT_EQ(s.useful, Element::Metal);
}

TEST(ElementStrength, TheFavourableElementsAreTheUsefulAndTheFavourableOne) {
    const ElementStrength s = analyseElementStrength(pillarsOf("癸卯", "乙丑", "戊戌", "戊午")); // 用神 木, 喜神 水
    EXPECT_EQ(s.favourableElements(), (ElementSet{Element::Wood, Element::Water}));
    EXPECT_TRUE(s.favourableElements().intersects(ElementSet::occurringIn("金水")));
    EXPECT_FALSE(s.favourableElements().intersects(ElementSet::occurringIn("金土")));
}

// --- The command-line lines ------------------------------------------------------------------------------------

std::string valueOf(const std::vector<std::string>& lines, std::string_view key) {
    for (const std::string& line : lines) {
        if (line.starts_with(std::string(key) + "\t")) {
            return line.substr(key.size() + 1);
        }
    }
    return "(missing)";
}

TEST(SolarTermChartLines, OpenWithThePillarsAndShowTheWorking) {
    const auto chart = solarTermChartOf({{2024, 2, 4}, 12, 0});
    ASSERT_TRUE(chart);
    const std::vector<std::string> lines = cli::solarTermChartLines(*chart);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "pillars\t癸卯 乙丑 戊戌 戊午");
    EXPECT_EQ(valueOf(lines, "year"), "癸卯: 立春 2023-02-04 10:43 至 立春 2024-02-04 16:27");
    EXPECT_EQ(valueOf(lines, "month"), "乙丑: 小寒 2024-01-06 04:49 至 立春 2024-02-04 16:27");
    EXPECT_EQ(valueOf(lines, "hour"), "戊午: 午时 11:00-12:59 (12:00), 戊日子时起壬子");
    EXPECT_EQ(valueOf(lines, "hidden.month"), "丑: 己 本气 60% 癸 中气 30% 辛 余气 10%（月令加倍）");
    EXPECT_EQ(valueOf(lines, "points.month-branch"),
              "丑: 己 土 120 × 旺 1.4 = 168; 癸 水 60 × 死 0.6 = 36; 辛 金 20 × 相 1.2 = 24");
    EXPECT_EQ(valueOf(lines, "element.earth"), "土 574 = 168 己月支 + 140 戊日干 + 84 戊日支 + 140 戊时干 + 42 己时支");
    EXPECT_EQ(valueOf(lines, "strength"), "身强: 扶 654 > 抑 316");
    EXPECT_EQ(valueOf(lines, "useful"), "木（用神）: 身强，比劫 574 不弱于印 80：取官杀制比劫");
    EXPECT_EQ(valueOf(lines, "favourable"), "水（喜神）: 生用神");
    EXPECT_EQ(valueOf(lines, "unfavourable"), "金（忌神）: 克用神");
    for (const std::string& line : lines) {
        EXPECT_NE(line.find('\t'), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
    }
}

TEST(SolarTermChartLines, NameTheOptionsInUse) {
    const auto chart =
        solarTermChartOf({{2024, 2, 4}, 23, 30}, {.ziHourStartsNextDay = true, .birthplaceLongitude = 116.4});
    ASSERT_TRUE(chart);
    const std::vector<std::string> lines = cli::solarTermChartLines(*chart);
    EXPECT_EQ(lines.front(), "pillars\t甲辰 丙寅 己亥 甲子");
    EXPECT_EQ(valueOf(lines, "zi-hour"), "23:00 起算次日（子时换日），日柱取次日");
    EXPECT_EQ(valueOf(lines, "hour"), "甲子: 子时 23:00-00:59 (23:01), 己日子时起甲子");
    EXPECT_TRUE(
        valueOf(lines, "solar-time").starts_with("真太阳时 2024-02-04 23:01 = 北京时间 -14.4 分（东经 116.40°）"))
        << valueOf(lines, "solar-time");
    EXPECT_EQ(valueOf(lines, "day"), "己亥: 2024-02-05");
}

TEST(SolarTermChartLines, GiveTheLateZiHourTheNextDaysStemAndKeepTheDay) {
    // 1984-02-04 is a 戊辰 day (立春 fell at 23:19) and 2024-02-04 a 戊戌 day; the next days are 己巳 and 己亥, whose
    // 子 hour is 甲子 (a 戊 day's own 子 hour, at 00:00, is 壬子).
    const std::vector<std::pair<BeijingTime, std::string>> births{
        {{{1984, 2, 4}, 23, 30}, "pillars\t甲子 丙寅 戊辰 甲子"},
        {{{2024, 2, 4}, 23, 30}, "pillars\t甲辰 丙寅 戊戌 甲子"}};
    for (const auto& [birth, pillars] : births) {
        const auto chart = solarTermChartOf(birth);
        ASSERT_TRUE(chart);
        const std::vector<std::string> lines = cli::solarTermChartLines(*chart);
        EXPECT_EQ(lines.front(), pillars);
        EXPECT_EQ(valueOf(lines, "zi-hour"), "23:00 后仍属当日（早晚子时），时柱取次日子时");
        EXPECT_EQ(valueOf(lines, "hour"), "甲子: 子时 23:00-00:59 (23:30), 晚子时按次日己日子时起甲子");
    }
    EXPECT_EQ(valueOf(cli::solarTermChartLines(*solarTermChartOf({{1984, 2, 4}, 23, 30})), "day"), "戊辰: 1984-02-04");
    EXPECT_EQ(valueOf(cli::solarTermChartLines(*solarTermChartOf({{1984, 2, 4}, 0, 30})), "hour"),
              "壬子: 子时 23:00-00:59 (00:30), 戊日子时起壬子");
}

TEST(SolarTermChartWorking, EveryItemHasItsOwnKeyAndAChineseCaption) {
    const auto chart = solarTermChartOf({{2024, 2, 4}, 12, 0});
    ASSERT_TRUE(chart);
    const std::vector<WorkingItem> items = solarTermChartWorking(*chart);
    std::set<std::string> keys;
    for (const WorkingItem& item : items) {
        EXPECT_TRUE(keys.insert(item.key).second) << item.key;
        ASSERT_FALSE(item.caption.empty()) << item.key;
        EXPECT_GE(static_cast<unsigned char>(item.caption.front()), 0x80U) << item.key << " " << item.caption;
    }
    ASSERT_EQ(items.size(), 35U);
    EXPECT_EQ(items.front(), (WorkingItem{"pillars", "四柱", "癸卯 乙丑 戊戌 戊午"}));
    EXPECT_EQ(items[9].caption, "年支藏干");
    EXPECT_EQ(items[14].caption, "年干得分");
    EXPECT_EQ(items[22].caption, "木 合计");
    EXPECT_EQ(items.back().caption, "取用神之法");
}

TEST(SolarTermChart, RefusesWhatThePillarsRefuse) {
    EXPECT_FALSE(solarTermChartOf({{2024, 2, 30}, 12, 0}));
    EXPECT_FALSE(solarTermChartOf({{1880, 6, 1}, 12, 0}));
}

} // namespace
} // namespace namewright
