#include "naming/CompoundSurnameScoring.h"

namespace namewright {

ScoredName scoreCompoundSurnameName(std::string_view familyText, const WordRow& firstFamily,
                                    const WordRow& secondFamily, const WordRow& first, const WordRow* second,
                                    const LuckTables& luck, bool capScore) {
    ScoredName name;
    name.displayName = std::string(familyText) + first.character;
    name.elementText = firstFamily.element + secondFamily.element + first.element;
    if (second == nullptr) {
        name.grids = compoundSurnameGridNumbers(firstFamily.strokes, secondFamily.strokes, first.strokes);
        name.score = scoreOneCharacter(name.grids, luck);
    } else {
        name.displayName += second->character;
        name.elementText += second->element;
        name.grids =
            compoundSurnameGridNumbers(firstFamily.strokes, secondFamily.strokes, first.strokes, second->strokes);
        name.score = scoreTwoCharacters(name.grids, luck);
    }
    if (capScore) {
        name.score = applyScoreCap(name.score);
    }
    name.threeTalentsKey = threeTalentsKey(name.grids);
    return name;
}

} // namespace namewright
