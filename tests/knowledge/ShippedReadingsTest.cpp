// Tests of the mended readings, family elements and stroke counts of the shipped characters.db and hun.mdb: full
// names read through KnowledgeBase and through `namewright-cli describe`, every surname of 百家姓 with the reading of
// its row, the element of a family character by its family reading, and no count below its glyph's own strokes.

#include "cli/CommandLine.h"
#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

const KnowledgeBase& shipped() {
    static const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    return knowledge;
}

std::string pinyinOf(std::string_view family, std::string_view given) {
    std::string pinyin;
    for (const auto& reading : shipped().readName(family, given)) {
        pinyin += (pinyin.empty() ? "" : " ") + reading.pinyin;
    }
    return pinyin;
}

/// The lines `namewright-cli describe` prints for the name with the shipped knowledge file.
std::vector<std::string> describedLines(const std::string& family, const std::string& given) {
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> words{
        "describe", "--family", family, "--given", given, "--knowledge", NAMEWRIGHT_KNOWLEDGE_FILE};
    const int status = cli::runCommandLine(words, "/nonexistent/hun.mdb", out, err);
    EXPECT_EQ(status, 0) << err.str();
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// The values of the lines with `key`, in order.
std::vector<std::string> valuesOf(const std::vector<std::string>& lines, const std::string& key) {
    std::vector<std::string> values;
    for (const auto& line : lines) {
        if (line.starts_with(key + "\t")) {
            values.push_back(line.substr(key.size() + 1));
        }
    }
    return values;
}

struct NameReading {
    const char* family;
    const char* given;
    const char* pinyin;
};

void PrintTo(const NameReading& name, std::ostream* out) {
    *out << name.family << name.given << ' ' << name.pinyin;
}

class ShippedNameReadings : public ::testing::TestWithParam<NameReading> {};

TEST_P(ShippedNameReadings, ReadAsTheNameIsSaid) {
    const auto& [family, given, pinyin] = GetParam();
    EXPECT_EQ(pinyinOf(family, given), pinyin);
    EXPECT_EQ(valuesOf(describedLines(family, given), "pinyin"), std::vector<std::string>{pinyin});
}

// Family names by their family reading, given names by the curated name readings.
INSTANTIATE_TEST_SUITE_P(
    WellKnownNames, ShippedNameReadings,
    ::testing::Values(NameReading{"华", "罗庚", "huà luó gēng"}, NameReading{"诸葛", "亮", "zhū gě liàng"},
                      NameReading{"汪", "曾祺", "wāng zēng qí"}, NameReading{"曾", "国藩", "zēng guó fān"},
                      NameReading{"李", "子宇", "lǐ zǐ yǔ"}, NameReading{"罗", "贯中", "luó guàn zhōng"},
                      NameReading{"葛", "洪", "gě hóng"}, NameReading{"卓", "文君", "zhuó wén jūn"},
                      NameReading{"卜", "商", "bǔ shāng"}, NameReading{"干", "宝", "gān bǎo"},
                      NameReading{"单", "雄信", "shàn xióng xìn"}, NameReading{"仇", "英", "qiú yīng"},
                      NameReading{"乐", "毅", "yuè yì"}, NameReading{"尉迟", "恭", "yù chí gōng"},
                      NameReading{"长孙", "无忌", "zhǎng sūn wú jì"}, NameReading{"王", "乐天", "wáng lè tiān"},
                      NameReading{"林", "朝阳", "lín zhāo yáng"}, NameReading{"陈", "冠希", "chén guàn xī"},
                      NameReading{"张", "霓裳", "zhāng ní cháng"}, NameReading{"区", "卓绩", "ōu zhuó jì"},
                      NameReading{"许", "珩", "xǔ héng"}, NameReading{"蔚", "苕", "yù tiáo"}));

TEST(ShippedReadings, ThreeEqualTonesOfLiZiyuAreHeard) {
    // 子 read zǐ, not the neutral zi: 李子宇 is lǐ zǐ yǔ, three third tones.
    const auto warnings = valuesOf(describedLines("李", "子宇"), "warning");
    EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(),
                            [](const std::string& warning) { return warning.starts_with("三字同调：李子宇"); }));
    EXPECT_EQ(valuesOf(describedLines("李", "子宇"), "tones"), std::vector<std::string>{"3 3 3"});
}

/// The rows (surname, reading) of data/sources/bai_jia_xing.tsv, the text's closing line excluded.
std::vector<std::pair<std::string, std::string>> baiJiaXing() {
    std::ifstream in(std::string(NAMEWRIGHT_SOURCE_DIR) + "/data/sources/bai_jia_xing.tsv");
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        const auto tab = line.find('\t');
        if (line.empty() || line.starts_with("#") || tab == std::string::npos) {
            continue;
        }
        const auto second = line.find('\t', tab + 1);
        rows.emplace_back(line.substr(0, tab), line.substr(tab + 1, second - tab - 1));
    }
    return rows;
}

TEST(ShippedReadings, EverySurnameOfBaiJiaXingReadsByItsRow) {
    const auto rows = baiJiaXing();
    ASSERT_EQ(rows.size(), 500U); // 436 single entries, 64 compound ones
    for (const auto& [family, reading] : rows) {
        EXPECT_EQ(pinyinOf(family, ""), reading) << family;
    }
}

TEST(ShippedReadings, FamilyCharacterHasTheElementOfItsFamilyReading) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    for (const auto& [family, element, reason] :
         std::vector<std::tuple<std::string, std::string, std::string>>{{"单", "金", "金：声母 sh（姓读 shàn）"},
                                                                        {"区", "土", "土：无声母（姓读 ōu）"},
                                                                        {"仇", "木", "木：声母 q（姓读 qiú）"},
                                                                        {"乐", "土", "土：声母 y（姓读 yuè）"},
                                                                        {"解", "金", "金：声母 x（姓读 xiè）"},
                                                                        {"张", "金", "金：声母 zh"}}) {
        // The first element line is the family character's.
        EXPECT_EQ(valuesOf(describedLines(family, "思"), "element").front(), reason) << family;
        const auto row = db.wordRow(family);
        ASSERT_TRUE(row) << family;
        EXPECT_EQ(row->element, element) << family;
    }
    // As a given name the character keeps the element of its name reading: 乐 lè 火.
    EXPECT_EQ(valuesOf(describedLines("李", "乐"), "element").back(), "火：声母 l");
}

TEST(ShippedReadings, NoCountIsBelowTheStrokesOfItsGlyph) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto word = db.listTable("word");
    ASSERT_EQ(word.rows.size(), 20902U);
    for (const auto& row : word.rows) {
        const auto* k = shipped().character(std::get<std::string>(row[0]));
        ASSERT_NE(k, nullptr);
        EXPECT_GT(k->glyphStrokes, 0) << k->character;
        if (k->rule != StrokeRule::Numeral) {
            EXPECT_GE(std::get<std::int64_t>(row[1]), k->glyphStrokes) << k->character << ' ' << k->traditional;
        }
    }
}

} // namespace
} // namespace namewright
