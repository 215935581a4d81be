// Tests of the shipped knowledge file characters.db against the shipped hun.mdb and the verses it was built from:
// readings of polyphonic family names and of name characters, the stroke working and element of every character
// against `word`, the verse index against a plain scan of the classics, the describe lines of a known name, and the
// shortlist columns against the full sound checks. (tools/make_knowledge.py --check, a test of its own, keeps the
// committed tables equal to their generator's output.)

#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "knowledge/VerseMatch.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "text/Utf8.h"

#include "db/NamingDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace namewright {
namespace {

const KnowledgeBase& shipped() {
    static const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    return knowledge;
}

std::string text(const CellValue& value) {
    return std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : std::string();
}

std::int64_t integer(const CellValue& value) {
    return std::holds_alternative<std::int64_t>(value) ? std::get<std::int64_t>(value) : -1;
}

/// The `zi` column of a shipped table, in stored order.
std::vector<std::string> charactersOf(const char* table) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto listing = db.listTable(table);
    std::vector<std::string> out;
    for (const auto& row : listing.rows) {
        out.push_back(text(row[1]));
    }
    return out;
}

TEST(ShippedKnowledge, OpensWithItsWholeContent) {
    ASSERT_TRUE(shipped().isAvailable()) << shipped().failure();
    EXPECT_GE(shipped().soundChecker().words().size(), 500U);
    EXPECT_EQ(shipped().versesPerPair(), 3);
}

struct FamilyReading {
    const char* family;
    const char* pinyin;
};

class ShippedFamilyReadings : public ::testing::TestWithParam<FamilyReading> {};

TEST_P(ShippedFamilyReadings, ReadAsTheFamilyNameIsSaid) {
    std::string pinyin;
    for (const auto& reading : shipped().readName(GetParam().family, "")) {
        pinyin += (pinyin.empty() ? "" : " ") + reading.pinyin;
    }
    EXPECT_EQ(pinyin, GetParam().pinyin) << GetParam().family;
}

// The family readings of the dictionaries (现代汉语词典, 通用规范汉字字典).
INSTANTIATE_TEST_SUITE_P(
    Polyphonic, ShippedFamilyReadings,
    ::testing::Values(FamilyReading{"曾", "zēng"}, FamilyReading{"单", "shàn"}, FamilyReading{"仇", "qiú"},
                      FamilyReading{"区", "ōu"}, FamilyReading{"朴", "piáo"}, FamilyReading{"查", "zhā"},
                      FamilyReading{"翟", "zhái"}, FamilyReading{"解", "xiè"}, FamilyReading{"盖", "gě"},
                      FamilyReading{"乐", "yuè"}, FamilyReading{"覃", "qín"}, FamilyReading{"缪", "miào"},
                      FamilyReading{"任", "rén"}, FamilyReading{"华", "huà"}, FamilyReading{"尉迟", "yù chí"},
                      FamilyReading{"万俟", "mò qí"}, FamilyReading{"单于", "chán yú"},
                      FamilyReading{"长孙", "zhǎng sūn"}, FamilyReading{"澹台", "tán tái"},
                      FamilyReading{"令狐", "líng hú"}, FamilyReading{"诸葛", "zhū gě"},
                      FamilyReading{"欧阳", "ōu yáng"}, FamilyReading{"尉", "wèi"}, FamilyReading{"万", "wàn"},
                      FamilyReading{"肖", "xiāo"}, FamilyReading{"张", "zhāng"}, FamilyReading{"李", "lǐ"}));

struct GivenReading {
    const char* given;
    const char* pinyin;
};

class ShippedGivenReadings : public ::testing::TestWithParam<GivenReading> {};

TEST_P(ShippedGivenReadings, ReadAsNamesSayThem) {
    const auto* k = shipped().character(GetParam().given);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->pinyin, GetParam().pinyin) << GetParam().given;
}

// Name characters, among them those names read otherwise than their usual reading (data/sources/name_readings.tsv).
INSTANTIATE_TEST_SUITE_P(
    NameCharacters, ShippedGivenReadings,
    ::testing::Values(GivenReading{"朝", "zhāo"}, GivenReading{"长", "cháng"}, GivenReading{"乐", "lè"},
                      GivenReading{"曾", "céng"}, GivenReading{"单", "dān"}, GivenReading{"为", "wéi"},
                      GivenReading{"兴", "xīng"}, GivenReading{"莞", "wǎn"}, GivenReading{"靓", "liàng"},
                      GivenReading{"梓", "zǐ"}, GivenReading{"涵", "hán"}, GivenReading{"绿", "lǜ"},
                      GivenReading{"嘉", "jiā"}, GivenReading{"若", "ruò"}, GivenReading{"恩", "ēn"}));

TEST(ShippedKnowledge, EveryWordCharacterIsKnownWithItsCountAndElement) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto word = db.listTable("word");
    ASSERT_EQ(word.rows.size(), 20902U);
    for (const auto& row : word.rows) {
        const auto zi = text(row[0]);
        const auto* k = shipped().character(zi);
        ASSERT_NE(k, nullptr) << zi;
        EXPECT_EQ(k->strokes, integer(row[1])) << zi;
        EXPECT_EQ(k->element, text(row[2])) << zi;
        EXPECT_TRUE(k->elementReason.starts_with(k->element + ": ")) << zi;
        EXPECT_TRUE(k->commonLevel >= 0 && k->commonLevel <= 3) << zi;
    }
}

TEST(ShippedKnowledge, StrokeWorkingAddsUpToTheCount) {
    for (char32_t c = 0x4E00; c <= 0x9FA5; ++c) {
        const auto* k = shipped().character(c);
        if (!k) {
            continue;
        }
        switch (k->rule) {
        case StrokeRule::Radical:
        case StrokeRule::Reduced:
            EXPECT_EQ(k->strokes, k->radicalStrokes + k->residual) << k->character;
            EXPECT_TRUE(k->working.starts_with(k->radicalForm + " " + std::to_string(k->radicalStrokes) + " + " +
                                               std::to_string(k->residual)))
                << k->character;
            EXPECT_EQ(k->rule == StrokeRule::Reduced, k->working.find(" as ") != std::string::npos) << k->character;
            break;
        case StrokeRule::Numeral:
            EXPECT_LE(k->strokes, 10) << k->character;
            break;
        case StrokeRule::Alone:
            EXPECT_LE(k->residual, 0) << k->character;
            break;
        }
    }
}

struct Working {
    const char* character;
    const char* traditional;
    int strokes;
    const char* working;
    const char* element;
};

class ShippedWorkings : public ::testing::TestWithParam<Working> {};

TEST_P(ShippedWorkings, ShowWhyTheCountIsWhatItIs) {
    const auto* k = shipped().character(GetParam().character);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->traditional, GetParam().traditional);
    EXPECT_EQ(k->strokes, GetParam().strokes);
    EXPECT_EQ(k->working, GetParam().working);
    EXPECT_EQ(k->elementReason, GetParam().element);
}

// The counts of naming practice (譽 21, 鄭 19, 江 7) and the rule behind each.
INSTANTIATE_TEST_SUITE_P(
    KnownCounts, ShippedWorkings,
    ::testing::Values(Working{"江", "江", 7, "水 4 + 3, 氵 as 水 4", "水: radical 氵 (水)"},
                      Working{"芳", "芳", 10, "艸 6 + 4, 艹 as 艸 6", "木: radical 艹 (艸)"},
                      Working{"郑", "鄭", 19, "邑 7 + 12, 阝 right as 邑 7", "金: initial zh"},
                      Working{"誉", "譽", 21, "言 7 + 14", "土: initial y"},
                      Working{"阳", "陽", 17, "阜 8 + 9, 阝 left as 阜 8", "土: initial y"},
                      Working{"琳", "琳", 13, "玉 5 + 8, 王 as 玉 5", "火: initial l"},
                      Working{"王", "王", 4, "王 stands for the radical 玉 alone: its own 4 strokes", "土: initial w"},
                      Working{"三", "三", 3, "numeral: 三 counts its value 3", "金: initial s"},
                      Working{"净", "淨", 12, "水 4 + 8, 氵 as 水 4", "木: initial j"},
                      Working{"勋", "勳", 16, "力 2 + 14", "金: initial x"},
                      Working{"钟", "鍾", 17, "金 8 + 9", "金: radical 钅 (金)"}));

/// The verses of classics.tsv as the index saw them: each sentence once, at its first place, with its source.
struct ScannedVerse {
    std::string work, title, author, text;
    std::u32string codePoints;
};

std::vector<ScannedVerse> scanClassics() {
    std::ifstream in(NAMEWRIGHT_CLASSICS);
    std::string line;
    std::getline(in, line);
    std::vector<ScannedVerse> out;
    std::unordered_set<std::string> seen;
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
            fields.push_back(line.substr(start, tab - start));
        }
        fields.push_back(line.substr(start));
        std::size_t from = 0;
        while (from <= fields[4].size()) {
            const auto bar = std::min(fields[4].find('|', from), fields[4].size());
            auto verse = fields[4].substr(from, bar - from);
            if (seen.insert(verse).second) {
                out.push_back({fields[0], fields[1], fields[2], verse, decodeUtf8(verse)});
            }
            from = bar + 1;
        }
    }
    return out;
}

TEST(ShippedKnowledge, VersesOfPairsAreThoseAPlainScanFinds) {
    const auto verses = scanClassics();
    ASSERT_GT(verses.size(), 300000U);
    const auto first = charactersOf("word1");
    const auto second = charactersOf("word2");
    std::vector<std::pair<std::string, std::string>> pairs{{"思", "远"}, {"浩", "然"}, {"子", "涵"}, {"晓", "雪"},
                                                           {"婷", "婷"}, {"梓", "涵"}, {"雨", "泽"}};
    std::mt19937 random(20240607);
    for (int i = 0; i < 16; ++i) {
        pairs.emplace_back(first[random() % first.size()], second[random() % second.size()]);
    }
    for (const auto& [a, b] : pairs) {
        const char32_t ca = decodeUtf8(a)[0];
        const char32_t cb = decodeUtf8(b)[0];
        std::vector<std::string> sameLine, sameCouplet;
        for (const auto& verse : verses) {
            const auto match = matchOf(verse.codePoints, ca, cb);
            (match == VerseMatch::SameLine ? sameLine : sameCouplet).push_back(verse.text);
            if (match == VerseMatch::None) {
                sameCouplet.pop_back();
            }
            if (sameLine.size() >= 3) {
                break;
            }
        }
        sameLine.insert(sameLine.end(), sameCouplet.begin(), sameCouplet.end());
        sameLine.resize(std::min<std::size_t>(sameLine.size(), 3));
        std::vector<std::string> found;
        for (const auto& verse : shipped().verses(a, b)) {
            found.push_back(verse.text);
        }
        EXPECT_EQ(found, sameLine) << a << b;
        EXPECT_EQ(shipped().hasVerse(ca, cb), !sameLine.empty()) << a << b;
    }
}

TEST(ShippedKnowledge, VerseCarriesItsSource) {
    const auto verses = shipped().verses("思", "远");
    ASSERT_FALSE(verses.empty());
    EXPECT_EQ(verses[0], (Verse{"诗经", "国风·鄘风·载驰", "佚名", "先秦", "视尔不臧，我思不远。"}));
}

TEST(ShippedKnowledge, DescribeLinesOfFanTong) {
    EXPECT_EQ(cli::describedNameLines(describeName(shipped(), "范", "统")),
              (std::vector<std::string>{
                  "pinyin\tfàn tǒng", "tones\t4 3", "warning\t谐音：范统 ≈ 饭桶（fàn tǒng，可笑）", "char\t范",
                  "traditional\t范", "strokes\t11 (艸 6 + 5, 艹 as 艸 6)", "element\t木: radical 艹 (艸)", "level\t1",
                  "char\t统", "traditional\t統", "strokes\t12 (糸 6 + 6)", "element\t火: initial t", "level\t1"}));
}

TEST(ShippedKnowledge, WellKnownUnfortunateNamesAreHeard) {
    for (const auto& [family, given, word] :
         std::vector<std::tuple<const char*, const char*, const char*>>{{"杜", "子腾", "肚子疼"},
                                                                        {"史", "珍香", "屎真香"},
                                                                        {"朱", "逸群", "猪一群"},
                                                                        {"杨", "伟", "阳痿"},
                                                                        {"吴", "仁耀", "无人要"},
                                                                        {"魏", "生津", "卫生巾"},
                                                                        {"庞", "光", "膀胱"},
                                                                        {"范", "剑", "犯贱"}}) {
        bool heard = false;
        for (const auto& warning : shipped().soundWarnings(family, given)) {
            heard = heard || warning.soundsLike == word;
        }
        EXPECT_TRUE(heard) << family << given;
    }
}

TEST(ShippedKnowledge, ShortlistColumnsAgreeWithTheFullChecks) {
    const auto first = charactersOf("word1");
    const auto second = charactersOf("word2");
    std::mt19937 random(7);
    for (const char* family : {"李", "王", "张", "范", "杜", "尉迟", "曾"}) {
        const FamilyKnowledgeFlags columns(shipped(), family);
        for (int i = 0; i < 3000; ++i) {
            const auto& a = first[random() % first.size()];
            const auto given = i % 5 == 0 ? a : a + second[random() % second.size()];
            EXPECT_EQ(columns.flags(given).noSoundWarning, shipped().soundWarnings(family, given).empty())
                << family << given;
        }
    }
}

} // namespace
} // namespace namewright
