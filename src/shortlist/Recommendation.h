#pragma once
// Recommendation (推荐): our own 0-100 judgement of a name, from the terms below weighed by RecommendWeights.
//
// The value is kept apart from the described score and never replaces it. Each term gives points; their sum from
// RecommendWeights::base is clipped to 0-100. A name holding a character of a sense nobody wishes a child (贬) is
// `bottom`: it sorts below every other name, whatever its value. A one-character given name counts its character twice,
// so that names of either length span the same range.

#include "knowledge/SoundChecker.h"
#include "knowledge/VerseClass.h"
#include "shortlist/RecommendWeights.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace namewright {

/// What the order knows of one given character.
struct RecommendCharacter {
    bool known = false;          ///< false without the knowledge file: the character terms give no points
    int nameTier = 0;            ///< 1 much used in names today, 2 ordinary, 3 rare in names, 0 unknown
    int commonLevel = 0;         ///< level in the 通用规范汉字表, 1-3; 0 outside it or unknown
    bool positive = false;       ///< its sense in a name is a wish (褒)
    bool negative = false;       ///< its sense in a name is one nobody wishes (贬)
    bool placeCharacter = false; ///< it stands for a place (沪)
};

/// What the order knows of one name.
struct RecommendInputs {
    int score = 0; ///< the described score
    std::array<RecommendCharacter, 2> characters{};
    bool twoCharacters = true;
    VerseClass verse = VerseClass::None;
    SoundChecker::Strength sound = SoundChecker::Strength::None;
    bool wordLike = false;        ///< the pair is an everyday word or a place name
    bool favourable = false;      ///< supplies an element the described chart asks for (or the parent's own)
    bool solarFavourable = false; ///< supplies an element the 节气八字 asks for (unused with the parent's own)
};

enum class RecommendTerm : std::uint8_t {
    Score,
    NameTier,
    CommonLevel,
    Verse,
    Sound,
    Meaning,
    Favourable,
    SolarFavourable,
    WordLike,
    PlaceCharacter,
};

/// The caption of a term as the details pane and the command line show it ("常用字").
std::string_view recommendTermCaption(RecommendTerm term);

/// The points of one character for the terms that hang on a character alone.
struct CharacterPoints {
    int nameTier = 0;
    int commonLevel = 0;
    int meaning = 0;
    int placeCharacter = 0;
    int sum() const { return nameTier + commonLevel + meaning + placeCharacter; }
};
CharacterPoints characterPoints(const RecommendWeights& weights, const RecommendCharacter& character);
int scorePoints(const RecommendWeights& weights, int score);
int versePoints(const RecommendWeights& weights, VerseClass verse);
int soundPoints(const RecommendWeights& weights, SoundChecker::Strength sound);

struct RecommendPart {
    RecommendTerm term = RecommendTerm::Score;
    int points = 0;
    bool operator==(const RecommendPart&) const = default;
};

struct Recommendation {
    int value = 0;                    ///< 0-100
    bool bottom = false;              ///< a 贬 character: below every other name
    std::vector<RecommendPart> parts; ///< every term that gives points, in RecommendTerm order
    bool operator==(const Recommendation&) const = default;
};

/// The parts as the reasons are told: the most points first, penalties after gains, the least penalty first; equal
/// points in RecommendTerm order. Terms giving no points are not among the parts.
std::vector<RecommendPart> partsLargestFirst(const Recommendation& recommendation);

/// Whether a term hangs on the birth moment (the chart's favourable elements): without a moment it cannot be told.
bool termNeedsMoment(RecommendTerm term);

Recommendation recommend(const RecommendWeights& weights, const RecommendInputs& inputs);

/// The sort key of a value, ascending: a bottom name 0, any other value + 1.
constexpr std::uint32_t recommendKey(int value, bool bottom) {
    return bottom ? 0U : static_cast<std::uint32_t>(value) + 1U;
}
/// A raw sum clipped to 0-100.
constexpr int clipRecommendValue(int raw) {
    return raw < 0 ? 0 : (raw > 100 ? 100 : raw);
}

} // namespace namewright
