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

TEST(Recommendation, ALevelTwoCharacterMuchUsedInNamesLosesHalfAsMuch) {
    const RecommendWeights w;
    EXPECT_EQ(characterPoints(w, plain(2, 2)).commonLevel, -w.commonLevel2 / 2);
    EXPECT_EQ(characterPoints(w, plain(1, 2)).commonLevel, -w.commonLevel2 / 4);
    EXPECT_EQ(characterPoints(w, plain(3, 2)).commonLevel, -w.commonLevel2 / 2);
    // Outside levels 1-2 the tier does not soften the penalty.
    EXPECT_EQ(characterPoints(w, plain(1, 3)).commonLevel, -w.commonRare / 2);
    EXPECT_EQ(characterPoints(w, plain(1, 0)).commonLevel, -w.commonRare / 2);
}

TEST(Recommendation, ReasonsComeLargestFirstGainsBeforePenalties) {
    RecommendInputs in = goodName();
    in.sound = SoundChecker::Strength::Other;
    in.wordLike = true;
    in.characters[1] = plain(1, 2);
    const Recommendation r = recommend(RecommendWeights{}, in);
    const std::vector<RecommendPart> sorted = partsLargestFirst(r);
    ASSERT_EQ(sorted.size(), r.parts.size());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        EXPECT_GE(sorted[i - 1].points, sorted[i].points);
    }
    EXPECT_EQ(sorted.front().term, RecommendTerm::Score);   // +20
    EXPECT_EQ(sorted.back().term, RecommendTerm::WordLike); // -35
    EXPECT_TRUE(std::none_of(sorted.begin(), sorted.end(), [](const RecommendPart& p) { return p.points == 0; }));
    // Equal points keep the order of the terms.
    RecommendWeights w;
    w.favourable = 7;
    w.solarFavourable = 7;
    in.favourable = true;
    in.solarFavourable = true;
    const std::vector<RecommendPart> tied = partsLargestFirst(recommend(w, in));
    const auto at = [&](RecommendTerm t) {
        return std::find_if(tied.begin(), tied.end(), [t](const RecommendPart& p) { return p.term == t; });
    };
    EXPECT_LT(at(RecommendTerm::Favourable), at(RecommendTerm::SolarFavourable));
}

TEST(Recommendation, OnlyTheElementTermsNeedTheBirthMoment) {
    for (std::size_t i = 0; i <= static_cast<std::size_t>(RecommendTerm::PlaceCharacter); ++i) {
        const auto term = static_cast<RecommendTerm>(i);
        EXPECT_EQ(termNeedsMoment(term), term == RecommendTerm::Favourable || term == RecommendTerm::SolarFavourable);
        EXPECT_FALSE(recommendTermCaption(term).empty());
    }
}

TEST(RecommendPresets, EveryWeightHasOneFieldWithAKeyACaptionAndRoomForThePresets) {
    const auto fields = recommendWeightFields();
    RecommendWeights marked;
    int mark = 1;
    for (const RecommendWeightField& field : fields) {
        EXPECT_FALSE(field.key.empty());
        EXPECT_FALSE(field.caption.empty());
        marked.*field.member = 1000 + mark++; // a member listed twice would keep only its last mark
        for (const RecommendPreset preset : kRecommendPresets) {
            const int value = recommendWeights(preset).*field.member;
            EXPECT_GE(value, 0) << field.key;
            EXPECT_LE(value, kMaxRecommendWeight) << field.key;
        }
    }
    mark = 1;
    for (const RecommendWeightField& field : fields) {
        EXPECT_EQ(marked.*field.member, 1000 + mark++) << field.key;
        for (const RecommendWeightField& other : fields) {
            EXPECT_TRUE(&field == &other || field.key != other.key);
        }
    }
    // Every member is listed: the struct holds as many ints as there are fields.
    EXPECT_EQ(sizeof(RecommendWeights), fields.size() * sizeof(int));
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

TEST(ShortlistRecommended, TheParentsOwnElementsStandForTheMissingOnesAndTheirFilter) {
    testing::SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 3000, 20, 20, 0.2, 5);
    ShortlistSources sources;
    sources.chartState = SeriesChartState::Worked;
    sources.missingElements = ElementSet{Element::Water};
    Shortlist shortlist(s.store, sources);
    shortlist.refresh();
    ShortlistFilter filter;
    filter.suppliesMissingElement = true;
    shortlist.setFilter(filter);
    const auto shownSupply = [&](ElementSet elements) {
        std::size_t passing = 0;
        for (std::size_t i = 0; i < shortlist.size(); ++i) {
            const bool supplies = s.store.row(shortlist.firstRowAt(i)).givenElements.intersects(elements);
            EXPECT_TRUE(supplies);
            EXPECT_TRUE(shortlist.factsAt(i).suppliesMissingElement);
            passing += supplies ? 1 : 0;
        }
        return passing;
    };
    const std::size_t water = shownSupply(ElementSet{Element::Water});
    ASSERT_GT(water, 0U);
    shortlist.setOwnFavourable(ElementSet{Element::Metal, Element::Wood});
    EXPECT_EQ(shortlist.facts().missingElementsUsed(), (ElementSet{Element::Metal, Element::Wood}));
    const std::size_t own = shownSupply(ElementSet{Element::Metal, Element::Wood});
    ASSERT_GT(own, 0U);
    EXPECT_NE(own, water);
    // Unticking all of them brings back the chart's.
    shortlist.setOwnFavourable(std::nullopt);
    EXPECT_EQ(shownSupply(ElementSet{Element::Water}), water);

    // No chart and nothing ticked: 补缺 stays empty; ticked elements fill it.
    ShortlistSources none;
    none.chartState = SeriesChartState::OutOfRange;
    Shortlist bare(s.store, none);
    bare.refresh();
    bare.setFilter(filter);
    EXPECT_EQ(bare.size(), 0U);
    bare.setOwnFavourable(ElementSet{Element::Water});
    EXPECT_EQ(bare.size(), water);
}

} // namespace
} // namespace namewright
