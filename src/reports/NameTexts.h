#pragma once
// The nine texts of a scored name, in the order of the result grid's columns: name, score, heaven, person, earth,
// outer, total, three-talents key, element text. Numbers are decimal text without leading zeros. The evaluation
// hands these to the explanation builder; a result row holds the same nine texts as its cells.

#include "naming/NameScoring.h"
#include "naming/ResultRows.h"

#include <cstddef>

namespace namewright {

inline constexpr std::size_t kNameText = 0;
inline constexpr std::size_t kScoreText = 1;
inline constexpr std::size_t kHeavenText = 2;
inline constexpr std::size_t kPersonText = 3;
inline constexpr std::size_t kEarthText = 4;
inline constexpr std::size_t kOuterText = 5;
inline constexpr std::size_t kTotalText = 6;
inline constexpr std::size_t kThreeTalentsKeyText = 7;
inline constexpr std::size_t kElementText = 8;

/// The nine texts of a scored name.
ResultRowCells nameTexts(const ScoredName& name);

} // namespace namewright
