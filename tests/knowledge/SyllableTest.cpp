// Tests of the syllable parts the sound checks compare (initial, final, rhyme), of the numbered syllables the
// knowledge file stores, of UTF-8 decoding and of the verse ranking rule.

#include "knowledge/Syllable.h"
#include "knowledge/VerseMatch.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace namewright {
namespace {

struct SyllableParts {
    const char* letters;
    const char* initial;
    const char* final;
    const char* rhyme;
};

class SyllablePartsTest : public ::testing::TestWithParam<SyllableParts> {};

TEST_P(SyllablePartsTest, SplitsIntoInitialFinalAndRhyme) {
    const auto& p = GetParam();
    EXPECT_EQ(initialOf(p.letters), p.initial) << p.letters;
    EXPECT_EQ(finalOf(p.letters), p.final) << p.letters;
    EXPECT_EQ(rhymeOf(p.letters), p.rhyme) << p.letters;
}

// The pinyin scheme's spelling rules: y and w spell finals, u after j q x y is ü, zhi's i is apical.
INSTANTIATE_TEST_SUITE_P(Pinyin, SyllablePartsTest,
                         ::testing::Values(SyllableParts{"zhang", "zh", "ang", "ang"},
                                           SyllableParts{"chuang", "ch", "uang", "ang"},
                                           SyllableParts{"shi", "sh", "-i", "-i"}, SyllableParts{"ji", "j", "i", "i"},
                                           SyllableParts{"ju", "j", "v", "v"}, SyllableParts{"xue", "x", "ve", "e"},
                                           SyllableParts{"lv", "l", "v", "v"}, SyllableParts{"yan", "", "ian", "an"},
                                           SyllableParts{"yu", "", "v", "v"}, SyllableParts{"yuan", "", "van", "an"},
                                           SyllableParts{"you", "", "iu", "ou"}, SyllableParts{"liu", "l", "iu", "ou"},
                                           SyllableParts{"wei", "", "ui", "ei"}, SyllableParts{"gui", "g", "ui", "ei"},
                                           SyllableParts{"wen", "", "un", "en"}, SyllableParts{"wu", "", "u", "u"},
                                           SyllableParts{"ying", "", "ing", "ing"}, SyllableParts{"an", "", "an", "an"},
                                           SyllableParts{"er", "", "er", "er"}, SyllableParts{"ng", "", "ng", "ng"},
                                           SyllableParts{"yun", "", "vn", "vn"},
                                           SyllableParts{"huai", "h", "uai", "ai"}));

TEST(NumberedSyllable, ParsesLettersAndTone) {
    EXPECT_EQ(parseNumberedSyllable("zhong1"), (Syllable{"zhong", 1}));
    EXPECT_EQ(parseNumberedSyllable("de5"), (Syllable{"de", 5}));
    EXPECT_EQ(parseNumberedSyllable("lv4"), (Syllable{"lv", 4}));
}

TEST(NumberedSyllable, RefusesAnythingElse) {
    for (const char* bad : {"", "a", "zhong", "zhong6", "zhong0", "Zhong1", "zhōng1", "zh ong1"}) {
        EXPECT_FALSE(parseNumberedSyllable(bad)) << bad;
    }
}

TEST(DisplayLetters, WritesVAsUmlaut) {
    EXPECT_EQ(displayLetters("lve"), "lüe");
}

TEST(Utf8, DecodesAndEncodesEveryLength) {
    const std::string text = "a\u00e9\u6c5f\U00020000";
    EXPECT_EQ(decodeUtf8(text), std::u32string(U"a\u00e9\u6c5f\U00020000"));
    std::string back;
    for (const char32_t c : decodeUtf8(text)) {
        appendUtf8(back, c);
    }
    EXPECT_EQ(back, text);
}

TEST(Utf8, MalformedBytesReadAsReplacementOneByOne) {
    EXPECT_EQ(decodeUtf8("\xE6\xB1"), std::u32string(U"\uFFFD\uFFFD"));           // truncated
    EXPECT_EQ(decodeUtf8("\x80z"), std::u32string(U"\uFFFDz"));                   // stray continuation
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), std::u32string(U"\uFFFD\uFFFD"));           // overlong
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), std::u32string(U"\uFFFD\uFFFD\uFFFD")); // surrogate
    EXPECT_EQ(utf8Of(0xD800), "\xEF\xBF\xBD");
}

TEST(VerseMatch, PairSideBySideInNameOrder) {
    EXPECT_EQ(matchOf(U"无思远人，劳心忉忉。", U'思', U'远'), VerseMatch::SideBySide);
    EXPECT_EQ(matchOf(U"但愿人长久，千里共婵娟。", U'婵', U'娟'), VerseMatch::SideBySide);
}

TEST(VerseMatch, PairInOneLineInNameOrder) {
    EXPECT_EQ(matchOf(U"视尔不臧，我思不远。", U'思', U'远'), VerseMatch::SameLine);
}

TEST(VerseMatch, PairAcrossTheLinesOfACouplet) {
    EXPECT_EQ(matchOf(U"关关雎鸠，在河之洲。", U'关', U'洲'), VerseMatch::SameCouplet);
    // A line break between them is no side by side.
    EXPECT_EQ(matchOf(U"我思，远人。", U'思', U'远'), VerseMatch::SameCouplet);
}

TEST(VerseMatch, OtherOrderDoesNotCount) {
    EXPECT_EQ(matchOf(U"在河之洲，关关雎鸠。", U'洲', U'河'), VerseMatch::None);
    EXPECT_EQ(matchOf(U"远思", U'思', U'远'), VerseMatch::None);
}

TEST(VerseMatch, BestPlaceWinsWhenThePairOccursTwice) {
    EXPECT_EQ(matchOf(U"思君，远思远。", U'思', U'远'), VerseMatch::SideBySide);
    EXPECT_EQ(matchOf(U"思君，远思不远。", U'思', U'远'), VerseMatch::SameLine);
    EXPECT_EQ(matchOf(U"思君远，远思。", U'思', U'远'), VerseMatch::SameLine); // not lowered by the later 远
    EXPECT_EQ(matchOf(U"思，思远。", U'思', U'远'), VerseMatch::SideBySide);
}

TEST(VerseMatch, DoubledCharacterNeedsTwoOccurrences) {
    EXPECT_EQ(matchOf(U"玉颜婷婷阶下立。", U'婷', U'婷'), VerseMatch::SideBySide);
    EXPECT_EQ(matchOf(U"婷立婷。", U'婷', U'婷'), VerseMatch::SameLine);
    EXPECT_EQ(matchOf(U"婷，婷。", U'婷', U'婷'), VerseMatch::SameCouplet);
    EXPECT_EQ(matchOf(U"花样腰身婷。", U'婷', U'婷'), VerseMatch::None);
}

} // namespace
} // namespace namewright
