#include "text/GbkText.h"

#include <gtest/gtest.h>

#include <string>

namespace namewright {
namespace {

TEST(GbkWidth, CountsAsciiAsOneAndEveryOtherCharacterAsTwo) {
    EXPECT_EQ(gbkWidth(""), 0U);
    EXPECT_EQ(gbkWidth("ab"), 2U);
    EXPECT_EQ(gbkWidth("李"), 2U);
    EXPECT_EQ(gbkWidth("李哉栋"), 6U);
    EXPECT_EQ(gbkWidth("a李1 "), 5U);
    EXPECT_EQ(gbkWidth("é"), 2U);          // two UTF-8 bytes, still one non-ASCII character
    EXPECT_EQ(gbkWidth("\U0001F600"), 2U); // four UTF-8 bytes
}

TEST(GbkWidth, TreatsEachMalformedByteAsOneWideCharacter) {
    EXPECT_EQ(gbkWidth("\xE6\x9D"), 4U);     // truncated 3-byte sequence: two stray bytes
    EXPECT_EQ(gbkWidth("\x80"), 2U);         // lone continuation byte
    EXPECT_EQ(gbkWidth("\xC0\xAF"), 4U);     // overlong form of '/'
    EXPECT_EQ(gbkWidth("\xED\xA0\x80"), 6U); // encoded surrogate
    EXPECT_EQ(gbkWidth("a\xFF李"), 5U);
    EXPECT_EQ(characterCount("\xE6\x9D李"), 3U);
}

TEST(GbkPrefix, NeverSplitsACharacter) {
    EXPECT_EQ(gbkPrefix("李明", 2), "李");
    EXPECT_EQ(gbkPrefix("李明", 3), "李");
    EXPECT_EQ(gbkPrefix("李明", 4), "李明");
    EXPECT_EQ(gbkPrefix("李明", 100), "李明");
    EXPECT_EQ(gbkPrefix("ab李", 3), "ab");
    EXPECT_EQ(gbkPrefix("a李b", 3), "a李");
    EXPECT_EQ(gbkPrefix("李", 1), "");
    EXPECT_EQ(gbkPrefix("李", 0), "");
    EXPECT_EQ(gbkPrefix("", 2), "");
}

TEST(GbkPrefix, KeepsMalformedBytesWhole) {
    EXPECT_EQ(gbkPrefix("\xFF\xFE", 2), "\xFF");
    EXPECT_EQ(gbkPrefix("\xE6\x9D\xE6", 3), "\xE6");
}

TEST(GbkSlice, CutsByBytePositionsAndDropsStraddlingCharacters) {
    const std::string pillars = "庚寅年 戊寅月 乙未日 庚辰时";
    ASSERT_EQ(gbkWidth(pillars), 27U);
    EXPECT_EQ(gbkSlice(pillars, 0, 4), "庚寅");
    EXPECT_EQ(gbkSlice(pillars, 7, 4), "戊寅");
    EXPECT_EQ(gbkSlice(pillars, 14, 4), "乙未");
    EXPECT_EQ(gbkSlice(pillars, 21, 4), "庚辰");
    EXPECT_EQ(gbkSlice("李明", 1, 4), "明"); // 李 straddles the start
    EXPECT_EQ(gbkSlice("李明", 0, 3), "李"); // 明 straddles the end
    EXPECT_EQ(gbkSlice("李明", 10, 2), "");
}

TEST(CharacterCount, CountsCharactersNotBytes) {
    EXPECT_EQ(characterCount(""), 0U);
    EXPECT_EQ(characterCount("李哉栋"), 3U);
    EXPECT_EQ(characterCount("ab李"), 3U);
}

} // namespace
} // namespace namewright

#include "text/WholeNumber.h"

namespace namewright {
namespace {

TEST(WholeNumberOrZero, ReadsDecimalWholeNumbers) {
    EXPECT_EQ(wholeNumberOrZero("2011"), 2011);
    EXPECT_EQ(wholeNumberOrZero(" 7 "), 7);
    EXPECT_EQ(wholeNumberOrZero("-3"), -3);
    EXPECT_EQ(wholeNumberOrZero("+5"), 5);
    EXPECT_EQ(wholeNumberOrZero("007"), 7);
}

TEST(WholeNumberOrZero, AnythingElseIsZero) {
    for (const char* text : {"", " ", "12a", "a12", "1.5", "1 2", "+-1", "--1", "+", "-", "９５", "99999999999"}) {
        EXPECT_EQ(wholeNumberOrZero(text), 0) << text;
    }
}

} // namespace
} // namespace namewright
