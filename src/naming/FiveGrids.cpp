#include "naming/FiveGrids.h"

namespace namewright {

std::string threeTalentsKey(const FiveGrids& grids) {
    return threeTalentsKey(threeTalentsIndex(grids));
}

std::string threeTalentsKey(int index) {
    std::string key;
    key += elementText(static_cast<Element>(index / 25));
    key += elementText(static_cast<Element>(index / 5 % 5));
    key += elementText(static_cast<Element>(index % 5));
    return key;
}

} // namespace namewright
