#pragma once
// The five grids (五格) of a name and the three-talents key (三才) formed from them.
//
// S is the stroke count of the family character, B (or B1, B2) those of the given characters:
//
//   grid          one given character   two given characters
//   heaven 天格   S + 1                 S + 1
//   person 人格   S + B                 S + B1
//   earth  地格   B + 1                 B1 + B2
//   outer  外格   2                     B2 + 1
//   total  总格   S + B                 S + B1 + B2

#include "calendar/Element.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace namewright {

struct FiveGrids {
    int heaven = 0;
    int person = 0;
    int earth = 0;
    int outer = 0;
    int total = 0;
    bool operator==(const FiveGrids&) const = default;
};

constexpr FiveGrids gridNumbers(int familyStrokes, int givenStrokes) {
    return FiveGrids{familyStrokes + 1, familyStrokes + givenStrokes, givenStrokes + 1, 2,
                     familyStrokes + givenStrokes};
}

constexpr FiveGrids gridNumbers(int familyStrokes, int firstGivenStrokes, int secondGivenStrokes) {
    return FiveGrids{familyStrokes + 1, familyStrokes + firstGivenStrokes, firstGivenStrokes + secondGivenStrokes,
                     secondGivenStrokes + 1, familyStrokes + firstGivenStrokes + secondGivenStrokes};
}

/// Grid element of a number by its last decimal digit: 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水. A negative number
/// (possible only with negative stroke counts in a foreign database) is read by the digit of its absolute value.
constexpr Element gridElement(int n) {
    constexpr std::array<Element, 10> byDigit{Element::Water, Element::Wood,  Element::Wood,  Element::Fire,
                                              Element::Fire,  Element::Earth, Element::Earth, Element::Metal,
                                              Element::Metal, Element::Water};
    const int digit = n % 10;
    return byDigit[static_cast<std::size_t>(digit < 0 ? -digit : digit)];
}

/// Index 0..124 of a three-talents configuration: heaven * 25 + person * 5 + earth, by Element value.
constexpr int threeTalentsIndex(Element heaven, Element person, Element earth) {
    return static_cast<int>(heaven) * 25 + static_cast<int>(person) * 5 + static_cast<int>(earth);
}

constexpr int threeTalentsIndex(const FiveGrids& grids) {
    return threeTalentsIndex(gridElement(grids.heaven), gridElement(grids.person), gridElement(grids.earth));
}

/// The three-talents key: the grid elements of heaven, person and earth joined, e.g. "金土水".
std::string threeTalentsKey(const FiveGrids& grids);

/// The key text of an index 0..124.
std::string threeTalentsKey(int index);

} // namespace namewright
