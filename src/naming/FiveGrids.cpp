#include "naming/FiveGrids.h"

namespace namewright {

std::string_view elementText(Element element) {
    switch (element) {
    case Element::Wood:
        return "木";
    case Element::Fire:
        return "火";
    case Element::Earth:
        return "土";
    case Element::Metal:
        return "金";
    case Element::Water:
        return "水";
    }
    return {};
}

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
