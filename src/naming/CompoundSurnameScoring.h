#pragma once
// The five grids and score of a name whose family text is a compound surname (复姓, CompoundSurnames.h), shown
// beside the described score (which counts the first family character only) and labelled as the compound-surname
// score.
//
// S1 and S2 are the stroke counts of the two family characters, B (or B1, B2) those of the given characters:
//
//   grid          one given character   two given characters
//   heaven 天格   S1 + S2               S1 + S2
//   person 人格   S2 + B                S2 + B1
//   earth  地格   B + 1                 B1 + B2
//   outer  外格   S1 + 1                S1 + B2
//   total  总格   S1 + S2 + B           S1 + S2 + B1 + B2
//
// The score uses the luck tables and the weights of NameScoring.h unchanged (one given character: earth, person,
// the constant, three talents; two: earth, person, outer, total, three talents) and the same score cap.

#include "db/Rows.h"
#include "naming/FiveGrids.h"
#include "naming/LuckTables.h"
#include "naming/NameScoring.h"

#include <optional>
#include <string_view>

namespace namewright {

constexpr FiveGrids compoundSurnameGridNumbers(int firstFamilyStrokes, int secondFamilyStrokes, int givenStrokes) {
    return FiveGrids{firstFamilyStrokes + secondFamilyStrokes, secondFamilyStrokes + givenStrokes, givenStrokes + 1,
                     firstFamilyStrokes + 1, firstFamilyStrokes + secondFamilyStrokes + givenStrokes};
}

constexpr FiveGrids compoundSurnameGridNumbers(int firstFamilyStrokes, int secondFamilyStrokes, int firstGivenStrokes,
                                               int secondGivenStrokes) {
    return FiveGrids{firstFamilyStrokes + secondFamilyStrokes, secondFamilyStrokes + firstGivenStrokes,
                     firstGivenStrokes + secondGivenStrokes, firstFamilyStrokes + secondGivenStrokes,
                     firstFamilyStrokes + secondFamilyStrokes + firstGivenStrokes + secondGivenStrokes};
}

/// The grids and score of a given name under a compound surname: the family characters' strokes, the first given
/// character's, and the second's (nothing for a one-character given name). The one place the rule is applied.
struct CompoundSurnameScore {
    FiveGrids grids;
    int score = 0;
};
CompoundSurnameScore compoundSurnameScore(int firstFamilyStrokes, int secondFamilyStrokes, int firstGivenStrokes,
                                          std::optional<int> secondGivenStrokes, const LuckTables& luck, bool capScore);

/// Scores a name by the compound-surname rule. `firstFamily` and `secondFamily` are the `word` rows of the two family
/// characters (a missing row reads as WordRow{}: 0 strokes, empty element); the display name is `familyText` and the
/// given characters, the element text that of both family characters and the given ones. `second` is null for a
/// one-character given name.
ScoredName scoreCompoundSurnameName(std::string_view familyText, const WordRow& firstFamily,
                                    const WordRow& secondFamily, const WordRow& first, const WordRow* second,
                                    const LuckTables& luck, bool capScore);

} // namespace namewright
