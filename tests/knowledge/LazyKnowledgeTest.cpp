// A knowledge file opened lazily (its characters read one row at a time when asked for) answers every lookup a
// description needs as a whole open does, refuses at opening what it reads whole, and finds a damaged character row
// when it reads it.

#include "cli/KeyValueLines.h"
#include "cli/RecommendLines.h"
#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "text/Utf8.h"

#include "support/Files.h"
#include "support/SmallKnowledgeFile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;
using Loading = KnowledgeBase::Loading;

/// Everything describe prints of a name, and the facts the 推荐 terms and the shortlist take of its characters.
std::vector<std::string> answers(const KnowledgeBase& knowledge, const std::string& family, const std::string& given) {
    std::vector<std::string> out = cli::describedNameLines(describeName(knowledge, family, given));
    const auto recommend = cli::recommendLines(knowledge, family, given, nullptr);
    out.insert(out.end(), recommend.begin(), recommend.end());
    for (const char32_t c : decodeUtf8(family + given)) {
        const auto& compact = knowledge.compact(c);
        const auto unit = knowledge.unitOf(knowledge.character(c) ? knowledge.character(c)->syllable : Syllable{}, c);
        // Syllable numbers follow the order syllables were registered in, which differs: only whether one is known.
        out.push_back(utf8Of(c) + " unit " + std::to_string(static_cast<int>(compact.unit.syllable != 0)) + "/" +
                      std::to_string(compact.unit.tone) + " found " +
                      std::to_string(static_cast<int>(unit.syllable != 0)) + " level " +
                      std::to_string(compact.commonLevel) + " verse places " + std::to_string(compact.firstIndex) +
                      "," + std::to_string(compact.secondIndex) + " tier " + std::to_string(knowledge.nameTier(c)) +
                      " tone " + std::to_string(static_cast<int>(knowledge.meaningTone(c))) + " place " +
                      std::to_string(static_cast<int>(knowledge.isPlaceCharacter(c))));
    }
    for (const auto& warning : knowledge.soundWarnings(family, given)) {
        out.push_back("warning " + warning.text);
    }
    return out;
}

const std::vector<std::pair<std::string, std::string>> kSampleNames{
    {"曾", "思远"}, {"尉迟", "婧钰"}, {"单", "治标"}, {"李", "杭州"}, {"范", "统"},
    {"曾", "曾"},   {"王", "思"},     {"李", "㐀远"}, {"范", "沪病"}, {"丽", "丽丽"},
};

TEST(LazyKnowledge, AnswersAsTheWholeOpenForASampleOfNames) {
    // A compound family name, polyphonic family readings (曾 zēng, 单 shàn), verses, an everyday word and a place
    // name, a family character as a given one, an unknown family character and an unknown given one.
    const SmallKnowledgeFile file;
    const KnowledgeBase whole = KnowledgeBase::open(file.path());
    ASSERT_TRUE(whole.isAvailable()) << whole.failure();
    for (const auto& [family, given] : kSampleNames) {
        // A fresh lazy open a name, so that no character is read before the name asks for it.
        const KnowledgeBase lazy = KnowledgeBase::open(file.path(), Loading::Lazy);
        ASSERT_TRUE(lazy.isAvailable()) << lazy.failure();
        EXPECT_EQ(answers(lazy, family, given), answers(whole, family, given)) << family << given;
        EXPECT_EQ(lazy.damage(), "");
    }
    const KnowledgeBase lazy = KnowledgeBase::open(file.path(), Loading::Lazy);
    ASSERT_NE(lazy.character("曾"), nullptr);
    EXPECT_EQ(lazy.character("曾")->pinyin, whole.character("曾")->pinyin) << "a name reading beside the family one";
    EXPECT_EQ(lazy.readName("曾", "")[0].pinyin, "zēng");
    EXPECT_EQ(lazy.character("王"), nullptr);
    EXPECT_EQ(lazy.character("ab"), nullptr);
    EXPECT_EQ(lazy.character(U'曾'), lazy.character("曾")) << "read once, kept";
}

TEST(LazyKnowledge, ADamagedCharacterRowIsRefusedWhenReadAndSaidAsAWholeOpenSaysIt) {
    const SmallKnowledgeFile file;
    ASSERT_TRUE(testing::flipBitInFile(file.path(), "jìng"));
    const std::string refusal = KnowledgeBase::open(file.path()).failure();
    ASSERT_EQ(refusal, "a row of characters fails its checksum (婧)");

    const KnowledgeBase lazy = KnowledgeBase::open(file.path(), Loading::Lazy);
    ASSERT_TRUE(lazy.isAvailable()) << "the row is not read at opening: " << lazy.failure();
    ASSERT_NE(lazy.character("思"), nullptr);
    EXPECT_EQ(lazy.damage(), "") << "a sound row is no damage";
    EXPECT_EQ(lazy.character("婧"), nullptr) << "never jìnf";
    EXPECT_EQ(lazy.damage(), refusal);
    EXPECT_EQ(lazy.character("婧"), nullptr) << "asked again";
}

TEST(LazyKnowledge, RefusesAtOpeningWhatItReadsWhole) {
    // The family readings, the unfortunate words and the verse index are read whole, with their digests.
    for (const auto& [bytes, table] : {std::pair{"zeng1", "surnames"}, std::pair{"fan4 tong3", "unfortunate_words"},
                                       std::pair{"思统", "verse_index"}}) {
        const SmallKnowledgeFile file;
        ASSERT_TRUE(testing::flipBitInFile(file.path(), bytes)) << bytes;
        const KnowledgeBase lazy = KnowledgeBase::open(file.path(), Loading::Lazy);
        EXPECT_FALSE(lazy.isAvailable()) << bytes;
        EXPECT_EQ(lazy.failure().find(std::string("a row of ") + table + " fails its checksum"), 0U) << lazy.failure();
        EXPECT_EQ(lazy.character("婧"), nullptr);
    }
    EXPECT_EQ(KnowledgeBase::open("/nonexistent/characters.db", Loading::Lazy).failure(), "no such file");
}

} // namespace
} // namespace namewright
