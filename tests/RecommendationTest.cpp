// The 推荐 value: its terms, its clipping, the bottom place of an ill-sensed character, the presets, and the order it
// gives the shortlist.

#include "shortlist/Recommendation.h"
#include "shortlist/Shortlist.h"
#include "support/SyntheticStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace namewright {
namespace {

RecommendCharacter plain(int tier, int level) {
    RecommendCharacter c;
    c.known = true;
    c.nameTier = tier;
    c.commonLevel = level;
    return c;
}

RecommendInputs goodName() {
    RecommendInputs in;
    in.score = 100;
    in.characters = {plain(1, 1), plain(1, 1)};
    in.verse = VerseClass::SideBySideFamous;
    return in;
}

int pointsOf(const Recommendation& r, RecommendTerm term) {
    const auto found =
        std::find_if(r.parts.begin(), r.parts.end(), [term](const RecommendPart& p) { return p.term == term; });
    return found == r.parts.end() ? 0 : found->points;
}

TEST(Recommendation, ThePartsAddUpToTheValueFromTheBase) {
    const RecommendWeights w;
    RecommendInputs in = goodName();
    in.score = 90;
    in.characters[1] = plain(3, 2);
    in.sound = SoundChecker::Strength::Other;
    in.favourable = true;
    const Recommendation r = recommend(w, in);
    const int sum = std::accumulate(r.parts.begin(), r.parts.end(), w.base,
                                    [](int total, const RecommendPart& p) { return total + p.points; });
    EXPECT_EQ(r.value, clipRecommendValue(sum));
    EXPECT_EQ(pointsOf(r, RecommendTerm::Score), w.score / 2);
    EXPECT_EQ(pointsOf(r, RecommendTerm::NameTier), w.nameTierMuch / 2 - w.nameTierRare / 2);
    EXPECT_EQ(pointsOf(r, RecommendTerm::CommonLevel), -w.commonLevel2 / 2);
    EXPECT_EQ(pointsOf(r, RecommendTerm::Sound), -w.soundOther);
    EXPECT_EQ(pointsOf(r, RecommendTerm::Favourable), w.favourable);
    EXPECT_EQ(pointsOf(r, RecommendTerm::SolarFavourable), 0);
    EXPECT_FALSE(r.bottom);
}

TEST(Recommendation, EachDrawbackLowersTheValueAndAHomophoneMost) {
    const RecommendWeights w;
    const int good = recommend(w, goodName()).value;
    const auto with = [&](auto change) {
        RecommendInputs in = goodName();
        change(in);
        return recommend(w, in).value;
    };
    const int level2 = with([](RecommendInputs& in) { in.characters[0].commonLevel = 2; });
    const int rare = with([](RecommendInputs& in) { in.characters[0].commonLevel = 3; });
    const int tier3 = with([](RecommendInputs& in) { in.characters[1].nameTier = 3; });
    const int other = with([](RecommendInputs& in) { in.sound = SoundChecker::Strength::Other; });
    const int homophone = with([](RecommendInputs& in) { in.sound = SoundChecker::Strength::SoundsLikeWord; });
    const int word = with([](RecommendInputs& in) { in.wordLike = true; });
    const int place = with([](RecommendInputs& in) { in.characters[1].placeCharacter = true; });
    const int noVerse = with([](RecommendInputs& in) { in.verse = VerseClass::None; });
    for (const int worse : {level2, rare, tier3, other, homophone, word, place, noVerse}) {
        EXPECT_LT(worse, good);
    }
    EXPECT_LT(rare, level2);
    EXPECT_LT(homophone, other);
    EXPECT_LE(homophone, std::min({level2, tier3, word, place, noVerse}));
}

TEST(Recommendation, AFamousVerseCountsMoreThanASideBySideOneMoreThanALine) {
    for (const RecommendPreset preset : kRecommendPresets) {
        const RecommendWeights w = recommendWeights(preset);
        EXPECT_GT(versePoints(w, VerseClass::SideBySideFamous), versePoints(w, VerseClass::SideBySide));
        EXPECT_GT(versePoints(w, VerseClass::SideBySide), versePoints(w, VerseClass::InAVerse));
        EXPECT_GT(versePoints(w, VerseClass::InAVerse), versePoints(w, VerseClass::None));
    }
}

TEST(Recommendation, AnIllSensedCharacterSortsBelowEveryOtherName) {
    RecommendInputs ill = goodName();
    ill.characters[1].negative = true;
    const Recommendation r = recommend(RecommendWeights{}, ill);
    EXPECT_TRUE(r.bottom);
    RecommendInputs worst;
    worst.score = 0;
    worst.characters = {plain(3, 3), plain(3, 3)};
    worst.sound = SoundChecker::Strength::SoundsLikeWord;
    worst.wordLike = true;
    const Recommendation clipped = recommend(RecommendWeights{}, worst);
    EXPECT_EQ(clipped.value, 0);
    EXPECT_LT(recommendKey(r.value, r.bottom), recommendKey(clipped.value, clipped.bottom));
}

TEST(Recommendation, ValuesStayWithinZeroToHundredUnderEveryPreset) {
    for (const RecommendPreset preset : kRecommendPresets) {
        const RecommendWeights w = recommendWeights(preset);
        RecommendInputs best = goodName();
        best.characters[0].positive = best.characters[1].positive = true;
        best.favourable = best.solarFavourable = true;
        EXPECT_EQ(recommend(w, best).value, 100) << recommendPresetName(preset);
        EXPECT_GE(recommend(w, RecommendInputs{}).value, 0);
    }
}

TEST(Recommendation, ALoneCharacterCountsTwiceAndHasNoPairTerms) {
    const RecommendWeights w;
    RecommendInputs one = goodName();
    one.twoCharacters = false;
    one.characters[1] = plain(3, 3); // not read
    one.wordLike = true;             // no pair
    const Recommendation r = recommend(w, one);
    EXPECT_EQ(pointsOf(r, RecommendTerm::NameTier), 2 * (w.nameTierMuch / 2));
    EXPECT_EQ(pointsOf(r, RecommendTerm::Verse), 0);
    EXPECT_EQ(pointsOf(r, RecommendTerm::WordLike), 0);
}

TEST(Recommendation, WithoutKnowledgeOnlyTheScoreAndTheElementsCount) {
    RecommendInputs in;
    in.score = 95;
    in.solarFavourable = true;
    const Recommendation r = recommend(RecommendWeights{}, in);
    ASSERT_EQ(r.parts.size(), 2U);
    EXPECT_EQ(r.parts[0].term, RecommendTerm::Score);
    EXPECT_EQ(r.parts[1].term, RecommendTerm::SolarFavourable);
}

TEST(RecommendPresets, HaveTheirNamesAndDiffer) {
    EXPECT_EQ(recommendPresetName(RecommendPreset::Balanced), "均衡");
    EXPECT_EQ(recommendPresetOfName("重五格"), RecommendPreset::FiveGrids);
    EXPECT_EQ(recommendPresetOfName("重字义读音"), RecommendPreset::MeaningAndSound);
    EXPECT_EQ(recommendPresetOfName("均"), std::nullopt);
    EXPECT_EQ(recommendWeights(RecommendPreset::Balanced), RecommendWeights{});
    EXPECT_GT(recommendWeights(RecommendPreset::FiveGrids).score, RecommendWeights{}.score);
    EXPECT_LT(recommendWeights(RecommendPreset::MeaningAndSound).score, RecommendWeights{}.score);
}

TEST(ShortlistRecommended, WithoutKnowledgeOrdersByScoreAndElementsAndFollowsTheWeights) {
    testing::SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 3000, 20, 20, 0.2, 5);
    ShortlistSources sources;
    sources.missingElements = ElementSet{Element::Water};
    Shortlist shortlist(s.store, sources);
    shortlist.refresh();
    shortlist.sort(ShortlistColumn::Recommended, true);
    ASSERT_GT(shortlist.size(), 10U);
    const auto valueAt = [&](std::size_t i) {
        const StoredName& row = s.store.row(shortlist.firstRowAt(i));
        RecommendInputs in;
        in.score = row.score;
        in.twoCharacters = !row.isOneCharacter();
        in.favourable = row.givenElements.intersects(ElementSet{Element::Water});
        return recommend(shortlist.facts().recommender().weights(), in).value;
    };
    for (std::size_t i = 0; i < shortlist.size(); ++i) {
        EXPECT_EQ(shortlist.factsAt(i).recommended, valueAt(i));
        EXPECT_EQ(shortlist.recommendationAt(i).value, valueAt(i));
        if (i > 0) {
            EXPECT_GE(valueAt(i - 1), valueAt(i));
        }
    }
    // The parent's own elements take the place of the chart's, and a weight change re-sorts.
    shortlist.setOwnFavourable(ElementSet{Element::Metal});
    RecommendWeights w;
    w.favourable = 90;
    shortlist.setRecommendWeights(w);
    const StoredName& first = s.store.row(shortlist.firstRowAt(0));
    EXPECT_TRUE(first.givenElements.contains(Element::Metal));
    EXPECT_EQ(shortlist.sortColumn(), ShortlistColumn::Recommended);
}

} // namespace
} // namespace namewright
