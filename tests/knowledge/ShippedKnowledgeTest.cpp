// Tests of the shipped knowledge file characters.db against the shipped hun.mdb and the verses it was built from:
// readings of polyphonic family names and of name characters, the stroke working and element of every character
// against `word`, the verse index against a plain scan of the classics (and no verse an editor's note), the famous line
// of a name first, the describe lines of a known name, and the shortlist columns against the full sound checks.
// (tools/make_knowledge.py --check, a test of its own, keeps the committed tables equal to their generator's output.)

#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "knowledge/VerseMatch.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "text/Utf8.h"

#include "db/NamingDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <unordered_map>
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
    EXPECT_GE(shipped().soundChecker().words().size(), 3000U);
    EXPECT_EQ(shipped().versesPerPair(), 5);
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
                      FamilyReading{"肖", "xiāo"}, FamilyReading{"张", "zhāng"}, FamilyReading{"李", "lǐ"},
                      FamilyReading{"罗", "luó"}, FamilyReading{"葛", "gě"}, FamilyReading{"卜", "bǔ"},
                      FamilyReading{"干", "gān"}, FamilyReading{"於", "yū"}, FamilyReading{"卓", "zhuó"},
                      FamilyReading{"蔚", "yù"}, FamilyReading{"能", "nài"}, FamilyReading{"太叔", "tài shū"}));

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
    ::testing::Values(
        GivenReading{"朝", "zhāo"}, GivenReading{"长", "cháng"}, GivenReading{"乐", "lè"}, GivenReading{"曾", "zēng"},
        GivenReading{"单", "dān"}, GivenReading{"为", "wéi"}, GivenReading{"兴", "xīng"}, GivenReading{"莞", "wǎn"},
        GivenReading{"靓", "liàng"}, GivenReading{"梓", "zǐ"}, GivenReading{"涵", "hán"}, GivenReading{"绿", "lǜ"},
        GivenReading{"嘉", "jiā"}, GivenReading{"若", "ruò"}, GivenReading{"恩", "ēn"}, GivenReading{"子", "zǐ"},
        GivenReading{"裳", "cháng"}, GivenReading{"卓", "zhuó"}, GivenReading{"绩", "jì"}, GivenReading{"甸", "diàn"},
        GivenReading{"珩", "héng"}, GivenReading{"澎", "péng"}, GivenReading{"焘", "tāo"}, GivenReading{"苕", "tiáo"},
        GivenReading{"迹", "jì"}, GivenReading{"茸", "róng"}, GivenReading{"驯", "xùn"}, GivenReading{"颇", "pō"}));

TEST(ShippedKnowledge, EveryWordCharacterIsKnownWithItsCountAndElement) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto word = db.listTable("word");
    ASSERT_EQ(word.rows.size(), 20902U);
    for (const auto& row : word.rows) {
        const auto zi = text(row[0]);
        const auto* k = shipped().character(zi);
        ASSERT_NE(k, nullptr) << zi;
        EXPECT_EQ(k->strokes, integer(row[1])) << zi;
        // `word` serves the family character: a family name's element follows its family reading.
        EXPECT_EQ(k->familyElement.empty() ? k->element : k->familyElement, text(row[2])) << zi;
        EXPECT_TRUE(k->elementReason.starts_with(k->element + "：")) << zi;
        EXPECT_TRUE(k->familyElement.empty() ? k->familyElementReason.empty()
                                             : k->familyElementReason.starts_with(k->familyElement + "："))
            << zi;
        EXPECT_TRUE(k->commonLevel >= 0 && k->commonLevel <= 3) << zi;
    }
}

TEST(ShippedKnowledge, GivenCharactersCarryTheElementOfTheirNameReading) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    for (const char* table : {"word1", "word2"}) {
        for (const auto& row : db.listTable(table).rows) {
            const auto* k = shipped().character(text(row[1]));
            ASSERT_NE(k, nullptr) << text(row[1]);
            EXPECT_EQ(k->element, text(row[3])) << table << ' ' << k->character;
        }
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
            EXPECT_EQ(k->rule == StrokeRule::Reduced,
                      k->working.find("按" + k->radicalForm + "计 " + std::to_string(k->radicalStrokes)) !=
                          std::string::npos)
                << k->character;
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
INSTANTIATE_TEST_SUITE_P(KnownCounts, ShippedWorkings,
                         ::testing::Values(Working{"江", "江", 7, "水 4 + 3，氵按水计 4", "水：部首氵（水）"},
                                           Working{"芳", "芳", 10, "艸 6 + 4，艹按艸计 6", "木：部首艹（艸）"},
                                           Working{"郑", "鄭", 19, "邑 7 + 12，右阝按邑计 7", "金：声母 zh"},
                                           Working{"誉", "譽", 21, "言 7 + 14", "土：声母 y"},
                                           Working{"阳", "陽", 17, "阜 8 + 9，左阝按阜计 8", "土：声母 y"},
                                           Working{"琳", "琳", 13, "玉 5 + 8，王按玉计 5", "火：声母 l"},
                                           Working{"王", "王", 4, "王为部首玉的变体单独成字，按本字计 4 画",
                                                   "土：声母 w"},
                                           Working{"三", "三", 3, "数字三按其值计 3", "金：声母 s"},
                                           Working{"净", "淨", 12, "水 4 + 8，氵按水计 4", "木：声母 j"},
                                           Working{"勋", "勳", 16, "力 2 + 14", "金：声母 x"},
                                           Working{"钟", "鍾", 17, "金 8 + 9", "金：部首钅（金）"},
                                           Working{"安", "安", 6, "宀 3 + 3", "土：无声母（ān）"}));

// The counts the dictionary's residual left one short of the glyph (露 is placed at 雨 + 12 but writes 雨 + 路 13).
INSTANTIATE_TEST_SUITE_P(
    RaisedToTheGlyph, ShippedWorkings,
    ::testing::Values(Working{"露", "露", 21, "雨 8 + 13，部首外按字形计，字典作 12", "水：部首雨"},
                      Working{"璐", "璐", 18, "玉 5 + 13，王按玉计 5，部首外按字形计，字典作 12", "火：声母 l"},
                      Working{"紫", "紫", 12, "糸 6 + 6，部首外按字形计，字典作 5", "金：声母 z"},
                      Working{"政", "政", 9, "攴 4 + 5，部首外按字形计，字典作 4", "金：声母 zh"},
                      Working{"斌", "斌", 12, "文 4 + 8，部首外按字形计，字典作 7", "水：声母 b"},
                      Working{"兴", "興", 16, "臼 6 + 10，部首外按字形计，字典作 9", "金：声母 x"}));

/// The verses of classics.tsv as the index saw them: each sentence once, at its first place, with its source (the
/// famous poem's where a later place is in one and the first is not) and how often later poems quote it.
struct ScannedVerse {
    std::string work, title, author, text;
    bool famous = false;
    int quoted = 0;
    std::u32string codePoints;
};

std::vector<std::string> fieldsOf(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = line.find(separator, start)) != std::string::npos; start = at + 1) {
        fields.push_back(line.substr(start, at - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::vector<ScannedVerse> scanClassics() {
    std::ifstream in(NAMEWRIGHT_CLASSICS);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "work\ttitle\tauthor\tdynasty\tfamous\techoes\tverses");
    std::vector<ScannedVerse> out;
    std::unordered_map<std::string, std::size_t> seen;
    while (std::getline(in, line)) {
        const auto fields = fieldsOf(line, '\t');
        const auto verses = fieldsOf(fields[6], '|');
        const auto echoes = fields[5].empty() ? std::vector<std::string>(verses.size(), "0") : fieldsOf(fields[5], '|');
        const bool famous = fields[4] == "1";
        for (std::size_t v = 0; v < verses.size(); ++v) {
            ScannedVerse verse{
                fields[0], fields[1], fields[2], verses[v], famous, std::stoi(echoes[v]), decodeUtf8(verses[v])};
            const auto [at, isNew] = seen.emplace(verses[v], out.size());
            if (isNew) {
                out.push_back(std::move(verse));
            } else if (famous && !out[at->second].famous) {
                out[at->second] = std::move(verse);
            }
        }
    }
    return out;
}

/// The rank of a verse for a pair (fewer is better): side by side before in one line before across lines, each in a
/// famous text first; -1 when the verse does not hold the pair.
int tierOf(const ScannedVerse& verse, char32_t first, char32_t second) {
    switch (matchOf(verse.codePoints, first, second)) {
    case VerseMatch::SideBySide:
        return verse.famous ? 0 : 1;
    case VerseMatch::SameLine:
        return verse.famous ? 2 : 4;
    case VerseMatch::SameCouplet:
        return verse.famous ? 3 : 5;
    case VerseMatch::None:
        break;
    }
    return -1;
}

TEST(ShippedKnowledge, VersesOfPairsAreThoseAPlainScanFinds) {
    const auto verses = scanClassics();
    ASSERT_GT(verses.size(), 300000U);
    const auto first = charactersOf("word1");
    const auto second = charactersOf("word2");
    std::vector<std::pair<std::string, std::string>> pairs{{"思", "远"}, {"浩", "然"}, {"子", "涵"}, {"晓", "雪"},
                                                           {"婷", "婷"}, {"梓", "涵"}, {"雨", "泽"}, {"婵", "娟"},
                                                           {"明", "德"}, {"清", "扬"}, {"子", "衿"}};
    std::mt19937 random(20240607);
    for (int i = 0; i < 16; ++i) {
        pairs.emplace_back(first[random() % first.size()], second[random() % second.size()]);
    }
    // The verses holding each character of the pairs, so that only those are matched.
    std::unordered_map<char32_t, std::vector<std::size_t>> holding;
    for (const auto& [a, b] : pairs) {
        holding.emplace(decodeUtf8(a)[0], std::vector<std::size_t>{});
        holding.emplace(decodeUtf8(b)[0], std::vector<std::size_t>{});
    }
    for (std::size_t i = 0; i < verses.size(); ++i) {
        for (const char32_t c : verses[i].codePoints) {
            if (const auto found = holding.find(c);
                found != holding.end() && (found->second.empty() || found->second.back() != i)) {
                found->second.push_back(i);
            }
        }
    }
    for (const auto& [a, b] : pairs) {
        const char32_t ca = decodeUtf8(a)[0];
        const char32_t cb = decodeUtf8(b)[0];
        std::vector<std::tuple<int, int, std::size_t>> ranked; // tier, quotations (negated), place
        for (const std::size_t i : holding.at(ca)) {
            if (const int tier = tierOf(verses[i], ca, cb); tier >= 0) {
                ranked.emplace_back(tier, -verses[i].quoted, i);
            }
        }
        std::sort(ranked.begin(), ranked.end());
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < std::min<std::size_t>(ranked.size(), 5); ++i) {
            expected.push_back(verses[std::get<2>(ranked[i])].text);
        }
        std::vector<std::string> found;
        for (const auto& verse : shipped().verses(a, b)) {
            found.push_back(verse.text);
        }
        EXPECT_EQ(found, expected) << a << b;
        const int best = ranked.empty() ? -1 : std::get<0>(ranked.front());
        const auto expectedClass = best < 0    ? VerseClass::None
                                   : best == 0 ? VerseClass::SideBySideFamous
                                   : best == 1 ? VerseClass::SideBySide
                                               : VerseClass::InAVerse;
        EXPECT_EQ(shipped().verseClass(ca, cb), expectedClass) << a << b;
        EXPECT_EQ(shipped().hasVerse(ca, cb), !expected.empty()) << a << b;
    }
}

TEST(ShippedKnowledge, VerseCarriesItsSource) {
    const auto verses = shipped().verses("思", "远");
    ASSERT_FALSE(verses.empty());
    EXPECT_EQ(verses[0], (Verse{"诗经", "国风·齐风·甫田", "佚名", "先秦", "无思远人，劳心忉忉。"}));
}

// The line a parent knows the name from comes first.
TEST(ShippedKnowledge, FamousLinesComeFirst) {
    for (const auto& [pair, work, author, text] :
         std::vector<std::tuple<const char*, const char*, const char*, const char*>>{
             {"婵娟", "宋词", "苏轼", "但愿人长久，千里共婵娟。"},
             {"浩然", "孟子", "孟子", "曰：我知言，我善养吾浩然之气。"},
             {"明德", "大学", "曾子", "大学之道，在明明德，在亲民，在止于至善。"},
             {"思齐", "论语", "孔子弟子", "子曰：见贤思齐焉，见不贤而内自省也。"},
             {"子衿", "诗经", "佚名", "青青子衿，悠悠我心。"},
             {"静姝", "诗经", "佚名", "静女其姝，俟我于城隅。"},
             {"清扬", "诗经", "佚名", "有美一人，清扬婉兮。"},
             {"修远", "楚辞", "屈原", "路漫漫其修远兮，吾将上下而求索。"},
             {"弘毅", "论语", "孔子弟子", "曾子曰：士不可以不弘毅，任重而道远。"},
             {"怀瑾", "楚辞", "屈原", "怀瑾握瑜兮，穷不知所示。"}}) {
        const auto characters = decodeUtf8(pair);
        const auto verses = shipped().verses(characters[0], characters[1]);
        ASSERT_FALSE(verses.empty()) << pair;
        EXPECT_EQ(verses[0].work, work) << pair;
        EXPECT_EQ(verses[0].author, author) << pair;
        EXPECT_EQ(verses[0].text, text) << pair;
    }
}

/// Why a verse of the archive is no verse line, or empty: an editor's mark or foreign character, words of an editor's
/// note, a single character, or an editors' text printed as a poem.
std::string notAVerseLine(const ScannedVerse& verse) {
    int han = 0;
    for (const char32_t c : verse.codePoints) {
        const bool isHan = (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
                           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFF);
        han += isHan;
        if (!isHan && std::u32string_view(U"，。！？；、：《》").find(c) == std::u32string_view::npos) {
            return "the mark " + utf8Of(c);
        }
    }
    if (han < 2) {
        return "a single character";
    }
    for (const char* words : {"按：", "又按", "今按", "全唐诗", "补编", "补逸", "见《", "据《", "录自", "辑自",
                              "以上各", "以上均", "》卷", "兹编", "原注", "校记", "底本"}) {
        if (verse.text.find(words) != std::string::npos) {
            return std::string("the note words ") + words;
        }
    }
    for (const char* editors : {"前言", "后记", "自序", "凡例"}) {
        if (verse.title == editors) {
            return std::string("the editors' text ") + editors;
        }
    }
    return verse.title.ends_with("考释") ? "an editors' essay" : "";
}

TEST(ShippedKnowledge, EveryVerseIsAVerseLineAndNoNote) {
    const auto verses = scanClassics();
    EXPECT_GT(verses.size(), 400000U);
    std::set<std::string> works;
    for (const auto& verse : verses) {
        EXPECT_EQ(notAVerseLine(verse), "") << verse.work << " " << verse.title << ": " << verse.text;
        works.insert(verse.work);
    }
    // The classics the index ranks by, as the archive holds them.
    EXPECT_EQ(works, (std::set<std::string>{"大学", "中庸", "论语", "孟子", "诗经", "楚辞", "唐诗", "宋词"}));
}

TEST(ShippedKnowledge, DescribeLinesOfFanTong) {
    EXPECT_EQ(cli::describedNameLines(describeName(shipped(), "范", "统")),
              (std::vector<std::string>{"pinyin\tfàn tǒng", "tones\t4 3",
                                        "warning\t谐音：范统 ≈ 饭桶（fàn tǒng，可笑）", "char\t范", "traditional\t范",
                                        "strokes\t11（艸 6 + 5，艹按艸计 6）", "element\t木：部首艹（艸）", "level\t1",
                                        "meaning\t范\t中\t模子；榜样，规范（模范）", "char\t统", "traditional\t統",
                                        "strokes\t12（糸 6 + 6）", "element\t火：声母 t", "level\t1"}));
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

TEST(ShippedKnowledge, ALazyOpenDescribesAsTheWholeOpen) {
    // Compound and polyphonic family names (尉迟, 曾 zēng, 单 shàn, 解 xiè), names with verses and sound warnings, a
    // character outside the file (𠀀) and random given names of word1 and word2 under a few families.
    std::vector<std::pair<std::string, std::string>> names{{"曾", "子涵"}, {"尉迟", "敬德"}, {"单", "雄信"},
                                                           {"解", "缙"},   {"范", "统"},     {"欧阳", "思远"},
                                                           {"李", "𠀀"},   {"𠀀", "明"},     {"杜", "子腾"}};
    const auto first = charactersOf("word1");
    const auto second = charactersOf("word2");
    std::mt19937 random(11);
    for (int i = 0; i < 200; ++i) {
        names.emplace_back(i % 2 == 0 ? "王" : "诸葛",
                           first[random() % first.size()] + second[random() % second.size()]);
    }
    const KnowledgeBase lazy = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE, KnowledgeBase::Loading::Lazy);
    ASSERT_TRUE(lazy.isAvailable()) << lazy.failure();
    for (const auto& [family, given] : names) {
        EXPECT_EQ(cli::describedNameLines(describeName(lazy, family, given)),
                  cli::describedNameLines(describeName(shipped(), family, given)))
            << family << given;
        const std::u32string characters = decodeUtf8(given);
        const char32_t b = characters.size() == 2 ? characters[1] : 0;
        EXPECT_EQ(FamilyKnowledgeFlags(lazy, family).soundStrength(characters[0], b),
                  FamilyKnowledgeFlags(shipped(), family).soundStrength(characters[0], b))
            << family << given;
    }
    EXPECT_EQ(lazy.damage(), "");
}

} // namespace
} // namespace namewright
