#include "shortlist/Recommendation.h"

#include <algorithm>
#include <array>

namespace namewright {

namespace {

constexpr std::array<std::string_view, 10> kCaptions{"分数", "名字用字", "常用字",   "诗句相连", "读音提示",
                                                     "字义", "喜用五行", "节气喜用", "词语地名", "地名用字"};

} // namespace

std::string_view recommendTermCaption(RecommendTerm term) {
    return kCaptions[static_cast<std::size_t>(term)];
}

std::vector<RecommendPart> partsLargestFirst(const Recommendation& recommendation) {
    std::vector<RecommendPart> parts = recommendation.parts;
    std::stable_sort(parts.begin(), parts.end(),
                     [](const RecommendPart& a, const RecommendPart& b) { return a.points > b.points; });
    return parts;
}

bool termNeedsMoment(RecommendTerm term) {
    return term == RecommendTerm::Favourable || term == RecommendTerm::SolarFavourable;
}

CharacterPoints characterPoints(const RecommendWeights& weights, const RecommendCharacter& character) {
    CharacterPoints out;
    if (!character.known) {
        return out;
    }
    // Shared over two characters: each gives half, a lone character counts twice (recommend()).
    if (character.nameTier == 1) {
        out.nameTier = weights.nameTierMuch / 2;
    } else if (character.nameTier == 3) {
        out.nameTier = -weights.nameTierRare / 2;
    }
    // Level 2 of the 通用规范汉字表 counts against a character as less familiar in general text; one the team marked
    // as much used in names today (梓 宸 煜) is familiar to parents all the same, so it loses half as much.
    if (character.commonLevel == 2) {
        out.commonLevel = -(character.nameTier == 1 ? weights.commonLevel2 / 2 : weights.commonLevel2) / 2;
    } else if (character.commonLevel != 1) {
        out.commonLevel = -weights.commonRare / 2;
    }
    out.meaning = character.positive ? weights.positiveMeaning / 2 : 0;
    out.placeCharacter = character.placeCharacter ? -weights.placeCharacter / 2 : 0;
    return out;
}

int scorePoints(const RecommendWeights& weights, int score) {
    // 80 is the lowest score a run lists by default; a lower own threshold gives negative points.
    return (score - 80) * weights.score / 20;
}

int versePoints(const RecommendWeights& weights, VerseClass verse) {
    switch (verse) {
    case VerseClass::None:
        return 0;
    case VerseClass::InAVerse:
        return weights.verseInLine;
    case VerseClass::SideBySide:
        return weights.verseSideBySide;
    case VerseClass::SideBySideFamous:
        return weights.verseFamous;
    }
    return 0;
}

int soundPoints(const RecommendWeights& weights, SoundChecker::Strength sound) {
    switch (sound) {
    case SoundChecker::Strength::None:
        return 0;
    case SoundChecker::Strength::Other:
        return -weights.soundOther;
    case SoundChecker::Strength::SoundsLikeWord:
        return -weights.soundHomophone;
    }
    return 0;
}

Recommendation recommend(const RecommendWeights& weights, const RecommendInputs& inputs) {
    CharacterPoints chars;
    bool negative = false;
    const std::size_t count = inputs.twoCharacters ? 2 : 1;
    for (std::size_t i = 0; i < 2; ++i) {
        const RecommendCharacter& c = inputs.characters[i < count ? i : 0];
        const CharacterPoints p = characterPoints(weights, c);
        chars.nameTier += p.nameTier;
        chars.commonLevel += p.commonLevel;
        chars.meaning += p.meaning;
        chars.placeCharacter += p.placeCharacter;
        negative = negative || c.negative;
    }
    const std::array<RecommendPart, 10> parts{{
        {RecommendTerm::Score, scorePoints(weights, inputs.score)},
        {RecommendTerm::NameTier, chars.nameTier},
        {RecommendTerm::CommonLevel, chars.commonLevel},
        {RecommendTerm::Verse, inputs.twoCharacters ? versePoints(weights, inputs.verse) : 0},
        {RecommendTerm::Sound, soundPoints(weights, inputs.sound)},
        {RecommendTerm::Meaning, chars.meaning},
        {RecommendTerm::Favourable, inputs.favourable ? weights.favourable : 0},
        {RecommendTerm::SolarFavourable, inputs.solarFavourable ? weights.solarFavourable : 0},
        {RecommendTerm::WordLike, inputs.twoCharacters && inputs.wordLike ? -weights.wordLike : 0},
        {RecommendTerm::PlaceCharacter, chars.placeCharacter},
    }};
    Recommendation out;
    int raw = weights.base;
    for (const RecommendPart& part : parts) {
        raw += part.points;
        if (part.points != 0) {
            out.parts.push_back(part);
        }
    }
    out.value = clipRecommendValue(raw);
    out.bottom = negative;
    return out;
}

} // namespace namewright
