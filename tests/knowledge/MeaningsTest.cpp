// What each character means, the everyday words and the place characters, read from a small knowledge file: every
// accessor of the knowledge base for listed and unlisted characters, and the files refused for bad meaning rows.

#include "cli/KeyValueLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/KnowledgeSeal.h"
#include "knowledge/NameDescription.h"

#include "support/SmallKnowledgeFile.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;

class Meanings : public ::testing::Test {
protected:
    SmallKnowledgeFile m_file;
    KnowledgeBase m_knowledge = KnowledgeBase::open(m_file.path());
};

TEST_F(Meanings, CharacterKnowledgeHoldsGlossToneAndTier) {
    ASSERT_TRUE(m_knowledge.isAvailable()) << m_knowledge.failure();
    const auto* si = m_knowledge.character(U'思');
    ASSERT_NE(si, nullptr);
    EXPECT_EQ(si->gloss, "想念；思考（思念）");
    EXPECT_EQ(si->meaningTone, MeaningTone::Positive);
    EXPECT_EQ(si->nameTier, 1);
    const auto* bing = m_knowledge.character(U'病');
    ASSERT_NE(bing, nullptr);
    EXPECT_EQ(bing->meaningTone, MeaningTone::Negative);
    EXPECT_EQ(bing->nameTier, 3);
    // A character of the file without a meaning row: no gloss, no tone, no tier.
    const auto* li = m_knowledge.character(U'丽');
    ASSERT_NE(li, nullptr);
    EXPECT_TRUE(li->gloss.empty());
    EXPECT_EQ(li->meaningTone, MeaningTone::Unknown);
    EXPECT_EQ(li->nameTier, 0);
}

TEST_F(Meanings, FastLookupsAgreeWithTheCharacterRecords) {
    for (const char32_t c : std::u32string(U"范统李丽思远曾单尉迟婧钰治标沪病杭州")) {
        const auto* k = m_knowledge.character(c);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(m_knowledge.nameTier(c), k->nameTier);
        EXPECT_EQ(m_knowledge.meaningTone(c), k->meaningTone);
    }
    EXPECT_EQ(m_knowledge.nameTier(U'远'), 2);
    EXPECT_EQ(m_knowledge.nameTier(U'钰'), 3);
    EXPECT_EQ(m_knowledge.meaningTone(U'治'), MeaningTone::Neutral);
    // Family only: a tone, no tier.
    EXPECT_EQ(m_knowledge.nameTier(U'李'), 0);
    EXPECT_EQ(m_knowledge.meaningTone(U'李'), MeaningTone::Neutral);
}

TEST_F(Meanings, UnknownCharactersHaveNoMeaning) {
    for (const char32_t c : {U'张', U'a', char32_t{0}, char32_t{0x4DFF}, char32_t{0xA000}, char32_t{0x10FFFF}}) {
        EXPECT_EQ(m_knowledge.nameTier(c), 0);
        EXPECT_EQ(m_knowledge.meaningTone(c), MeaningTone::Unknown);
        EXPECT_FALSE(m_knowledge.isPlaceCharacter(c));
        EXPECT_FALSE(m_knowledge.isEverydayWord(c, U'标'));
        EXPECT_FALSE(m_knowledge.isEverydayWord(U'治', c));
    }
}

TEST_F(Meanings, EverydayWordsAndPlaceNamesAreOrderedPairsOfTheirKind) {
    EXPECT_TRUE(m_knowledge.isEverydayWord(U'治', U'标'));
    EXPECT_FALSE(m_knowledge.isEverydayWord(U'标', U'治'));
    EXPECT_FALSE(m_knowledge.isPlaceName(U'治', U'标'));
    EXPECT_TRUE(m_knowledge.isPlaceName(U'杭', U'州'));
    EXPECT_FALSE(m_knowledge.isEverydayWord(U'杭', U'州'));
    EXPECT_FALSE(m_knowledge.isPlaceName(U'州', U'杭'));
    EXPECT_TRUE(m_knowledge.isPlaceCharacter(U'沪'));
    EXPECT_FALSE(m_knowledge.isPlaceCharacter(U'杭'));
}

TEST_F(Meanings, DescriptionAndDescribeLinesCarryEachCharactersMeaning) {
    const NameDescription description = describeName(m_knowledge, "李", "思丽");
    ASSERT_EQ(description.characters.size(), 3U);
    EXPECT_EQ(description.characters[0].gloss, "李树（桃李）");
    EXPECT_EQ(description.characters[0].meaningTone, MeaningTone::Neutral);
    EXPECT_EQ(description.characters[1].meaningTone, MeaningTone::Positive);
    EXPECT_TRUE(description.characters[2].gloss.empty());
    // The meaning line closes each character's lines, the family character's too; 丽 has none.
    EXPECT_EQ(cli::describedNameLines(description), (std::vector<std::string>{"pinyin\tlǐ sī lì",
                                                                              "tones\t3 1 4",
                                                                              "warning\t与姓同音：丽（lì）≈ 李（lǐ）",
                                                                              "char\t李",
                                                                              "traditional\t李",
                                                                              "strokes\t7（水 4 + 3，氵按水计 4）",
                                                                              "element\t水：部首氵（水）",
                                                                              "level\t1",
                                                                              "meaning\t李\t中\t李树（桃李）",
                                                                              "char\t思",
                                                                              "traditional\t思",
                                                                              "strokes\t7（水 4 + 3，氵按水计 4）",
                                                                              "element\t水：部首氵（水）",
                                                                              "level\t1",
                                                                              "meaning\t思\t褒\t想念；思考（思念）",
                                                                              "char\t丽",
                                                                              "traditional\t丽",
                                                                              "strokes\t7（水 4 + 3，氵按水计 4）",
                                                                              "element\t水：部首氵（水）",
                                                                              "level\t1"}));
}

TEST(MeaningsUnavailable, AnUnavailableFileKnowsNoMeaning) {
    const KnowledgeBase none;
    EXPECT_EQ(none.nameTier(U'思'), 0);
    EXPECT_EQ(none.meaningTone(U'思'), MeaningTone::Unknown);
    EXPECT_FALSE(none.isEverydayWord(U'治', U'标'));
    EXPECT_FALSE(none.isPlaceName(U'杭', U'州'));
    EXPECT_FALSE(none.isPlaceCharacter(U'沪'));
}

TEST(MeaningsRefused, BadMeaningRowsRefuseTheFile) {
    const std::vector<std::pair<std::string, std::string>> damages{
        {"UPDATE character_meanings SET tone = '好' WHERE zi = '思'", "bad meaning tone"},
        {"UPDATE character_meanings SET tier = 4 WHERE zi = '思'", "bad meaning row"},
        {"UPDATE character_meanings SET tier = -1 WHERE zi = '思'", "bad meaning row"},
        {"UPDATE character_meanings SET zi = '思远' WHERE zi = '思'", "bad character in character_meanings"},
        {"INSERT INTO character_meanings (zi, tone, tier, gloss) VALUES ('张', '中', 0, '张开（开张）')",
         "a meaning of a character the file lacks"},
        {"UPDATE everyday_words SET word = '治' WHERE word = '治标'", "bad everyday word"},
        {"UPDATE everyday_words SET kind = '名' WHERE word = '治标'", "bad everyday word"},
        {"UPDATE place_characters SET zi = 'a'", "bad character in place_characters"},
    };
    // Sealed again after the change, as a faulty build would have sealed it: the checks of the content itself.
    for (const auto& [sql, failure] : damages) {
        SmallKnowledgeFile file;
        SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE).exec(sql);
        sealKnowledgeFile(file.path());
        const auto knowledge = KnowledgeBase::open(file.path());
        EXPECT_FALSE(knowledge.isAvailable()) << sql;
        EXPECT_NE(knowledge.failure().find(failure), std::string::npos) << sql << ": " << knowledge.failure();
        EXPECT_EQ(knowledge.nameTier(U'思'), 0);
    }
}

TEST(MeaningsRefused, AMeaningRowChangedAfterSealingFailsItsChecksum) {
    SmallKnowledgeFile file;
    SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE character_meanings SET tone = '褒' WHERE zi = '病'");
    const auto knowledge = KnowledgeBase::open(file.path());
    EXPECT_FALSE(knowledge.isAvailable());
    EXPECT_NE(knowledge.failure().find("character_meanings fails its checksum (病)"), std::string::npos)
        << knowledge.failure();
}

} // namespace
} // namespace namewright
