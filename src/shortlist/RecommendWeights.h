#pragma once
// RecommendWeights: how much each term of the 推荐 order counts, and the three presets the parent chooses from.
//
// The 推荐 value of a name is our own 0-100 judgement of how likely a parent is to choose it, beside the described
// score (never in its place). It starts from kBase and adds the points of each term (RecommendTerms.h); the sum is
// clipped to 0-100. A name with a character whose sense nobody wishes a child (贬) stands below every other name
// whatever the weights. Weights are points; a penalty is given as a positive number and subtracted.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace namewright {

struct RecommendWeights {
    int base = 44;           ///< where every name starts (the best name of every term reaches 100)
    int score = 20;          ///< the described score: 0 points at 80 (the lowest listed), `score` at 100
    int nameTierMuch = 12;   ///< per given character much used in names today (tier 1), shared over the characters
    int nameTierRare = 16;   ///< penalty per character rare in names (tier 3); no tier known: no points
    int commonLevel2 = 14;   ///< penalty per character of level 2 of the 通用规范汉字表 (half for a tier-1 one)
    int commonRare = 40;     ///< penalty per character outside levels 1 and 2
    int verseInLine = 2;     ///< the pair stands in one verse, first before second
    int verseSideBySide = 6; ///< the pair stands side by side in a verse
    int verseFamous = 10;    ///< ... in a verse of a famous anthology or classic
    int soundOther = 8;      ///< penalty: a tone, initial, rhyme or family-sound warning
    int soundHomophone = 45; ///< penalty: the name reads like an unfortunate word
    int positiveMeaning = 4; ///< per 褒 character, shared over the characters
    int favourable = 6;      ///< a given character's element is one the described chart asks for
    int solarFavourable = 4; ///< ... one the 节气八字 asks for (用神, 喜神)
    int wordLike = 35;       ///< penalty: the pair is an everyday word or a place name
    int placeCharacter = 25; ///< penalty per character that stands for a place (沪, 皖)

    bool operator==(const RecommendWeights&) const = default;
};

/// The three presets: 均衡 (the default), 重五格 (the described score counts most), 重字义读音 (sense and sound).
enum class RecommendPreset : std::uint8_t { Balanced, FiveGrids, MeaningAndSound };

inline constexpr std::array<RecommendPreset, 3> kRecommendPresets{RecommendPreset::Balanced, RecommendPreset::FiveGrids,
                                                                  RecommendPreset::MeaningAndSound};

/// "均衡", "重五格", "重字义读音".
std::string_view recommendPresetName(RecommendPreset preset);
/// The preset of a name; nothing for any other text.
std::optional<RecommendPreset> recommendPresetOfName(std::string_view name);
RecommendWeights recommendWeights(RecommendPreset preset);

/// One weight as the settings page shows it and the settings file keeps it: a stable ASCII key, a short Chinese
/// caption (the term's caption first), the member, and its range. Every weight is 0 to kMaxRecommendWeight.
struct RecommendWeightField {
    std::string_view key;
    std::string_view caption;
    int RecommendWeights::*member;
};
inline constexpr int kMaxRecommendWeight = 100;

/// Every weight, in the order of the terms.
std::span<const RecommendWeightField> recommendWeightFields();

} // namespace namewright
