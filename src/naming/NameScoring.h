#pragma once
// Scoring a full name (姓名评分) from the luck of its grid numbers and three-talents key.
//
// One given character (weights for 吉 / 半吉 / 凶; no luck word adds nothing):
//   earth grid 32/30/11, person grid 32/28/22, a constant 11, three-talents key 20/18/11   (55..95)
// Two given characters:
//   earth grid 32/30/11, person grid 16/14/11, outer grid 16/14/11, total grid 16/14/11,
//   three-talents key 20/18/14                                                            (58..100)
// The score cap turns any score above 95 into 100.

#include "db/Rows.h"
#include "naming/FiveGrids.h"
#include "naming/LuckTables.h"

#include <array>
#include <string>
#include <string_view>

namespace namewright {

/// Points a lookup adds for each luck word.
struct LuckWeights {
    int good = 0;
    int half = 0;
    int bad = 0;

    /// By table rather than by branch: the luck of one candidate after another is unpredictable.
    constexpr int points(Luck luck) const {
        const std::array<int, 4> byLuck{0, good, half, bad};
        return byLuck[static_cast<std::size_t>(luck)];
    }
};
static_assert(static_cast<int>(Luck::None) == 0 && static_cast<int>(Luck::Good) == 1 &&
              static_cast<int>(Luck::Half) == 2 && static_cast<int>(Luck::Bad) == 3);

struct OneCharacterWeights {
    LuckWeights earth{32, 30, 11};
    LuckWeights person{32, 28, 22};
    int constant = 11;
    LuckWeights threeTalents{20, 18, 11};
};

struct TwoCharacterWeights {
    LuckWeights earth{32, 30, 11};
    LuckWeights person{16, 14, 11};
    LuckWeights outer{16, 14, 11};
    LuckWeights total{16, 14, 11};
    LuckWeights threeTalents{20, 18, 14};
};

inline constexpr OneCharacterWeights kOneCharacterWeights{};
inline constexpr TwoCharacterWeights kTwoCharacterWeights{};

/// Scores above this are capped.
inline constexpr int kScoreCapAbove = 95;

constexpr int applyScoreCap(int score) {
    return score > kScoreCapAbove ? 100 : score;
}

/// Score of a name with one given character (no cap).
inline int scoreOneCharacter(const FiveGrids& grids, const LuckTables& luck) {
    const auto& w = kOneCharacterWeights;
    return w.earth.points(luck.numberLuck(grids.earth)) + w.person.points(luck.numberLuck(grids.person)) + w.constant +
           w.threeTalents.points(luck.keyLuck(threeTalentsIndex(grids)));
}

/// Score of a name with two given characters (no cap).
inline int scoreTwoCharacters(const FiveGrids& grids, const LuckTables& luck) {
    const auto& w = kTwoCharacterWeights;
    return w.earth.points(luck.numberLuck(grids.earth)) + w.person.points(luck.numberLuck(grids.person)) +
           w.outer.points(luck.numberLuck(grids.outer)) + w.total.points(luck.numberLuck(grids.total)) +
           w.threeTalents.points(luck.keyLuck(threeTalentsIndex(grids)));
}

/// One scored full name: one row of the result grid.
struct ScoredName {
    std::string displayName;     ///< family text + given characters, no separators
    int score = 0;               ///< after the cap where the caller asked for it
    FiveGrids grids;             ///< heaven, person, earth, outer, total
    std::string threeTalentsKey; ///< e.g. "金土水"
    std::string elementText;     ///< element of the family character, then of each given character
    bool operator==(const ScoredName&) const = default;
};

/// Scores a full name. `family` is the `word` row of the family character (a missing row reads as WordRow{}: 0
/// strokes, empty element); `familyText` is what the display name starts with. `second` is null for a
/// one-character given name.
ScoredName scoreName(std::string_view familyText, const WordRow& family, const WordRow& first, const WordRow* second,
                     const LuckTables& luck, bool capScore);

} // namespace namewright
