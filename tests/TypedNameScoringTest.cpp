#include "reports/TypedNameScoring.h"
#include "db/NamingDatabase.h"
#include "support/ReportDatabaseTest.h"

#include <gtest/gtest.h>

#include <ostream>

namespace namewright {
namespace {

using testing::TempDatabase;

using TypedNameScoringTest = testing::ReportDatabaseTest;

struct TypedCase {
    const char* what;
    const char* family;
    const char* given;
    ScoredName expected;
    friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.what; }
};

class TypedNameScores : public TypedNameScoringTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedNameScores, ScoresTheLookedUpCharacters) {
    const auto result = scoreTypedName(GetParam().family, GetParam().given, m_database);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name, GetParam().expected);
}

// Strokes and lucks from ReportTestData.h.
INSTANTIATE_TEST_SUITE_P(
    Names, TypedNameScores,
    ::testing::Values(
        // A one-character name: outer grid 2, person and total equal.
        TypedCase{"one_character", "李", "明", ScoredName{"李明", 74, FiveGrids{8, 15, 9, 2, 15}, "金土水", "火火"}},
        // Lucks 吉 吉 吉 半吉 and a 吉 key add up to 98, which the cap reports as 100.
        TypedCase{"two_characters_capped", "李", "哉栋",
                  ScoredName{"李哉栋", 100, FiveGrids{8, 16, 21, 13, 28}, "金土木", "火金木"}},
        // Only the first family character is looked up and shown.
        TypedCase{"two_character_family", "欧阳", "明",
                  ScoredName{"欧明", 22, FiveGrids{16, 23, 9, 2, 23}, "土火水", "土火"}},
        // Two ASCII letters are two bytes: one "character", looked up as they are.
        TypedCase{"two_ascii_letters", "李", "ab",
                  ScoredName{"李ab", 11, FiveGrids{8, 12, 6, 2, 12}, "金木土", "火水"}},
        // Four ASCII letters are two "characters" of two letters each.
        TypedCase{"four_ascii_letters", "李", "abab",
                  ScoredName{"李abab", 0, FiveGrids{8, 12, 10, 6, 17}, "金木水", "火水水"}},
        // Characters without a `word` row count 0 strokes, add no text and no element.
        TypedCase{"unknown_characters", "李", "无字", ScoredName{"李", 0, FiveGrids{8, 7, 0, 1, 7}, "金金水", "火"}},
        // A quote is part of the key like any other character.
        TypedCase{"quote_in_the_given_text", "李", "'a",
                  ScoredName{"李", 11, FiveGrids{8, 7, 1, 2, 7}, "金金木", "火"}},
        TypedCase{"empty_family", "", "明", ScoredName{"明", 54, FiveGrids{1, 8, 9, 2, 8}, "木金水", "火"}},
        // Grid numbers beyond the `sl` rows add nothing.
        TypedCase{"large_strokes", "李", "巨", ScoredName{"李巨", 11, FiveGrids{8, 87, 81, 2, 87}, "金金木", "火土"}}),
    [](const auto& test) { return std::string(test.param.what); });

struct WidthCase {
    const char* what;
    const char* given;
    friend void PrintTo(const WidthCase& c, std::ostream* os) { *os << c.what; }
};

class TypedNameWidths : public TypedNameScoringTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(TypedNameWidths, AGivenTextNotTwoOrFourBytesWideIsNoName) {
    EXPECT_FALSE(scoreTypedName("李", GetParam().given, m_database));
}

INSTANTIATE_TEST_SUITE_P(OtherWidths, TypedNameWidths,
                         ::testing::Values(WidthCase{"zero_bytes", ""}, WidthCase{"one_ascii_letter", "a"},
                                           WidthCase{"three_bytes", "明a"}, WidthCase{"five_bytes", "哉栋a"},
                                           WidthCase{"three_characters", "哉栋明"},
                                           WidthCase{"four_characters", "哉栋明明"}, WidthCase{"one_space", " "}),
                         [](const auto& test) { return std::string(test.param.what); });

TEST_F(TypedNameScoringTest, OnlyWidthsTwoAndFourAreNamesForEveryWidthUpToTwenty) {
    for (std::size_t ascii = 0; ascii <= 20; ++ascii) {
        const std::string given(ascii, 'x');
        EXPECT_EQ(scoreTypedName("李", given, m_database).has_value(), ascii == 2 || ascii == 4) << ascii;
    }
}

TEST_F(TypedNameScoringTest, ACharacterStraddlingTheMiddleBelongsToNeitherHalf) {
    // "a明b" is 4 GBK bytes with 明 at bytes 2-3: the halves are "a" and "b", neither of which has a row.
    const auto result = scoreTypedName("李", "a明b", m_database);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name.displayName, "李");
    EXPECT_EQ(result->name.grids, (FiveGrids{8, 7, 0, 1, 7}));
}

TEST_F(TypedNameScoringTest, TheRowsOfItsReportComeWithTheScore) {
    const auto result = scoreTypedName("李", "哉栋", m_database);
    ASSERT_TRUE(result);
    ASSERT_TRUE(result->rows.grids[0]);
    EXPECT_EQ(result->rows.grids[0]->description, "坚刚");
    EXPECT_EQ(result->rows.grids[4]->description, "遭难");
    ASSERT_TRUE(result->rows.threeTalents);
    EXPECT_EQ(result->rows.threeTalents->key, "金土木");
}

TEST(TypedNameScoring, AClosedConnectionScoresNothingButStillNamesTheFamilyCharacter) {
    NamingDatabase closed;
    const auto result = scoreTypedName("李", "明", closed);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name, (ScoredName{"李", 11, FiveGrids{1, 0, 1, 2, 0}, "木水木", ""}));
}

} // namespace
} // namespace namewright
