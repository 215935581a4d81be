// Tests of the verse index on a handmade archive: tools/make_knowledge_db builds a knowledge file from a few poems and
// a few name characters, and the knowledge base reads back the ranked verses of a pair and its class.

#include "knowledge/KnowledgeBase.h"

#include "support/Files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace namewright {
namespace {

namespace fs = std::filesystem;

/// The poems, in the order of the classics: work, title, author, dynasty, famous, echoes (how often later poems quote
/// each verse of a famous text), verses.
const char* const kClassics = "work\ttitle\tauthor\tdynasty\tfamous\techoes\tverses\n"
                              "诗经\t郑风·野有蔓草\t佚名\t先秦\t1\t0|0\t有美一人，清扬婉兮。|邂逅相遇，适我愿兮。\n"
                              "诗经\t小雅·某篇\t佚名\t先秦\t1\t0\t我思其人，道之远矣。\n"
                              "唐诗\t早诗\t甲\t唐\t0\t\t婵影在，娟娟。|婵娟千里明。|思君在远方。\n"
                              "唐诗\t宫怨\t戊\t唐\t1\t0\t早被婵娟误。\n"
                              "唐诗\t中诗\t乙\t唐\t0\t\t婵娟照客愁。|千里婵娟共此时。|清风扬远波。\n"
                              "唐诗\t晚诗\t丙\t唐\t0\t\t明德惟馨。|婵娟在水湄。|婵娟入梦来。\n"
                              "唐诗\t名诗\t丁\t唐\t1\t0\t明德惟馨。\n"
                              "宋词\t水调歌头\t苏轼\t宋\t1\t0|2\t明月几时有。|但愿人长久，千里共婵娟。\n";

class HandmadeVerseIndex : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_folder = fs::temp_directory_path() / ("verse_index_test_" + std::to_string(::getpid()));
        fs::create_directories(s_folder / "knowledge");
        std::string characters = "zi\tpinyin\tsyllable\ttone\treadings\tlevel\ttraditional\tradical\tradical_form\t"
                                 "radical_strokes\tresidual\tstrokes\trule\tworking\telement\telement_reason\n";
        for (const char* zi : {"婵", "娟", "千", "里", "思", "远", "清", "扬", "明", "德"}) {
            characters += std::string(zi) + "\tā\ta\t1\tā\t1\t" + zi + "\t85\t水\t4\t3\t7\treduced\t水 4 + 3\t水\t水\n";
        }
        testing::writeFile(s_folder / "knowledge" / "characters.tsv", characters);
        testing::writeFile(s_folder / "knowledge" / "surnames.tsv", "family\tpinyin\tsyllables\tnote\n");
        testing::writeFile(s_folder / "knowledge" / "unfortunate_words.tsv", "word\tpinyin\tsyllables\tkind\tnote\n");
        testing::writeFile(s_folder / "knowledge" / "character_meanings.tsv", "zi\ttone\ttier\tgloss\n");
        testing::writeFile(s_folder / "knowledge" / "everyday_words.tsv", "word\tkind\tnote\n");
        testing::writeFile(s_folder / "knowledge" / "place_characters.tsv", "zi\tplace\tnote\n");
        testing::writeFile(s_folder / "word1.tsv", "ID\tzi\tbh\tyongtu\txb\n1\t婵\t15\t金\t女\n2\t千\t3\t金\t\n"
                                                   "3\t思\t9\t金\t\n4\t清\t12\t金\t\n5\t明\t8\t火\t\n");
        testing::writeFile(s_folder / "word2.tsv", "ID\tzi\tbh\tyongtu\txb\n1\t娟\t10\t木\t女\n2\t里\t7\t火\t\n"
                                                   "3\t远\t17\t土\t\n4\t扬\t13\t土\t\n5\t德\t15\t火\t\n");
        testing::writeFile(s_folder / "classics.tsv", kClassics);
        s_status = build(s_folder / "classics.tsv", s_folder / "characters.db");
    }
    static void TearDownTestSuite() { fs::remove_all(s_folder); }

    static int build(const fs::path& classics, const fs::path& output) {
        const std::string command =
            std::string("'") + NAMEWRIGHT_MAKE_KNOWLEDGE_DB + "' '" + NAMEWRIGHT_KNOWLEDGE_SCHEMA_FILE + "' '" +
            output.string() + "' '" + (s_folder / "knowledge").string() + "' '" + classics.string() + "' '" +
            (s_folder / "word1.tsv").string() + "' '" + (s_folder / "word2.tsv").string() + "' 2>/dev/null";
        return std::system(command.c_str());
    }

    void SetUp() override {
        ASSERT_EQ(s_status, 0);
        m_knowledge = KnowledgeBase::open(s_folder / "characters.db");
        ASSERT_TRUE(m_knowledge.isAvailable()) << m_knowledge.failure();
    }

    std::vector<std::string> texts(const char* first, const char* second) const {
        std::vector<std::string> out;
        for (const auto& verse : m_knowledge.verses(first, second)) {
            out.push_back(verse.text);
        }
        return out;
    }

    static inline fs::path s_folder;
    static inline int s_status = -1;
    KnowledgeBase m_knowledge;
};

TEST_F(HandmadeVerseIndex, SideBySideInAFamousPoemFirstThenSideBySideThenTheRestAtMostFive) {
    // 婵娟: side by side in famous poems first, the quoted 宋词 before the unquoted 唐诗 that comes earlier in the
    // order of the classics; then the obscure 唐诗 lines in that order. The fourth obscure line side by side and the
    // line holding 婵 and 娟 only across its lines are not kept.
    EXPECT_EQ(texts("婵", "娟"), (std::vector<std::string>{"但愿人长久，千里共婵娟。", "早被婵娟误。", "婵娟千里明。",
                                                           "婵娟照客愁。", "千里婵娟共此时。"}));
    EXPECT_EQ(m_knowledge.versesPerPair(), 5);
}

TEST_F(HandmadeVerseIndex, FamousPoemBeforeObscureOnesWhenNoneHasThePairSideBySide) {
    // 思远: across the lines of the 诗经 (famous) before in one line of an obscure 唐诗.
    EXPECT_EQ(texts("思", "远"), (std::vector<std::string>{"我思其人，道之远矣。", "思君在远方。"}));
}

TEST_F(HandmadeVerseIndex, RepeatedVerseIsShownFromItsFamousPoem) {
    const auto verses = m_knowledge.verses("明", "德");
    ASSERT_EQ(verses.size(), 1U);
    EXPECT_EQ(verses[0], (Verse{"唐诗", "名诗", "丁", "唐", "明德惟馨。"}));
}

TEST_F(HandmadeVerseIndex, ClassOfEveryPairFromTheIndex) {
    EXPECT_EQ(m_knowledge.verseClass(U'婵', U'娟'), VerseClass::SideBySideFamous);
    EXPECT_EQ(m_knowledge.verseClass(U'清', U'扬'), VerseClass::SideBySideFamous); // 诗经
    EXPECT_EQ(m_knowledge.verseClass(U'千', U'里'), VerseClass::SideBySideFamous); // 千里共婵娟
    EXPECT_EQ(m_knowledge.verseClass(U'明', U'德'), VerseClass::SideBySideFamous);
    EXPECT_EQ(m_knowledge.verseClass(U'思', U'远'), VerseClass::InAVerse);
    EXPECT_EQ(m_knowledge.verseClass(U'清', U'远'), VerseClass::InAVerse); // 清风扬远波
    EXPECT_EQ(m_knowledge.verseClass(U'婵', U'里'), VerseClass::InAVerse);
    EXPECT_EQ(m_knowledge.verseClass(U'千', U'娟'), VerseClass::InAVerse); // in one line of a famous poem
    EXPECT_EQ(m_knowledge.verseClass(U'明', U'里'), VerseClass::None);
    EXPECT_EQ(m_knowledge.verseClass(U'娟', U'婵'), VerseClass::None); // 娟 is no first character
    EXPECT_EQ(m_knowledge.verseClass(U'统', U'娟'), VerseClass::None); // not indexed
    for (const char32_t first : std::u32string(U"婵千思清明")) {
        for (const char32_t second : std::u32string(U"娟里远扬德")) {
            const auto& a = m_knowledge.compact(first);
            const auto& b = m_knowledge.compact(second);
            EXPECT_EQ(m_knowledge.verseClassAt(a.firstIndex, b.secondIndex), m_knowledge.verseClass(first, second));
            EXPECT_EQ(m_knowledge.hasVerse(first, second), m_knowledge.verseClass(first, second) != VerseClass::None);
            EXPECT_EQ(m_knowledge.hasVerse(first, second), !m_knowledge.verses(first, second).empty());
        }
    }
}

TEST_F(HandmadeVerseIndex, ArchiveOfAnotherLayoutIsRefused) {
    const auto old = s_folder / "old_classics.tsv";
    testing::writeFile(old, "work\ttitle\tauthor\tdynasty\tverses\n诗经\t关雎\t佚名\t先秦\t关关雎鸠，在河之洲。\n");
    EXPECT_NE(build(old, s_folder / "refused.db"), 0);
    EXPECT_FALSE(fs::exists(s_folder / "refused.db"));
    const char* const header = "work\ttitle\tauthor\tdynasty\tfamous\techoes\tverses\n";
    for (const char* row :
         {"诗经\t关雎\t佚名\t先秦\tyes\t\t关关雎鸠。\n", "诗经\t关雎\t佚名\t先秦\t1\t1|2\t关关雎鸠。\n",
          "诗经\t关雎\t佚名\t先秦\t1\t-1\t关关雎鸠。\n", "诗经\t关雎\t佚名\t先秦\t1\tx\t关关雎鸠。\n"}) {
        const auto damaged = s_folder / "damaged_classics.tsv";
        testing::writeFile(damaged, std::string(header) + row);
        EXPECT_NE(build(damaged, s_folder / "refused.db"), 0) << row;
        EXPECT_FALSE(fs::exists(s_folder / "refused.db")) << row;
    }
}

} // namespace
} // namespace namewright
