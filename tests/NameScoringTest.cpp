#include "naming/NameScoring.h"
#include "db/NamingDatabase.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace namewright {
namespace {

/// Luck tables in which the given numbers have the given luck words and every key has `keyLuck`.
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

TEST(GridNumbers, OneGivenCharacter) {
    const FiveGrids grids = gridNumbers(7, 8);
    EXPECT_EQ(grids, (FiveGrids{8, 15, 9, 2, 15}));
    EXPECT_EQ(threeTalentsKey(grids), "金土水");
}

TEST(GridNumbers, TwoGivenCharacters) {
    const FiveGrids grids = gridNumbers(7, 10, 5);
    EXPECT_EQ(grids, (FiveGrids{8, 17, 15, 6, 22}));
    EXPECT_EQ(threeTalentsKey(grids), "金金土");
}

TEST(GridElement, FollowsTheLastDigit) {
    const std::vector<std::pair<int, std::string_view>> cases{
        {1, "木"}, {2, "木"},  {3, "火"},  {4, "火"},  {5, "土"},  {6, "土"}, {7, "金"}, {8, "金"},
        {9, "水"}, {10, "水"}, {20, "水"}, {30, "水"}, {81, "木"}, {0, "水"}, {-3, "火"}};
    for (const auto& [n, element] : cases) {
        EXPECT_EQ(elementText(gridElement(n)), element) << n;
    }
}

TEST(ThreeTalentsKey, IndexAndTextAgreeForAll125Keys) {
    for (int index = 0; index < 125; ++index) {
        const std::string key = threeTalentsKey(index);
        EXPECT_EQ(key.size(), 9U);
        const FiveGrids grids{index / 25 * 2 + 1, index / 5 % 5 * 2 + 1, index % 5 * 2 + 1, 0, 0};
        EXPECT_EQ(threeTalentsKey(grids), key);
    }
}

TEST(LuckOf, MatchesOnlyTheExactWords) {
    EXPECT_EQ(luckOf("吉"), Luck::Good);
    EXPECT_EQ(luckOf("半吉"), Luck::Half);
    EXPECT_EQ(luckOf("凶"), Luck::Bad);
    EXPECT_EQ(luckOf("吉 "), Luck::None);
    EXPECT_EQ(luckOf(" 吉"), Luck::None);
    EXPECT_EQ(luckOf("大吉"), Luck::None);
    EXPECT_EQ(luckOf("半"), Luck::None);
    EXPECT_EQ(luckOf(""), Luck::None);
}

struct OneCharacterCase {
    const char* earth;
    const char* person;
    const char* key;
    int expected;
};

void PrintTo(const OneCharacterCase& c, std::ostream* out) {
    *out << "earth " << c.earth << ", person " << c.person << ", key " << c.key;
}

class OneCharacterScore : public ::testing::TestWithParam<OneCharacterCase> {};

// Weights of a one-character given name: earth 32/30/11, person 32/28/22, constant 11, key 20/18/11.
TEST_P(OneCharacterScore, AddsTheWeightOfEachLuckWord) {
    const auto& c = GetParam();
    const FiveGrids grids = gridNumbers(7, 8); // earth 9, person 15
    const LuckTables luck = tablesWith({{9, c.earth}, {15, c.person}}, c.key);
    EXPECT_EQ(scoreOneCharacter(grids, luck), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Weights, OneCharacterScore,
    ::testing::Values(OneCharacterCase{"吉", "吉", "吉", 95}, OneCharacterCase{"凶", "凶", "凶", 55},
                      OneCharacterCase{"半吉", "半吉", "半吉", 87}, OneCharacterCase{"吉", "凶", "凶", 76},
                      OneCharacterCase{"凶", "半吉", "凶", 61}, OneCharacterCase{"凶", "凶", "半吉", 62},
                      OneCharacterCase{"", "", "", 11}, OneCharacterCase{"吉 ", "大吉", "吉吉", 11}));

struct TwoCharacterCase {
    const char* earth;
    const char* person;
    const char* outer;
    const char* total;
    const char* key;
    int expected;
};

void PrintTo(const TwoCharacterCase& c, std::ostream* out) {
    *out << "earth " << c.earth << ", person " << c.person << ", outer " << c.outer << ", total " << c.total << ", key "
         << c.key;
}

class TwoCharacterScore : public ::testing::TestWithParam<TwoCharacterCase> {};

// Weights of a two-character given name: earth 32/30/11, person, outer, total 16/14/11 each, key 20/18/14.
TEST_P(TwoCharacterScore, AddsTheWeightOfEachLuckWord) {
    const auto& c = GetParam();
    const FiveGrids grids = gridNumbers(7, 10, 5); // person 17, earth 15, outer 6, total 22
    const LuckTables luck = tablesWith({{15, c.earth}, {17, c.person}, {6, c.outer}, {22, c.total}}, c.key);
    EXPECT_EQ(scoreTwoCharacters(grids, luck), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Weights, TwoCharacterScore,
                         ::testing::Values(TwoCharacterCase{"吉", "吉", "吉", "吉", "吉", 100},
                                           TwoCharacterCase{"吉", "吉", "吉", "半吉", "吉", 98},
                                           TwoCharacterCase{"吉", "半吉", "半吉", "吉", "吉", 96},
                                           TwoCharacterCase{"凶", "凶", "凶", "凶", "凶", 58},
                                           TwoCharacterCase{"半吉", "凶", "凶", "凶", "半吉", 81},
                                           TwoCharacterCase{"凶", "凶", "凶", "凶", "吉", 64},
                                           TwoCharacterCase{"", "", "", "", "", 0}));

TEST(ScoreWeights, PersonGridAndBadKeyWeighDifferentlyByNameLength) {
    EXPECT_EQ(kOneCharacterWeights.person.good, 32);
    EXPECT_EQ(kOneCharacterWeights.person.half, 28);
    EXPECT_EQ(kOneCharacterWeights.person.bad, 22);
    EXPECT_EQ(kTwoCharacterWeights.person.good, 16);
    EXPECT_EQ(kTwoCharacterWeights.person.bad, 11);
    EXPECT_EQ(kOneCharacterWeights.threeTalents.bad, 11);
    EXPECT_EQ(kTwoCharacterWeights.threeTalents.bad, 14);
}

TEST(ScoreCap, RaisesOnlyScoresAbove95) {
    EXPECT_EQ(applyScoreCap(95), 95);
    EXPECT_EQ(applyScoreCap(96), 100);
    EXPECT_EQ(applyScoreCap(98), 100);
    EXPECT_EQ(applyScoreCap(100), 100);
    EXPECT_EQ(applyScoreCap(0), 0);
}

TEST(ScoreName, BuildsTheResultRowAndAppliesTheCapOnlyWhenAsked) {
    const LuckTables luck = tablesWith({{15, "吉"}, {17, "吉"}, {6, "吉"}, {22, "半吉"}}, "吉");
    const WordRow li{"李", 7, "火"};
    const WordRow first{"哉", 10, "金"};
    const WordRow second{"栋", 5, "木"};

    const ScoredName uncapped = scoreName("李", li, first, &second, luck, false);
    EXPECT_EQ(uncapped, (ScoredName{"李哉栋", 98, FiveGrids{8, 17, 15, 6, 22}, "金金土", "火金木"}));
    EXPECT_EQ(scoreName("李", li, first, &second, luck, true).score, 100);
}

TEST(ScoreName, ShowsAWholeTwoCharacterFamilyTextButCountsOnlyTheRowGiven) {
    const LuckTables luck;
    const ScoredName name = scoreName("欧阳", WordRow{"欧", 15, "土"}, WordRow{"明", 8, "火"}, nullptr, luck, true);
    EXPECT_EQ(name.displayName, "欧阳明");
    EXPECT_EQ(name.grids, gridNumbers(15, 8));
    EXPECT_EQ(name.score, 11) << "no luck rows: only the constant";
    EXPECT_EQ(name.elementText, "土火");
}

TEST(ScoreName, AMissingCharacterCountsZeroStrokesAndNoElement) {
    const LuckTables luck;
    const ScoredName name = scoreName("", WordRow{}, WordRow{}, nullptr, luck, false);
    EXPECT_EQ(name.displayName, "");
    EXPECT_EQ(name.grids, (FiveGrids{1, 0, 1, 2, 0}));
    EXPECT_EQ(name.elementText, "");
    EXPECT_EQ(name.threeTalentsKey, "木水木");
}

TEST(LuckTables, NumbersWithoutARowAndNumbersAbove81AddNothing) {
    const LuckTables luck = tablesWith({{81, "吉"}}, "凶");
    EXPECT_EQ(luck.numberLuck(81), Luck::Good);
    EXPECT_EQ(luck.numberLuck(82), Luck::None);
    EXPECT_EQ(luck.numberLuck(0), Luck::None);
    EXPECT_EQ(luck.numberLuck(5000), Luck::None);
    EXPECT_EQ(luck.numberLuck(-1), Luck::None);
}

TEST(LuckTables, OnlyCanonicalDecimalKeysMatchNumbersAndTheFirstRowWins) {
    const LuckTables luck({NumerologyRow{"08", "吉", "", "", "", "", ""}, NumerologyRow{"8", "凶", "", "", "", "", ""},
                           NumerologyRow{"8", "吉", "", "", "", "", ""}, NumerologyRow{" 9", "吉", "", "", "", "", ""},
                           NumerologyRow{"2000", "半吉", "", "", "", "", ""}},
                          {ThreeTalentsRow{"木木木", "吉", ""}, ThreeTalentsRow{"木木木", "凶", ""}});
    EXPECT_EQ(luck.numberLuck(8), Luck::Bad);
    EXPECT_EQ(luck.numberLuck(9), Luck::None);
    EXPECT_EQ(luck.numberLuck(2000), Luck::Half);
    EXPECT_EQ(luck.keyLuck(threeTalentsIndex(Element::Wood, Element::Wood, Element::Wood)), Luck::Good);
    EXPECT_EQ(luck.keyLuck("木木木"), Luck::Good);
    EXPECT_EQ(luck.keyLuck("木木火"), Luck::None);
}

TEST(LuckTables, LoadFromTheDatabaseMatchesPerNameQueries) {
    testing::TempDatabase file;
    file.exec(R"sql(
        INSERT INTO sl VALUES ('1', '吉', '', '', '', '', ''), ('2', '凶', '', '', '', '', ''),
                              ('3', '半吉', '', '', '', '', ''), ('4', '吉 ', '', '', '', '', '');
        INSERT INTO "3cai" VALUES (1, '金土水', '', '吉'), (2, '水水水', '', '凶');
    )sql");
    NamingDatabase db = file.open();
    const LuckTables luck = LuckTables::load(db);
    for (int n = 0; n <= 5; ++n) {
        const auto row = db.numerologyRow(std::to_string(n));
        EXPECT_EQ(luck.numberLuck(n), row ? luckOf(row->luck) : Luck::None) << n;
    }
    EXPECT_EQ(luck.keyLuck(threeTalentsIndex(gridNumbers(7, 8))), Luck::Good);
    EXPECT_EQ(luck.keyLuck(threeTalentsIndex(Element::Water, Element::Water, Element::Water)), Luck::Bad);

    NamingDatabase closed;
    const LuckTables empty = LuckTables::load(closed);
    EXPECT_EQ(empty.numberLuck(1), Luck::None);
}

} // namespace
} // namespace namewright
