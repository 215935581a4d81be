#include "reports/NameTexts.h"

#include <string>

namespace namewright {

ResultRowCells nameTexts(const ScoredName& name) {
    ResultRowCells texts;
    texts[kNameText] = name.displayName;
    texts[kScoreText] = std::to_string(name.score);
    texts[kHeavenText] = std::to_string(name.grids.heaven);
    texts[kPersonText] = std::to_string(name.grids.person);
    texts[kEarthText] = std::to_string(name.grids.earth);
    texts[kOuterText] = std::to_string(name.grids.outer);
    texts[kTotalText] = std::to_string(name.grids.total);
    texts[kThreeTalentsKeyText] = name.threeTalentsKey;
    texts[kElementText] = name.elementText;
    return texts;
}

} // namespace namewright
