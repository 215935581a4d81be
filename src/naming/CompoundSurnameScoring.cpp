#include "naming/CompoundSurnameScoring.h"

namespace namewright {

CompoundSurnameScore compoundSurnameScore(int firstFamilyStrokes, int secondFamilyStrokes, int firstGivenStrokes,
                                          std::optional<int> secondGivenStrokes, const LuckTables& luck,
                                          bool capScore) {
    CompoundSurnameScore out;
    if (secondGivenStrokes) {
        out.grids =
            compoundSurnameGridNumbers(firstFamilyStrokes, secondFamilyStrokes, firstGivenStrokes, *secondGivenStrokes);
        out.score = scoreTwoCharacters(out.grids, luck);
    } else {
        out.grids = compoundSurnameGridNumbers(firstFamilyStrokes, secondFamilyStrokes, firstGivenStrokes);
        out.score = scoreOneCharacter(out.grids, luck);
    }
    if (capScore) {
        out.score = applyScoreCap(out.score);
    }
    return out;
}

ScoredName scoreCompoundSurnameName(std::string_view familyText, const WordRow& firstFamily,
                                    const WordRow& secondFamily, const WordRow& first, const WordRow* second,
                                    const LuckTables& luck, bool capScore) {
    ScoredName name;
    name.displayName = std::string(familyText) + first.character;
    name.elementText = firstFamily.element + secondFamily.element + first.element;
    if (second != nullptr) {
        name.displayName += second->character;
        name.elementText += second->element;
    }
    const CompoundSurnameScore scored =
        compoundSurnameScore(firstFamily.strokes, secondFamily.strokes, first.strokes,
                             second != nullptr ? std::optional<int>(second->strokes) : std::nullopt, luck, capScore);
    name.grids = scored.grids;
    name.score = scored.score;
    name.threeTalentsKey = threeTalentsKey(name.grids);
    return name;
}

} // namespace namewright
