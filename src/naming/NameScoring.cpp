#include "naming/NameScoring.h"

namespace namewright {

ScoredName scoreName(std::string_view familyText, const WordRow& family, const WordRow& first, const WordRow* second,
                     const LuckTables& luck, bool capScore) {
    ScoredName name;
    name.displayName = std::string(familyText) + first.zi;
    name.elementText = family.yongtu + first.yongtu;
    if (second == nullptr) {
        name.grids = gridNumbers(family.bh, first.bh);
        name.score = scoreOneCharacter(name.grids, luck);
    } else {
        name.displayName += second->zi;
        name.elementText += second->yongtu;
        name.grids = gridNumbers(family.bh, first.bh, second->bh);
        name.score = scoreTwoCharacters(name.grids, luck);
    }
    if (capScore) {
        name.score = applyScoreCap(name.score);
    }
    name.threeTalentsKey = threeTalentsKey(name.grids);
    return name;
}

} // namespace namewright
