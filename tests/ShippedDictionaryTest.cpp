// Tests of the shipped character tables of hun.mdb, read through the program's own NamingDatabase: the stem-branch
// table `bazi`, the character dictionary `word` and the given-name tables `word1` and `word2`. They check the columns
// and their declared types, the keys, the sixty pairs against the cycle, the coverage of every GBK ideograph, the
// numerology stroke counts and elements of well-known characters, and that every given-name row is a registrable
// character (GBK-encodable, from the 通用规范汉字表, GB2312 and beyond) that agrees with its dictionary row.
// (tools/make_word_tables.py --check, run as a test of its own, keeps the committed tables equal to the generator's
// output.)

#include "db/NamingDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iconv.h>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace namewright {
namespace {

constexpr char32_t kFirstIdeograph = 0x4E00;
constexpr char32_t kLastIdeograph = 0x9FA5;

constexpr std::array<std::string_view, 5> kElements{"金", "木", "水", "火", "土"};
constexpr std::array<std::string_view, 3> kGenderMarks{"男", "女", "中"};

bool isElement(std::string_view text) {
    for (const auto element : kElements) {
        if (text == element) {
            return true;
        }
    }
    return false;
}

/// UTF-8 of a code point of the Basic Multilingual Plane above U+07FF (three bytes).
std::string utf8Of(char32_t codePoint) {
    return {static_cast<char>(0xE0 | (codePoint >> 12)), static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
}

/// The code point of a text that is exactly one CJK unified ideograph U+4E00..U+9FA5, or 0 for anything else.
char32_t singleIdeograph(std::string_view text) {
    if (text.size() != 3) {
        return 0;
    }
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(text[i])); };
    if ((byte(0) & 0xF0) != 0xE0 || (byte(1) & 0xC0) != 0x80 || (byte(2) & 0xC0) != 0x80) {
        return 0;
    }
    const char32_t codePoint = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    return codePoint >= kFirstIdeograph && codePoint <= kLastIdeograph ? codePoint : 0;
}

/// A converter from UTF-8 to a legacy code page (glibc iconv), used to check what a code page can encode.
class CodePage {
public:
    explicit CodePage(const char* name) : m_converter(iconv_open(name, "UTF-8")) {}
    ~CodePage() {
        if (isOpen()) {
            iconv_close(m_converter);
        }
    }
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    bool isOpen() const { return m_converter != reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)); }

    /// Whether the whole UTF-8 text converts without error.
    bool encodes(std::string_view utf8) {
        std::string input(utf8);
        std::array<char, 64> output{};
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        iconv(m_converter, nullptr, nullptr, nullptr, nullptr);
        return iconv(m_converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    }

private:
    iconv_t m_converter;
};

const std::string* textOf(const CellValue& value) {
    return std::get_if<std::string>(&value);
}
const std::int64_t* integerOf(const CellValue& value) {
    return std::get_if<std::int64_t>(&value);
}

/// The `word` rows by character. A row whose cells do not have the declared types is reported and left out.
std::map<std::string, WordRow> dictionary(NamingDatabase& db) {
    std::map<std::string, WordRow> rows;
    for (const auto& row : db.listTable("word").rows) {
        const auto* zi = textOf(row.at(0));
        const auto* bh = integerOf(row.at(1));
        const auto* yongtu = textOf(row.at(2));
        if (zi == nullptr || bh == nullptr || yongtu == nullptr) {
            ADD_FAILURE() << "word row with cells of the wrong type";
            continue;
        }
        EXPECT_TRUE(rows.emplace(*zi, WordRow{*zi, static_cast<int>(*bh), *yongtu}).second) << *zi << " twice";
    }
    return rows;
}

/// The rows of `word1` or `word2` in stored order (columns ID, zi, bh, yongtu, xb).
std::vector<CandidateRow> givenNameRows(NamingDatabase& db, std::string_view table) {
    std::vector<CandidateRow> rows;
    for (const auto& row : db.listTable(table).rows) {
        const auto* id = integerOf(row.at(0));
        const auto* zi = textOf(row.at(1));
        const auto* bh = integerOf(row.at(2));
        const auto* yongtu = textOf(row.at(3));
        const auto* xb = textOf(row.at(4));
        if (id == nullptr || zi == nullptr || bh == nullptr || yongtu == nullptr || xb == nullptr) {
            ADD_FAILURE() << table << " row with cells of the wrong type";
            continue;
        }
        rows.push_back(CandidateRow{static_cast<int>(*id), *zi, static_cast<int>(*bh), *yongtu, *xb});
    }
    return rows;
}

class ShippedDictionary : public ::testing::Test {
protected:
    void SetUp() override {
        m_db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
        ASSERT_TRUE(m_db.isOpen()) << NAMEWRIGHT_SHIPPED_DATABASE;
    }

    NamingDatabase m_db;
};

struct TableColumns {
    std::string table;
    std::vector<ListingColumn> columns;
};

void PrintTo(const TableColumns& c, std::ostream* out) {
    *out << c.table;
}

class ShippedCharacterTableColumns : public ShippedDictionary, public ::testing::WithParamInterface<TableColumns> {};

TEST_P(ShippedCharacterTableColumns, AreTheQueriedColumnsWithTheirDeclaredTypesInOrder) {
    EXPECT_EQ(m_db.listTable(GetParam().table).columns, GetParam().columns);
}

const auto kText = ColumnKind::ShortText;
const auto kInteger = ColumnKind::Integer;

INSTANTIATE_TEST_SUITE_P(
    Tables, ShippedCharacterTableColumns,
    ::testing::Values(
        TableColumns{"bazi", {{"bazi", kText}, {"wuxing", kText}, {"wuxing1", kText}}},
        TableColumns{"word", {{"zi", kText}, {"bh", kInteger}, {"yongtu", kText}}},
        TableColumns{"word1", {{"ID", kInteger}, {"zi", kText}, {"bh", kInteger}, {"yongtu", kText}, {"xb", kText}}},
        TableColumns{"word2", {{"ID", kInteger}, {"zi", kText}, {"bh", kInteger}, {"yongtu", kText}, {"xb", kText}}}),
    [](const auto& test) { return test.param.table; });

// The sexagenary cycle: pair n (0..59) is stem n mod 10 with branch n mod 12; the elements are those of the stem
// (甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水) and of the branch; each nayin covers two consecutive pairs.
constexpr std::array<std::string_view, 10> kStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 10> kStemElements{"木", "木", "火", "火", "土", "土", "金", "金", "水", "水"};
constexpr std::array<std::string_view, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                     "午", "未", "申", "酉", "戌", "亥"};
constexpr std::array<std::string_view, 12> kBranchElements{"水", "土", "木", "木", "土", "火",
                                                           "火", "土", "金", "金", "土", "水"};
constexpr std::array<std::string_view, 30> kNayin{
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土", "白蜡金", "杨柳木",
    "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金", "山下火", "平地木", "壁上土", "金箔金",
    "覆灯火", "天河水", "大驿土", "钗钏金", "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

TEST_F(ShippedDictionary, StemBranchTableHoldsEachPairOfTheCycleOnceWithItsElementsAndNayin) {
    std::set<std::string> expected;
    for (std::size_t n = 0; n < 60; ++n) {
        const std::string pair = std::string(kStems[n % 10]) + std::string(kBranches[n % 12]);
        expected.insert(pair);
        const auto row = m_db.baziRow(pair);
        ASSERT_TRUE(row) << pair;
        EXPECT_EQ(row->elements, std::string(kStemElements[n % 10]) + std::string(kBranchElements[n % 12])) << pair;
        EXPECT_EQ(row->nayin, kNayin[n / 2]) << pair;
    }
    std::multiset<std::string> stored;
    for (const auto& row : m_db.listTable("bazi").rows) {
        stored.insert(textOf(row.at(0)) != nullptr ? *textOf(row.at(0)) : std::string());
    }
    EXPECT_EQ(stored, std::multiset<std::string>(expected.begin(), expected.end()));
    EXPECT_EQ(m_db.baziRow("甲子"), (BaziRow{"木水", "海中金"}));
}

TEST_F(ShippedDictionary, HoldsEveryGbkIdeographOnceAndNothingElse) {
    CodePage gbk("GBK");
    ASSERT_TRUE(gbk.isOpen());
    const auto rows = dictionary(m_db);
    std::size_t encodable = 0;
    for (char32_t codePoint = kFirstIdeograph; codePoint <= kLastIdeograph; ++codePoint) {
        const std::string character = utf8Of(codePoint);
        if (gbk.encodes(character)) {
            ++encodable;
            EXPECT_TRUE(rows.contains(character)) << character << " is missing";
        }
    }
    EXPECT_GE(rows.size(), 20000U);
    EXPECT_EQ(rows.size(), encodable);
    for (const auto& [zi, row] : rows) {
        EXPECT_NE(singleIdeograph(zi), 0U) << zi;
    }
}

TEST_F(ShippedDictionary, EveryCharacterHasAPositiveStrokeCountAndOneOfTheFiveElements) {
    for (const auto& [zi, row] : dictionary(m_db)) {
        EXPECT_GE(row.strokes, 1) << zi;
        EXPECT_LE(row.strokes, 64) << zi;
        EXPECT_TRUE(isElement(row.element)) << zi << " " << row.element;
    }
}

TEST_F(ShippedDictionary, TheInitialContentsOfTheNameBoxesAreFound) {
    for (const std::string character : {"李", "哉", "栋"}) {
        const auto row = m_db.wordRow(character);
        ASSERT_TRUE(row) << character;
        EXPECT_EQ(row->character, character);
    }
}

struct StrokeCase {
    const char* character;
    int strokes;
};

void PrintTo(const StrokeCase& c, std::ostream* out) {
    *out << c.character << " " << c.strokes;
}

class ShippedStrokeCount : public ShippedDictionary, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(ShippedStrokeCount, IsTheTraditionalFormCountedWithFullRadicals) {
    const auto row = m_db.wordRow(GetParam().character);
    ASSERT_TRUE(row) << GetParam().character;
    EXPECT_EQ(row->strokes, GetParam().strokes) << GetParam().character;
}

// Counts of five-grid naming practice: common family and given-name characters (刘 = 劉 15, 江 = 水 4 + 3), the
// numerals that count their value, and the characters whose traditional form was chosen by hand
// (data/sources/traditional_forms.tsv: 云 雲, 万 萬, 丰 豐, 发 發, 钟 鍾, 杰 傑).
INSTANTIATE_TEST_SUITE_P(
    Characters, ShippedStrokeCount,
    ::testing::Values(StrokeCase{"李", 7}, StrokeCase{"栋", 12}, StrokeCase{"哉", 9}, StrokeCase{"江", 7},
                      StrokeCase{"明", 8}, StrokeCase{"张", 11}, StrokeCase{"王", 4}, StrokeCase{"刘", 15},
                      StrokeCase{"陈", 16}, StrokeCase{"杨", 13}, StrokeCase{"黄", 12}, StrokeCase{"赵", 14},
                      StrokeCase{"胡", 11}, StrokeCase{"郑", 19}, StrokeCase{"罗", 20}, StrokeCase{"苏", 22},
                      StrokeCase{"叶", 15}, StrokeCase{"魏", 18}, StrokeCase{"浩", 11}, StrokeCase{"涛", 18},
                      StrokeCase{"钰", 13}, StrokeCase{"鑫", 24}, StrokeCase{"泽", 17}, StrokeCase{"华", 14},
                      StrokeCase{"一", 1}, StrokeCase{"四", 4}, StrokeCase{"五", 5}, StrokeCase{"六", 6},
                      StrokeCase{"七", 7}, StrokeCase{"八", 8}, StrokeCase{"九", 9}, StrokeCase{"十", 10},
                      StrokeCase{"云", 12}, StrokeCase{"万", 15}, StrokeCase{"丰", 18}, StrokeCase{"发", 12},
                      StrokeCase{"钟", 17}, StrokeCase{"杰", 12}));

struct ElementCase {
    const char* character;
    const char* element;
};

void PrintTo(const ElementCase& c, std::ostream* out) {
    *out << c.character << " " << c.element;
}

class ShippedElement : public ShippedDictionary, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(ShippedElement, FollowsTheRadicalThenThePronunciation) {
    const auto row = m_db.wordRow(GetParam().character);
    ASSERT_TRUE(row) << GetParam().character;
    EXPECT_EQ(row->element, GetParam().element) << GetParam().character;
}

// By radical: 氵 水, 木 木, 火 火, 土 土, 金 金, 日 火, 钅 金, 艹 木, 刂 金. By the initial of the reading when the
// radical names no element: 罗 (l) 火, 哉 (z) 金, 王 (w) 土, 胡 (h) 水, 张 (zh) 金, 国 (g) 木. A family name by its
// family reading: 单 (shàn) 金, 区 (ōu) 土, 仇 (qiú) 木.
INSTANTIATE_TEST_SUITE_P(Characters, ShippedElement,
                         ::testing::Values(ElementCase{"江", "水"}, ElementCase{"林", "木"}, ElementCase{"炎", "火"},
                                           ElementCase{"坤", "土"}, ElementCase{"鑫", "金"}, ElementCase{"明", "火"},
                                           ElementCase{"浩", "水"}, ElementCase{"森", "木"}, ElementCase{"钰", "金"},
                                           ElementCase{"涛", "水"}, ElementCase{"芳", "木"}, ElementCase{"刘", "金"},
                                           ElementCase{"罗", "火"}, ElementCase{"哉", "金"}, ElementCase{"王", "土"},
                                           ElementCase{"胡", "水"}, ElementCase{"张", "金"}, ElementCase{"国", "木"},
                                           ElementCase{"单", "金"}, ElementCase{"区", "土"}, ElementCase{"仇", "木"}));

class ShippedGivenNameTable : public ShippedDictionary, public ::testing::WithParamInterface<std::string> {};

TEST_P(ShippedGivenNameTable, HoldsAtLeast1500RowsNumberedFrom1WithoutGaps) {
    const auto rows = givenNameRows(m_db, GetParam());
    EXPECT_GE(rows.size(), 1500U);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].id, static_cast<int>(i + 1)) << rows[i].character;
    }
}

// The curated characters come from the 通用规范汉字表, which reaches beyond GB2312 (玥, 珺, 璟 ...); what the program
// needs of each is that it is one GBK-encodable ideograph of the dictionary's range. Membership of the 通用规范汉字表
// itself is checked by the generator against Unihan (kTGH).
TEST_P(ShippedGivenNameTable, HoldsEachRegistrableCharacterOnce) {
    CodePage gbk("GBK");
    ASSERT_TRUE(gbk.isOpen());
    std::set<std::string> seen;
    for (const auto& row : givenNameRows(m_db, GetParam())) {
        EXPECT_NE(singleIdeograph(row.character), 0U) << row.character << " is not one ideograph U+4E00..U+9FA5";
        EXPECT_TRUE(gbk.encodes(row.character)) << row.character << " is not encoded by GBK";
        EXPECT_TRUE(seen.insert(row.character).second) << row.character << " twice";
    }
}

TEST_P(ShippedGivenNameTable, OffersNameCharactersBeyondGb2312) {
    CodePage gb2312("GB2312");
    ASSERT_TRUE(gb2312.isOpen());
    std::set<std::string> beyond;
    for (const auto& row : givenNameRows(m_db, GetParam())) {
        if (!gb2312.encodes(row.character)) {
            beyond.insert(row.character);
        }
    }
    for (const std::string zi : {"玥", "珺", "璟", "瑄", "晞", "祎", "堃", "喆"}) {
        EXPECT_TRUE(beyond.contains(zi)) << zi;
    }
}

// `word` serves the family character, so its element follows the family reading; a given name reads otherwise only
// where the character is also a family name of another element: 乐 (given lè 火, family yuè 土).
TEST_P(ShippedGivenNameTable, AgreesWithTheDictionaryRowOfEachCharacter) {
    const auto words = dictionary(m_db);
    std::set<std::string> otherElement;
    for (const auto& row : givenNameRows(m_db, GetParam())) {
        const auto word = words.find(row.character);
        ASSERT_NE(word, words.end()) << row.character << " is not in word";
        EXPECT_EQ(row.strokes, word->second.strokes) << row.character;
        if (row.element != word->second.element) {
            otherElement.insert(row.character);
        }
    }
    EXPECT_EQ(otherElement, std::set<std::string>{"乐"});
}

TEST_P(ShippedGivenNameTable, MarksEveryRowForBoysGirlsOrBothAndServesEachWell) {
    const auto rows = givenNameRows(m_db, GetParam());
    std::map<std::string, std::size_t> counts;
    for (const auto& row : rows) {
        ++counts[row.gender];
    }
    for (const auto& [mark, count] : counts) {
        EXPECT_NE(std::find(kGenderMarks.begin(), kGenderMarks.end(), mark), kGenderMarks.end()) << mark;
    }
    // The random mode draws only rows marked with the chosen gender, the sequential modes skip only the other one:
    // each mark needs a large share of its own.
    for (const auto mark : kGenderMarks) {
        EXPECT_GE(counts[std::string(mark)] * 100, rows.size() * 15) << mark << ": " << counts[std::string(mark)];
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, ShippedGivenNameTable, ::testing::Values("word1", "word2"),
                         [](const auto& test) { return test.param; });

} // namespace
} // namespace namewright
