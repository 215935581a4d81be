// Tests of the knowledge file reader on small knowledge files built here: readings of family and given names,
// verses, the shortlist columns and the describe lines; and a knowledge file that is missing, foreign or damaged.

#include "knowledge/KnowledgeBase.h"
#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeSeal.h"
#include "knowledge/NameDescription.h"
#include "shortlist/FamilyKnowledgeFlags.h"

#include "support/Files.h"
#include "support/SmallKnowledgeFile.h"
#include "support/TempDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;
using testing::TempPath;

class KnowledgeFile : public ::testing::Test {
protected:
    SmallKnowledgeFile m_file;
    KnowledgeBase m_knowledge = KnowledgeBase::open(m_file.path());
};

TEST_F(KnowledgeFile, OpensAndKnowsItsCharacters) {
    ASSERT_TRUE(m_knowledge.isAvailable()) << m_knowledge.failure();
    const auto* k = m_knowledge.character("范");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->pinyin, "fàn");
    EXPECT_EQ(k->syllable, (Syllable{"fan", 4}));
    EXPECT_EQ(k->rule, StrokeRule::Reduced);
    EXPECT_EQ(m_knowledge.character(U'范'), k);
    EXPECT_EQ(m_knowledge.character("张"), nullptr);
    EXPECT_EQ(m_knowledge.character("范统"), nullptr);
    EXPECT_EQ(m_knowledge.character(U'a'), nullptr);
}

TEST_F(KnowledgeFile, FamilyCharacterReadsByTheFamilyNameTable) {
    const auto name = m_knowledge.readName("曾", "曾");
    ASSERT_EQ(name.size(), 2U);
    EXPECT_EQ(name[0].pinyin, "zēng");
    EXPECT_TRUE(name[0].isFamily);
    EXPECT_EQ(name[1].pinyin, "céng");
    EXPECT_FALSE(name[1].isFamily);
}

TEST_F(KnowledgeFile, CompoundFamilyNameReadsWhole) {
    const auto name = m_knowledge.readName("尉迟", "思");
    ASSERT_EQ(name.size(), 3U);
    EXPECT_EQ(name[0].pinyin, "yù");
    EXPECT_EQ(name[1].pinyin, "chí");
}

TEST_F(KnowledgeFile, DoubleFamilyNameReadsEachCharacterAsAFamilyCharacter) {
    const auto name = m_knowledge.readName("单曾", "");
    ASSERT_EQ(name.size(), 2U);
    EXPECT_EQ(name[0].pinyin, "shàn");
    EXPECT_EQ(name[1].pinyin, "zēng");
}

TEST_F(KnowledgeFile, UnknownCharacterReadsEmpty) {
    const auto name = m_knowledge.readName("张", "\xff");
    ASSERT_EQ(name.size(), 2U);
    EXPECT_TRUE(name[0].pinyin.empty());
    EXPECT_EQ(name[1].character, "\uFFFD");
}

TEST_F(KnowledgeFile, VersesOfAnIndexedPairBestFirst) {
    const auto verses = m_knowledge.verses("思", "远");
    ASSERT_EQ(verses.size(), 2U);
    EXPECT_EQ(verses[0], (Verse{"诗经", "国风·鄘风·载驰", "佚名", "先秦", "视尔不臧，我思不远。"}));
    EXPECT_EQ(verses[1].text, "无思远人，劳心忉忉。");
    EXPECT_TRUE(m_knowledge.hasVerse(U'思', U'远'));
    EXPECT_EQ(m_knowledge.verseClass(U'思', U'远'), VerseClass::SideBySideFamous);
    EXPECT_FALSE(m_knowledge.hasVerse(U'远', U'思'));
    EXPECT_EQ(m_knowledge.verseClass(U'远', U'思'), VerseClass::None);
    EXPECT_FALSE(m_knowledge.hasVerse(U'统', U'丽'));
    EXPECT_TRUE(m_knowledge.verses("统", "丽").empty());
    EXPECT_TRUE(m_knowledge.verses("范", "统").empty());
    EXPECT_EQ(m_knowledge.versesPerPair(), 3);
}

TEST_F(KnowledgeFile, DescribeLinesOfAName) {
    EXPECT_EQ(
        cli::describedNameLines(describeName(m_knowledge, "范", "统")),
        (std::vector<std::string>{"pinyin\tfàn tǒng", "tones\t4 3", "warning\t谐音：范统 ≈ 饭桶（fàn tǒng，可笑）",
                                  "char\t范", "traditional\t范", "strokes\t7（水 4 + 3，氵按水计 4）",
                                  "element\t水：部首氵（水）", "level\t1", "char\t统", "traditional\t统",
                                  "strokes\t7（水 4 + 3，氵按水计 4）", "element\t水：部首氵（水）", "level\t1"}));
}

TEST_F(KnowledgeFile, FamilyCharacterShowsTheElementOfItsFamilyReading) {
    const auto elementLines = [this](std::string_view family, std::string_view given) {
        std::vector<std::string> out;
        for (const DescribedCharacter& c : describeName(m_knowledge, family, given).characters) {
            out.push_back(c.elementReason);
        }
        return out;
    };
    // 单 as the family name reads shàn (金); as a given name dān, with the character's own element.
    EXPECT_EQ(elementLines("单", "单"), (std::vector<std::string>{"金：声母 sh（姓读 shàn）", "水：部首氵（水）"}));
    // The second character of a double family name is a family character too; one without a family element (李)
    // keeps its own.
    EXPECT_EQ(elementLines("单李", "思"),
              (std::vector<std::string>{"金：声母 sh（姓读 shàn）", "水：部首氵（水）", "水：部首氵（水）"}));
    const auto* dan = m_knowledge.character("单");
    ASSERT_NE(dan, nullptr);
    EXPECT_EQ(dan->familyElement, "金");
    EXPECT_EQ(dan->glyphStrokes, 6);
    EXPECT_TRUE(m_knowledge.character("李")->familyElement.empty());
}

TEST_F(KnowledgeFile, UnknownLevelIsNamedInChinese) {
    SQLite::Database db(m_file.path().string(), SQLite::OPEN_READWRITE);
    db.exec("UPDATE characters SET level = 0 WHERE zi = '思'");
    sealKnowledgeFile(m_file.path());
    const KnowledgeBase knowledge = KnowledgeBase::open(m_file.path());
    const auto lines = cli::describedNameLines(describeName(knowledge, "李", "思"));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "level\t表外"), lines.end());
}

TEST_F(KnowledgeFile, DescribeLinesEndWithTheVersesAndMarkUnknownCharacters) {
    const auto lines = cli::describedNameLines(describeName(m_knowledge, "张", "思远"));
    EXPECT_EQ(lines[0], "pinyin\t? sī yuǎn");
    EXPECT_EQ(lines[1], "tones\t? 1 3");
    EXPECT_EQ(lines[2], "char\t张");
    EXPECT_EQ(lines[3], "char\t思");
    EXPECT_EQ(lines[lines.size() - 2], "verse\t诗经\t国风·鄘风·载驰\t佚名\t视尔不臧，我思不远。");
    EXPECT_EQ(lines.back(), "verse\t诗经\t国风·齐风·甫田\t佚名\t无思远人，劳心忉忉。");
}

TEST_F(KnowledgeFile, DescriptionHoldsTheValuesTheLinesAreWrittenFrom) {
    const NameDescription fanTong = describeName(m_knowledge, "范", "统");
    ASSERT_TRUE(fanTong.available);
    ASSERT_EQ(fanTong.readings.size(), 2U);
    EXPECT_TRUE(fanTong.readings[0].isFamily);
    EXPECT_EQ(fanTong.readings[1].syllable.tone, 3);
    ASSERT_EQ(fanTong.soundWarnings.size(), 1U);
    EXPECT_EQ(fanTong.soundWarnings[0].soundsLike, "饭桶");
    ASSERT_EQ(fanTong.characters.size(), 2U);
    EXPECT_EQ(fanTong.characters[1], (DescribedCharacter{"统", true, "统", 7, "水 4 + 3，氵按水计 4",
                                                         "水：部首氵（水）", 1, "", MeaningTone::Unknown}));
    EXPECT_TRUE(fanTong.verses.empty());

    const NameDescription zhang = describeName(m_knowledge, "张", "思远");
    EXPECT_EQ(zhang.characters[0], (DescribedCharacter{"张", false, "", 0, "", "", 0, "", MeaningTone::Unknown}));
    EXPECT_EQ(zhang.pinyinText(), "? sī yuǎn");
    EXPECT_EQ(zhang.tonesText(), "? 1 3");
    EXPECT_EQ(zhang.verses, m_knowledge.verses("思", "远"));
    EXPECT_EQ(zhang.verses.size(), 2U);
}

TEST_F(KnowledgeFile, ShortlistColumnsOfGivenNames) {
    const FamilyKnowledgeFlags li(m_knowledge, "李");
    EXPECT_EQ(li.flags("思远"), (KnowledgeFlags{true, true, true, true}));
    EXPECT_EQ(li.flags("丽"), (KnowledgeFlags{true, false, false, true}));   // sounds like the family name
    EXPECT_EQ(li.flags("婧钰"), (KnowledgeFlags{true, true, false, false})); // 钰 is of level 3
    EXPECT_EQ(li.flags("婧"), (KnowledgeFlags{true, true, false, true}));
    EXPECT_EQ(li.flags("张"), (KnowledgeFlags{true, true, false, false})); // unknown: not common, no rule
    EXPECT_EQ(li.flags(""), (KnowledgeFlags{true, false, false, false}));
    EXPECT_EQ(li.flags("思远思"), (KnowledgeFlags{true, false, false, false}));
    EXPECT_EQ(li.pinyin("思远"), "lǐ sī yuǎn");
    EXPECT_EQ(FamilyKnowledgeFlags(m_knowledge, "范").flags("统").noSoundWarning, false);
    EXPECT_EQ(FamilyKnowledgeFlags(m_knowledge, "曾").pinyin("张"), "zēng ?");
}

TEST_F(KnowledgeFile, TheOrderReadsTheHeaviestWarningAndTheVerseClassOfAPair) {
    using Strength = SoundChecker::Strength;
    const FamilyKnowledgeFlags li(m_knowledge, "李");
    EXPECT_EQ(li.soundStrength(U'思', U'远'), Strength::None);
    EXPECT_EQ(li.soundStrength(U'丽', 0), Strength::Other); // sounds like the family name
    EXPECT_EQ(FamilyKnowledgeFlags(m_knowledge, "范").soundStrength(U'统', 0), Strength::SoundsLikeWord);
    EXPECT_EQ(li.verseClass(U'思', U'远'), m_knowledge.verseClass(U'思', U'远'));
    EXPECT_NE(li.verseClass(U'思', U'远'), VerseClass::None);
    EXPECT_EQ(li.verseClass(U'思', 0), VerseClass::None);
    EXPECT_EQ(FamilyKnowledgeFlags(KnowledgeBase{}, "范").soundStrength(U'统', 0), Strength::None);
}

TEST_F(KnowledgeFile, CopiesShareTheLoadedFile) {
    const KnowledgeBase copy = m_knowledge;
    EXPECT_EQ(copy.character("范"), m_knowledge.character("范"));
}

void expectUnavailable(const KnowledgeBase& knowledge, const std::string& failure) {
    EXPECT_FALSE(knowledge.isAvailable());
    EXPECT_NE(knowledge.failure().find(failure), std::string::npos) << knowledge.failure();
    EXPECT_EQ(knowledge.character("范"), nullptr);
    EXPECT_TRUE(knowledge.readName("范", "统")[0].pinyin.empty());
    EXPECT_TRUE(knowledge.soundWarnings("范", "统").empty());
    EXPECT_TRUE(knowledge.verses("思", "远").empty());
    EXPECT_FALSE(knowledge.hasVerse(U'思', U'远'));
    EXPECT_EQ(knowledge.verseClass(U'思', U'远'), VerseClass::None);
    EXPECT_EQ(knowledge.verseClassAt(0, 0), VerseClass::None);
    EXPECT_EQ(cli::describedNameLines(describeName(knowledge, "范", "统")),
              std::vector<std::string>{"knowledge\tunavailable"});
    EXPECT_FALSE(describeName(knowledge, "范", "统").available);
    const FamilyKnowledgeFlags columns(knowledge, "范");
    EXPECT_FALSE(columns.isAvailable());
    EXPECT_EQ(columns.flags("统"), KnowledgeFlags{});
    EXPECT_EQ(columns.pinyin("统"), "");
}

TEST(KnowledgeFileRefused, MissingFile) {
    expectUnavailable(KnowledgeBase::open("/nonexistent/characters.db"), "no such file");
    expectUnavailable(KnowledgeBase{}, "");
}

TEST(KnowledgeFileRefused, FolderInsteadOfAFile) {
    expectUnavailable(KnowledgeBase::open(std::filesystem::temp_directory_path()), "no such file");
}

TEST(KnowledgeFileRefused, FileThatIsNoDatabase) {
    TempPath path(".db");
    testing::writeFile(path.path(), std::string(4096, 'x'));
    expectUnavailable(KnowledgeBase::open(path.path()), "not a database");
}

TEST(KnowledgeFileRefused, ForeignSqliteFile) {
    testing::TempDatabase namingDatabase; // a hun.mdb schema, no knowledge tables
    expectUnavailable(KnowledgeBase::open(namingDatabase.path()), "no such table");
}

TEST(KnowledgeFileRefused, OtherFormatNumber) {
    // Format 1 had no checksums, no other tones of the words and no verse classes: a file of an older build is
    // refused whole by its number, not read unchecked or half read.
    SmallKnowledgeFile file;
    SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE meta SET value = '1' WHERE key = 'format'");
    sealKnowledgeFile(file.path());
    expectUnavailable(KnowledgeBase::open(file.path()), "format");
}

TEST(KnowledgeFileRefused, DamagedRows) {
    const std::vector<std::pair<std::string, std::string>> damages{
        {"UPDATE characters SET zi = '范统' WHERE zi = '范'", "bad character row"},
        {"UPDATE characters SET tone = 9 WHERE zi = '范'", "bad reading"},
        {"UPDATE characters SET rule = 'guess' WHERE zi = '范'", "bad stroke rule"},
        {"UPDATE unfortunate_words SET syllables = 'fan4'", "bad unfortunate word"},
        {"UPDATE surnames SET syllables = 'zeng' WHERE family = '曾'", "bad syllable"},
        {"UPDATE verse_index SET classes = x'0102'", "bad verse index"},
        {"DELETE FROM characters", "no characters"},
        {"DELETE FROM verse_index", "no verse index"},
    };
    // Sealed again after the change, as a faulty build would have sealed it: the checks of the content itself.
    for (const auto& [sql, failure] : damages) {
        SmallKnowledgeFile file;
        SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE).exec(sql);
        sealKnowledgeFile(file.path());
        expectUnavailable(KnowledgeBase::open(file.path()), failure);
    }
}

TEST(KnowledgeFileRefused, TruncatedFile) {
    SmallKnowledgeFile file;
    std::filesystem::resize_file(file.path(), 2048);
    expectUnavailable(KnowledgeBase::open(file.path()), "");
}

TEST(KnowledgeFileLocation, BesideTheNamingDatabase) {
    EXPECT_EQ(KnowledgeBase::besideNamingDatabase("/opt/nw/hun.mdb"), std::filesystem::path("/opt/nw/characters.db"));
}

} // namespace
} // namespace namewright
