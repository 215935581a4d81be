#include "reports/NameTexts.h"

#include <string>

namespace namewright {

ResultRowCells nameTexts(const ScoredName& name) {
    ResultRowCells texts;
    texts[ResultColumn::Name] = name.displayName;
    texts[ResultColumn::Score] = std::to_string(name.score);
    texts[ResultColumn::Heaven] = std::to_string(name.grids.heaven);
    texts[ResultColumn::Person] = std::to_string(name.grids.person);
    texts[ResultColumn::Earth] = std::to_string(name.grids.earth);
    texts[ResultColumn::Outer] = std::to_string(name.grids.outer);
    texts[ResultColumn::Total] = std::to_string(name.grids.total);
    texts[ResultColumn::ThreeTalentsKey] = name.threeTalentsKey;
    texts[ResultColumn::ElementText] = name.elementText;
    return texts;
}

} // namespace namewright
