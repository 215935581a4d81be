#pragma once
// The five elements (五行) 木 wood, 火 fire, 土 earth, 金 metal, 水 water, their texts and relations, and sets of them.
//
// The enumerators follow the generating cycle (相生: 木 -> 火 -> 土 -> 金 -> 水 -> 木), which is also the order of the
// grid-element rule (last digit 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水). The birth chart lists missing elements in
// another fixed order, 金 木 水 火 土 (kChartElementOrder).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace namewright {

/// One of the five elements (五行).
enum class Element : std::uint8_t { Wood, Fire, Earth, Metal, Water };

inline constexpr std::array<Element, 5> kAllElements{Element::Wood, Element::Fire, Element::Earth, Element::Metal,
                                                     Element::Water};

/// The order in which a birth chart names its missing elements: 金 木 水 火 土.
inline constexpr std::array<Element, 5> kChartElementOrder{Element::Metal, Element::Wood, Element::Water, Element::Fire,
                                                           Element::Earth};

/// The element characters, indexed by Element value; the only place they are spelled.
inline constexpr std::array<std::string_view, 5> kElementTexts{"木", "火", "土", "金", "水"};

/// "木", "火", "土", "金" or "水".
constexpr std::string_view elementText(Element element) {
    return kElementTexts[static_cast<std::size_t>(element)];
}

/// The element a one-character text names; nothing for any other text (also for "金 " or "金木").
constexpr std::optional<Element> elementOfText(std::string_view text) {
    for (const Element element : kAllElements) {
        if (text == elementText(element)) {
            return element;
        }
    }
    return std::nullopt;
}

/// The element this one generates (相生): 木 生 火, 火 生 土, 土 生 金, 金 生 水, 水 生 木.
constexpr Element generatedBy(Element element) {
    return static_cast<Element>((static_cast<int>(element) + 1) % 5);
}

/// The element that generates this one (its mother): 水 for 木, 木 for 火, ...
constexpr Element generatorOf(Element element) {
    return static_cast<Element>((static_cast<int>(element) + 4) % 5);
}

/// The element this one overcomes (相克): 木 克 土, 火 克 金, 土 克 水, 金 克 木, 水 克 火.
constexpr Element overcomeBy(Element element) {
    return static_cast<Element>((static_cast<int>(element) + 2) % 5);
}

/// The element that overcomes this one: 金 for 木, 水 for 火, ...
constexpr Element overcomerOf(Element element) {
    return static_cast<Element>((static_cast<int>(element) + 3) % 5);
}

/// A set of elements (for example those a chart carries, or those it lacks).
class ElementSet {
public:
    constexpr ElementSet() = default;
    constexpr ElementSet(std::initializer_list<Element> elements) {
        for (const Element element : elements) {
            insert(element);
        }
    }

    /// Every element whose character occurs somewhere in `text` ("木水 火土 " gives 木 水 火 土).
    static constexpr ElementSet occurringIn(std::string_view text) {
        ElementSet set;
        for (const Element element : kAllElements) {
            if (text.find(elementText(element)) != std::string_view::npos) {
                set.insert(element);
            }
        }
        return set;
    }

    static constexpr ElementSet all() {
        return ElementSet{Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water};
    }

    constexpr void insert(Element element) { m_bits = static_cast<std::uint8_t>(m_bits | bit(element)); }
    constexpr bool contains(Element element) const { return (m_bits & bit(element)) != 0; }
    constexpr bool empty() const { return m_bits == 0; }
    constexpr int size() const {
        int count = 0;
        for (const Element element : kAllElements) {
            count += contains(element) ? 1 : 0;
        }
        return count;
    }
    /// The elements not in this set.
    constexpr ElementSet complement() const { return fromBits(static_cast<std::uint8_t>(~m_bits & kAllBits)); }
    constexpr bool intersects(ElementSet other) const { return (m_bits & other.m_bits) != 0; }
    /// Adds every element of `other`.
    constexpr ElementSet& operator|=(ElementSet other) {
        m_bits = static_cast<std::uint8_t>(m_bits | other.m_bits);
        return *this;
    }
    constexpr bool operator==(const ElementSet&) const = default;

private:
    static constexpr std::uint8_t kAllBits = 0x1F;
    static constexpr std::uint8_t bit(Element element) {
        return static_cast<std::uint8_t>(1U << static_cast<unsigned>(element));
    }
    static constexpr ElementSet fromBits(std::uint8_t bits) {
        ElementSet set;
        set.m_bits = bits;
        return set;
    }
    std::uint8_t m_bits = 0;
};

} // namespace namewright
