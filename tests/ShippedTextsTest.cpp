// Tests of the shipped numerology table `sl` and three-talents table `3cai`, read from the built hun.mdb through the
// program's own NamingDatabase: their columns and keys, their luck words against the lists in data/sources, and the
// form of every text the name report and the reference-tables window print (one line of Chinese within its length).

#include "db/NamingDatabase.h"
#include "naming/FiveGrids.h"
#include "naming/Luck.h"
#include "naming/LuckTables.h"
#include "text/GbkText.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace namewright {
namespace {

const std::filesystem::path kSources = std::filesystem::path(NAMEWRIGHT_SOURCE_DIR) / "data" / "sources";

/// Key and luck word (first two columns) of every data line of a luck-word list; the header line is skipped.
std::vector<std::pair<std::string, std::string>> luckWordList(const std::filesystem::path& file) {
    std::vector<std::pair<std::string, std::string>> entries;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const auto first = line.find('\t');
        const auto second = line.find('\t', first == std::string::npos ? first : first + 1);
        if (first != std::string::npos) {
            entries.emplace_back(line.substr(0, first), line.substr(first + 1, second - first - 1));
        }
    }
    return entries;
}

/// The characters of a UTF-8 text, one string each (a malformed byte is a character of its own).
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = utf8SequenceLength(text, pos);
        out.emplace_back(text.substr(pos, length));
        pos += length;
    }
    return out;
}

/// Whether a shipped text may hold the character: a CJK unified ideograph that GBK encodes (U+4E00-U+9FA5) or the
/// full-width punctuation of running Chinese text. ASCII (spaces, tabs, line breaks, half-width punctuation), the
/// ideographic space and anything outside GBK would print wrongly in the report or break the table source format.
bool isShippedTextCharacter(std::string_view character) {
    static const std::set<std::string_view> punctuation{"，", "。", "、", "；", "：", "！", "？",
                                                        "“",  "”",  "（", "）", "《", "》"};
    if (punctuation.contains(character)) {
        return true;
    }
    // Every code point of U+4E00-U+9FA5 is three UTF-8 bytes: E4 B8 80 up to E9 BE A5.
    return character.size() == 3 && character >= "\xE4\xB8\x80" && character <= "\xE9\xBE\xA5";
}

/// Checks that a text is one line of Chinese of minCharacters to maxCharacters characters.
void expectShippedText(const std::string& where, std::string_view text, std::size_t minCharacters,
                       std::size_t maxCharacters) {
    const std::size_t count = characterCount(text);
    EXPECT_GE(count, minCharacters) << where << ": " << text;
    EXPECT_LE(count, maxCharacters) << where << ": " << text;
    for (const auto& character : characters(text)) {
        EXPECT_TRUE(isShippedTextCharacter(character)) << where << " holds \"" << character << "\": " << text;
    }
}

/// Number of sentence ends (。！？) in a text.
int sentenceEnds(std::string_view text) {
    int ends = 0;
    for (const auto& character : characters(text)) {
        ends += character == "。" || character == "！" || character == "？" ? 1 : 0;
    }
    return ends;
}

// The two cycles of the five elements: 木生火 火生土 土生金 金生水 水生木; 木克土 土克水 水克火 火克金 金克木.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kGenerates{
    {{"木", "火"}, {"火", "土"}, {"土", "金"}, {"金", "水"}, {"水", "木"}}};
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kControls{
    {{"木", "土"}, {"土", "水"}, {"水", "火"}, {"火", "金"}, {"金", "木"}}};

bool isElement(std::string_view character) {
    return character == "木" || character == "火" || character == "土" || character == "金" || character == "水";
}

/// Whether "甲生乙" or "甲克乙" is true in the cycles.
bool isTrueRelation(const std::string& relation) {
    const auto parts = characters(relation);
    const auto& cycle = parts[1] == "生" ? kGenerates : kControls;
    for (const auto& [from, to] : cycle) {
        if (parts[0] == from && parts[2] == to) {
            return true;
        }
    }
    return false;
}

/// How two grid elements stand to each other, as a text names it: "比和" when they are equal, otherwise the one that
/// generates or controls the other, in whichever direction that runs ("木生火" for 木 and 火 as well as for 火 and 木).
std::string relationBetween(std::string_view a, std::string_view b) {
    if (a == b) {
        return "比和";
    }
    for (const auto& [cycle, verb] : {std::pair{&kGenerates, "生"}, std::pair{&kControls, "克"}}) {
        for (const auto& [from, to] : *cycle) {
            if ((from == a && to == b) || (from == b && to == a)) {
                return std::string(from) + verb + std::string(to);
            }
        }
    }
    return {};
}

/// Every relation a text states as element, 生 or 克, element, with an optional grid name before the second element:
/// "天格木生人格火" and "木生火" both state 木生火.
std::set<std::string> statedRelations(std::string_view text) {
    std::set<std::string> stated;
    const auto c = characters(text);
    for (std::size_t i = 0; i + 2 < c.size(); ++i) {
        if (!isElement(c[i]) || (c[i + 1] != "生" && c[i + 1] != "克")) {
            continue;
        }
        std::size_t target = i + 2;
        if (target + 2 < c.size() && (c[target] == "天" || c[target] == "人" || c[target] == "地") &&
            c[target + 1] == "格") {
            target += 2;
        }
        if (isElement(c[target])) {
            stated.insert(c[i] + c[i + 1] + c[target]);
        }
    }
    return stated;
}

TEST(ShippedTextCharacters, AcceptChineseAndFullWidthPunctuationOnly) {
    for (const std::string_view accepted : {"一", "吉", "龥", "，", "。", "“", "）"}) {
        EXPECT_TRUE(isShippedTextCharacter(accepted)) << accepted;
    }
    // Space, tab, CR, half-width comma and colon, ideographic space, U+9FA6 (not in GBK), U+20000, a malformed byte.
    for (const std::string_view rejected : {" ", "\t", "\r", ",", ":", "\u3000", "\u9FA6", "\U00020000", "\xE4"}) {
        EXPECT_FALSE(isShippedTextCharacter(rejected)) << rejected;
    }
}

TEST(StatedRelations, ReadElementPairsWithAndWithoutGridNames) {
    EXPECT_EQ(statedRelations("天格木生人格火，地格水克人格火，水克火。"), (std::set<std::string>{"木生火", "水克火"}));
    EXPECT_EQ(statedRelations("木生长茂盛，金克"), std::set<std::string>{});
    EXPECT_EQ(relationBetween("火", "木"), "木生火");
    EXPECT_EQ(relationBetween("木", "金"), "金克木");
    EXPECT_EQ(relationBetween("土", "土"), "比和");
    EXPECT_FALSE(isTrueRelation("木生土"));
    EXPECT_TRUE(isTrueRelation("金克木"));
}

class ShippedTexts : public ::testing::Test {
protected:
    void SetUp() override {
        m_db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
        ASSERT_TRUE(m_db.isOpen()) << NAMEWRIGHT_SHIPPED_DATABASE;
    }

    NamingDatabase m_db;
};

TEST_F(ShippedTexts, NumerologyColumnsAreTheNumberTheLuckWordAndFiveShortTexts) {
    const std::vector<ListingColumn> expected{{"数理序号", ColumnKind::ShortText}, {"吉否", ColumnKind::ShortText},
                                              {"一字描述", ColumnKind::ShortText}, {"基业", ColumnKind::ShortText},
                                              {"家庭", ColumnKind::ShortText},     {"健康", ColumnKind::ShortText},
                                              {"含意", ColumnKind::ShortText}};
    EXPECT_EQ(m_db.listTable("sl").columns, expected);
}

TEST_F(ShippedTexts, ThreeTalentsColumnsAreIdKeyExplanationAndLuckWord) {
    const std::vector<ListingColumn> expected{{"ID", ColumnKind::Integer},
                                              {"属性", ColumnKind::ShortText},
                                              {"解释", ColumnKind::ShortText},
                                              {"吉否", ColumnKind::ShortText}};
    EXPECT_EQ(m_db.listTable("3cai").columns, expected);
}

TEST_F(ShippedTexts, NumerologyHoldsTheNumbers1To81OnceEachInOrderAsTexts) {
    const TableListing listing = m_db.listTable("sl");
    ASSERT_EQ(listing.rows.size(), 81U);
    for (std::size_t i = 0; i < listing.rows.size(); ++i) {
        EXPECT_EQ(listing.rows[i].at(0), CellValue{std::to_string(i + 1)}) << "row " << i + 1;
    }
}

TEST_F(ShippedTexts, ThreeTalentsHoldsAll125KeysOnceEachInIndexOrderWithIdsFrom1) {
    const TableListing listing = m_db.listTable("3cai");
    ASSERT_EQ(listing.rows.size(), 125U);
    for (std::size_t i = 0; i < listing.rows.size(); ++i) {
        EXPECT_EQ(listing.rows[i].at(0), CellValue{static_cast<std::int64_t>(i + 1)}) << "row " << i + 1;
        EXPECT_EQ(listing.rows[i].at(1), CellValue{threeTalentsKey(static_cast<int>(i))}) << "row " << i + 1;
    }
}

TEST_F(ShippedTexts, NumerologyLuckWordsEqualTheSourceList) {
    const auto expected = luckWordList(kSources / "sl_luck.tsv");
    ASSERT_EQ(expected.size(), 81U);
    for (const auto& [number, luck] : expected) {
        const auto row = m_db.numerologyRow(number);
        ASSERT_TRUE(row) << number;
        EXPECT_EQ(row->luck, luck) << number;
        EXPECT_NE(luckOf(row->luck), Luck::None) << number << " " << row->luck;
    }
}

TEST_F(ShippedTexts, ThreeTalentsLuckWordsEqualTheSourceList) {
    const auto expected = luckWordList(kSources / "sancai_luck.tsv");
    ASSERT_EQ(expected.size(), 125U);
    for (const auto& [key, luck] : expected) {
        const auto row = m_db.threeTalentsRow(key);
        ASSERT_TRUE(row) << key;
        EXPECT_EQ(row->luck, luck) << key;
        EXPECT_NE(luckOf(row->luck), Luck::None) << key << " " << row->luck;
    }
}

TEST_F(ShippedTexts, ScoringFindsALuckForEveryNumberUpTo81AndEveryKey) {
    const LuckTables tables = LuckTables::load(m_db);
    for (int n = 1; n <= 81; ++n) {
        EXPECT_NE(tables.numberLuck(n), Luck::None) << n;
    }
    EXPECT_EQ(tables.numberLuck(0), Luck::None);
    EXPECT_EQ(tables.numberLuck(82), Luck::None);
    for (int index = 0; index < 125; ++index) {
        EXPECT_NE(tables.keyLuck(index), Luck::None) << threeTalentsKey(index);
    }
}

TEST_F(ShippedTexts, NumerologyTextsAreSingleLinesOfChineseWithinTheirLengths) {
    const auto rows = m_db.allNumerologyRows();
    ASSERT_EQ(rows.size(), 81U);
    for (const auto& row : rows) {
        expectShippedText(row.number + " 一字描述", row.description, 4, 12);
        EXPECT_EQ(sentenceEnds(row.description), 0) << row.number << " 一字描述 is a phrase: " << row.description;
        const std::array<std::pair<const char*, const std::string*>, 4> readings{
            {{" 基业", &row.career}, {" 家庭", &row.family}, {" 健康", &row.health}, {" 含意", &row.meaning}}};
        for (const auto& [column, text] : readings) {
            expectShippedText(row.number + column, *text, 1, 255);
            // One or two whole sentences: the report prints each reading as one line after its label.
            EXPECT_TRUE(text->ends_with("。")) << row.number << column << ": " << *text;
            EXPECT_LE(sentenceEnds(*text), 2) << row.number << column << ": " << *text;
        }
    }
}

TEST_F(ShippedTexts, ThreeTalentsExplanationsAreSingleLinesOfChineseWithinTheirLengths) {
    const auto rows = m_db.allThreeTalentsRows();
    ASSERT_EQ(rows.size(), 125U);
    for (const auto& row : rows) {
        expectShippedText(row.key + " 解释", row.explanation, 40, 150);
    }
}

TEST_F(ShippedTexts, ThreeTalentsExplanationsStateBothRelationsAndOnlyTrueOnes) {
    for (const auto& row : m_db.allThreeTalentsRows()) {
        const auto key = characters(row.key);
        ASSERT_EQ(key.size(), 3U) << row.key;
        const auto stated = statedRelations(row.explanation);
        for (const auto& expected : {relationBetween(key[0], key[1]), relationBetween(key[1], key[2])}) {
            const bool named =
                expected == "比和" ? row.explanation.find(expected) != std::string::npos : stated.contains(expected);
            EXPECT_TRUE(named) << row.key << " should name " << expected << ": " << row.explanation;
        }
        for (const auto& relation : stated) {
            EXPECT_TRUE(isTrueRelation(relation)) << row.key << " states " << relation << ": " << row.explanation;
        }
    }
}

} // namespace
} // namespace namewright
