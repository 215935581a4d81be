#include "naming/CompoundSurnameScoring.h"

namespace namewright {

ScoredName scoreCompoundSurnameName(std::string_view familyText, const WordRow& firstFamily,
                                    const WordRow& secondFamily, const WordRow& first, const WordRow* second,
                                    const LuckTables& luck, bool capScore) {
    ScoredName name;
    name.displayName = std::string(familyText) + first.zi;
    name.elementText = firstFamily.yongtu + secondFamily.yongtu + first.yongtu;
    if (second == nullptr) {
        name.grids = compoundSurnameGridNumbers(firstFamily.bh, secondFamily.bh, first.bh);
        name.score = scoreOneCharacter(name.grids, luck);
    } else {
        name.displayName += second->zi;
        name.elementText += second->yongtu;
        name.grids = compoundSurnameGridNumbers(firstFamily.bh, secondFamily.bh, first.bh, second->bh);
        name.score = scoreTwoCharacters(name.grids, luck);
    }
    if (capScore) {
        name.score = applyScoreCap(name.score);
    }
    name.threeTalentsKey = threeTalentsKey(name.grids);
    return name;
}

} // namespace namewright
