#include "naming/CompoundSurnameScoring.h"
#include "naming/CompoundSurnames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

// --- Grids on worked examples of five-grid naming (Kangxi stroke counts) -----------------------------------------

TEST(CompoundSurnameGrids, ZhugeLiang) {
    // 諸 16, 葛 15, 亮 9: 天格 31, 人格 24, 地格 10, 外格 17, 总格 40.
    EXPECT_EQ(compoundSurnameGridNumbers(16, 15, 9), (FiveGrids{31, 24, 10, 17, 40}));
}

TEST(CompoundSurnameGrids, SimaGuang) {
    // 司 5, 馬 10, 光 6: 天格 15, 人格 16, 地格 7, 外格 6, 总格 21.
    EXPECT_EQ(compoundSurnameGridNumbers(5, 10, 6), (FiveGrids{15, 16, 7, 6, 21}));
}

TEST(CompoundSurnameGrids, SimaXiangru) {
    // 司 5, 馬 10, 相 9, 如 6: 天格 15, 人格 19, 地格 15, 外格 11, 总格 30.
    EXPECT_EQ(compoundSurnameGridNumbers(5, 10, 9, 6), (FiveGrids{15, 19, 15, 11, 30}));
}

TEST(CompoundSurnameGrids, OuyangXiu) {
    // 歐 15, 陽 17, 修 10: 天格 32, 人格 27, 地格 11, 外格 16, 总格 42.
    EXPECT_EQ(compoundSurnameGridNumbers(15, 17, 10), (FiveGrids{32, 27, 11, 16, 42}));
}

// --- Score ------------------------------------------------------------------------------------------------------

LuckTables tablesWith(const std::vector<std::pair<int, std::string>>& numbers, const std::string& keyLuck) {
    std::vector<NumerologyRow> sl;
    for (const auto& [n, word] : numbers) {
        sl.push_back(NumerologyRow{std::to_string(n), word, "", "", "", "", ""});
    }
    std::vector<ThreeTalentsRow> keys;
    for (int index = 0; index < 125; ++index) {
        keys.push_back(ThreeTalentsRow{threeTalentsKey(index), keyLuck, ""});
    }
    return LuckTables(sl, keys);
}

TEST(CompoundSurnameScore, WeighsTheCompoundGridsLikeTheDescribedScore) {
    const WordRow zhu{"诸", 16, "金"};
    const WordRow ge{"葛", 15, "木"};
    const WordRow liang{"亮", 9, "火"};
    // Only the compound grids' numbers carry luck: earth 10 凶 11, person 24 吉 32, constant 11, key 吉 20 = 74.
    // Under the described rule (诸 alone) person would be 25 and earth 10: 25 has no luck word here.
    const LuckTables luck = tablesWith({{24, "吉"}, {10, "凶"}}, "吉");
    const ScoredName name = scoreCompoundSurnameName("诸葛", zhu, ge, liang, nullptr, luck, true);
    EXPECT_EQ(name.displayName, "诸葛亮");
    EXPECT_EQ(name.grids, (FiveGrids{31, 24, 10, 17, 40}));
    EXPECT_EQ(name.score, 11 + 32 + 11 + 20);
    EXPECT_EQ(name.threeTalentsKey, "木火水");
    EXPECT_EQ(name.elementText, "金木火");
    EXPECT_EQ(scoreName("诸葛", zhu, liang, nullptr, luck, true).score, 11 + 11 + 20) << "the described score stays";
}

TEST(CompoundSurnameScore, UsesTheTwoCharacterWeightsAndTheCap) {
    const WordRow si{"司", 5, "金"};
    const WordRow ma{"马", 10, "水"};
    const WordRow xiang{"相", 9, "木"};
    const WordRow ru{"如", 6, "金"};
    // Grids 15 19 15 11 30; earth, person, outer, total and the key all 吉: 32 + 16 + 16 + 16 + 20 = 100.
    const LuckTables allGood = tablesWith({{15, "吉"}, {19, "吉"}, {11, "吉"}, {30, "吉"}}, "吉");
    EXPECT_EQ(scoreCompoundSurnameName("司马", si, ma, xiang, &ru, allGood, false).score, 100);
    // The total grid 半吉 instead: 98, shown as 100 under the cap.
    const LuckTables halfTotal = tablesWith({{15, "吉"}, {19, "吉"}, {11, "吉"}, {30, "半吉"}}, "吉");
    EXPECT_EQ(scoreCompoundSurnameName("司马", si, ma, xiang, &ru, halfTotal, false).score, 98);
    EXPECT_EQ(scoreCompoundSurnameName("司马", si, ma, xiang, &ru, halfTotal, true).score, 100);
    const ScoredName name = scoreCompoundSurnameName("司马", si, ma, xiang, &ru, halfTotal, true);
    EXPECT_EQ(name.displayName, "司马相如");
    EXPECT_EQ(name.elementText, "金水木金");
}

TEST(CompoundSurnameScore, ReadsMissingFamilyRowsAsNoStrokes) {
    const ScoredName name =
        scoreCompoundSurnameName("欧阳", WordRow{}, WordRow{}, WordRow{"修", 10, "金"}, nullptr, LuckTables(), true);
    EXPECT_EQ(name.grids, (FiveGrids{0, 10, 11, 1, 10}));
    EXPECT_EQ(name.score, 11);
}

// --- The list ---------------------------------------------------------------------------------------------------

TEST(CompoundSurnames, RecogniseWholeFamilyTextsOnly) {
    EXPECT_TRUE(isCompoundSurname("欧阳"));
    EXPECT_TRUE(isCompoundSurname("万俟"));
    EXPECT_FALSE(isCompoundSurname("欧"));
    EXPECT_FALSE(isCompoundSurname("欧阳 "));
    EXPECT_FALSE(isCompoundSurname("欧阳修"));
    EXPECT_FALSE(isCompoundSurname("晋楚")) << "two single surnames in the 百家姓 text";
    EXPECT_FALSE(isCompoundSurname(""));
    const auto characters = compoundSurnameCharacters("诸葛");
    ASSERT_TRUE(characters);
    EXPECT_EQ(characters->first, "诸");
    EXPECT_EQ(characters->second, "葛");
    EXPECT_FALSE(compoundSurnameCharacters("王"));
}

TEST(CompoundSurnames, ParseTheListFormat) {
    using compound_surname_detail::parseList;
    EXPECT_EQ(parseList("# comment\n\n欧阳\t百家姓\r\n上官\n"), (std::vector<std::string>{"欧阳", "上官"}));
    EXPECT_TRUE(parseList("").empty());
}

TEST(ShippedCompoundSurnames, AreTheListFileHoldingTheCommonOnesEachOnceAsTwoCharacters) {
    std::ifstream in(std::filesystem::path(NAMEWRIGHT_SOURCE_DIR) / "data" / "sources" / "compound_surnames.tsv");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(compound_surname_detail::parseList(text.str()), compoundSurnames()) << "rebuild after editing the list";

    for (const std::string_view common : {"欧阳", "上官", "司马", "诸葛", "司徒", "皇甫", "令狐", "宇文", "慕容",
                                          "东方", "夏侯", "尉迟", "长孙", "万俟"}) {
        EXPECT_TRUE(isCompoundSurname(common)) << common;
    }
    std::set<std::string> seen;
    for (const std::string& surname : compoundSurnames()) {
        EXPECT_TRUE(seen.insert(surname).second) << surname;
        ASSERT_EQ(surname.size(), 6U) << surname;
        for (std::size_t at = 0; at < 6; at += 3) {
            // Three-byte UTF-8 in the CJK Unified Ideographs block: lead byte 0xE4..0xE9.
            const auto lead = static_cast<unsigned char>(surname[at]);
            EXPECT_TRUE(lead >= 0xE4 && lead <= 0xE9) << surname;
        }
    }
    EXPECT_EQ(compoundSurnames().size(), 63U);
}

} // namespace
} // namespace namewright
