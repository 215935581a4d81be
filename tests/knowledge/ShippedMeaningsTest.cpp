// The meanings of the shipped knowledge file: every given-name character of hun.mdb's word1 and word2 has a gloss, a
// tone and a tier; the few 贬 characters are the ones a parent would avoid; 治标 is an everyday word, 杭州 a place
// name and 沪 a place character.

#include "knowledge/KnowledgeBase.h"
#include "text/Utf8.h"

#include "db/NamingDatabase.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

namespace namewright {
namespace {

const KnowledgeBase& shippedMeanings() {
    static const KnowledgeBase knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    return knowledge;
}

/// The distinct characters of the `zi` column of a shipped table.
std::u32string nameCharactersOf(const char* table) {
    auto db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    std::u32string out;
    for (const auto& row : db.listTable(table).rows) {
        const auto* zi = std::get_if<std::string>(&row[1]);
        const auto decoded = zi ? decodeUtf8(*zi) : std::u32string();
        if (decoded.size() == 1 && out.find(decoded[0]) == std::u32string::npos) {
            out += decoded[0];
        }
    }
    return out;
}

TEST(ShippedMeanings, EveryGivenNameCharacterHasGlossToneAndTier) {
    ASSERT_TRUE(shippedMeanings().isAvailable()) << shippedMeanings().failure();
    std::map<int, int> tiers;
    std::map<MeaningTone, int> tones;
    for (const char* table : {"word1", "word2"}) {
        const auto characters = nameCharactersOf(table);
        ASSERT_GT(characters.size(), 500U) << table;
        for (const char32_t c : characters) {
            const auto* k = shippedMeanings().character(c);
            ASSERT_NE(k, nullptr) << utf8Of(c);
            EXPECT_FALSE(k->gloss.empty()) << utf8Of(c);
            EXPECT_LE(decodeUtf8(k->gloss).size(), 24U) << k->gloss;
            EXPECT_NE(k->gloss.find(utf8Of(c)), std::string::npos) << "the example holds the character: " << k->gloss;
            EXPECT_NE(k->meaningTone, MeaningTone::Unknown) << utf8Of(c);
            EXPECT_GE(k->nameTier, 1) << utf8Of(c);
            EXPECT_EQ(shippedMeanings().nameTier(c), k->nameTier);
            EXPECT_EQ(shippedMeanings().meaningTone(c), k->meaningTone);
            tiers[k->nameTier] += 1;
            tones[k->meaningTone] += 1;
        }
    }
    // Each tier is used, and the much-used names are a minority of the characters.
    EXPECT_GT(tiers[1], 50);
    EXPECT_GT(tiers[3], tiers[1]);
    EXPECT_GT(tones[MeaningTone::Positive], tones[MeaningTone::Negative] * 20);
}

TEST(ShippedMeanings, SensesNobodyWishesAChildAreNegative) {
    for (const char32_t c : std::u32string(U"熊娣妃嫱")) {
        EXPECT_EQ(shippedMeanings().meaningTone(c), MeaningTone::Negative) << utf8Of(c);
    }
    // Family-only characters keep their sense as a word, but are no name characters.
    for (const char32_t c : std::u32string(U"刁仇危")) {
        EXPECT_EQ(shippedMeanings().meaningTone(c), MeaningTone::Negative) << utf8Of(c);
        EXPECT_EQ(shippedMeanings().nameTier(c), 0) << utf8Of(c);
    }
    for (const char32_t c : std::u32string(U"安思美德")) {
        EXPECT_EQ(shippedMeanings().meaningTone(c), MeaningTone::Positive) << utf8Of(c);
    }
}

TEST(ShippedMeanings, FamilyCharactersHaveAGlossButNoTier) {
    const auto* li = shippedMeanings().character(U'李');
    ASSERT_NE(li, nullptr);
    EXPECT_FALSE(li->gloss.empty());
    EXPECT_EQ(li->nameTier, 0);
}

TEST(ShippedMeanings, WordsAndPlacesThatReadAsNoName) {
    EXPECT_TRUE(shippedMeanings().isEverydayWord(U'治', U'标'));
    EXPECT_FALSE(shippedMeanings().isEverydayWord(U'标', U'治'));
    EXPECT_TRUE(shippedMeanings().isPlaceName(U'北', U'京'));
    EXPECT_FALSE(shippedMeanings().isEverydayWord(U'北', U'京'));
    EXPECT_TRUE(shippedMeanings().isPlaceCharacter(U'沪'));
    EXPECT_EQ(shippedMeanings().nameTier(U'沪'), 3);
    // Ordinary given names are neither.
    EXPECT_FALSE(shippedMeanings().isEverydayWord(U'思', U'远'));
    EXPECT_FALSE(shippedMeanings().isPlaceCharacter(U'京'));
}

} // namespace
} // namespace namewright
