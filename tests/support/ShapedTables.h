#pragma once
// Tables shaped like the shipped ones (their sizes, their spread of luck words) but filled with made-up texts, for the
// benchmarks: speed measured on them does not move when the shipped data is edited.

#include "naming/LuckTables.h"
#include "support/TempDatabase.h"

#include <cstddef>
#include <string>

namespace namewright::testing {

/// A text of `characters` CJK ideographs (U+4E00 onwards, three UTF-8 bytes each), different for each seed.
std::string ideographText(std::size_t characters, std::size_t seed);

/// Luck tables of the numbers 1..81 and all 125 three-talents keys, the luck words spread irregularly over 吉, 半吉 and
/// 凶 so that scores vary from candidate to candidate.
LuckTables shapedLuckTables();

/// Fills a database of the shipped schema to the shipped size: the 60 stem-branch pairs in `bazi`, 李 (7, 火),
/// 哉 (9, 金), 栋 (12, 木) and 3000 further characters in `word`, the 81 numbers in `sl` and the 125 keys in `3cai`,
/// with report texts of typical length.
void fillShippedSizeTables(TempDatabase& file);

} // namespace namewright::testing
