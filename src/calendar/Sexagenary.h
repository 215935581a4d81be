#pragma once
// The sexagenary cycle as values: heavenly stems (天干), earthly branches (地支), their pairs (六十甲子) and the four
// pillars (四柱) of a birth moment. These are the only place the stem, branch and animal characters are spelled.
//
// Numbers count from 1 as the calendar's tables do: stems 1 (甲) .. 10 (癸), branches 1 (子) .. 12 (亥), pairs
// 1 (甲子) .. 60 (癸亥). Pair n has stem n mod 10 and branch n mod 12, a remainder 0 read as 10 and 12.

#include "calendar/Element.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace namewright {

namespace sexagenary_detail {
// Every stem, branch and animal is one CJK character of three UTF-8 bytes.
inline constexpr std::size_t kCharBytes = 3;
inline constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
inline constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";
inline constexpr std::string_view kAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
static_assert(kStems.size() == 10 * kCharBytes && kBranches.size() == 12 * kCharBytes &&
              kAnimals.size() == 12 * kCharBytes);

constexpr std::string_view characterAt(std::string_view characters, int zeroBased) {
    return characters.substr(static_cast<std::size_t>(zeroBased) * kCharBytes, kCharBytes);
}
} // namespace sexagenary_detail

/// A heavenly stem (天干): 甲 乙 丙 丁 戊 己 庚 辛 壬 癸, numbered 1..10.
class HeavenlyStem {
public:
    /// Stem `number` 1..10; a number outside is read cyclically (11 is 甲, 0 is 癸).
    static constexpr HeavenlyStem fromNumber(int number) { return HeavenlyStem(wrap(number, 10)); }
    /// The stem a one-character text names; nothing for any other text.
    static constexpr std::optional<HeavenlyStem> fromText(std::string_view text) {
        for (int i = 1; i <= 10; ++i) {
            if (fromNumber(i).text() == text) {
                return fromNumber(i);
            }
        }
        return std::nullopt;
    }

    constexpr int number() const { return m_number; }
    constexpr std::string_view text() const {
        return sexagenary_detail::characterAt(sexagenary_detail::kStems, m_number - 1);
    }
    /// 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
    constexpr Element element() const { return static_cast<Element>((m_number - 1) / 2); }
    /// 阳 for 甲 丙 戊 庚 壬 (odd numbers), 阴 for the others.
    constexpr bool isYang() const { return m_number % 2 == 1; }
    /// The stem `steps` further on (negative: back).
    constexpr HeavenlyStem advancedBy(int steps) const { return fromNumber(m_number + steps % 10); }
    constexpr bool operator==(const HeavenlyStem&) const = default;

private:
    static constexpr int wrap(int n, int modulus) {
        const int r = n % modulus;
        return r <= 0 ? r + modulus : r;
    }
    explicit constexpr HeavenlyStem(int number) : m_number(static_cast<std::uint8_t>(number)) {}
    std::uint8_t m_number = 1;
};

/// The hidden stems (藏干) of a branch: the principal stem (本气) first, then the middle (中气) and residual (余气)
/// stems where the branch holds them.
struct HiddenStems {
    std::array<HeavenlyStem, 3> stems{HeavenlyStem::fromNumber(1), HeavenlyStem::fromNumber(1),
                                      HeavenlyStem::fromNumber(1)};
    int count = 0; ///< 1, 2 or 3; stems[count..2] are not used
    constexpr bool operator==(const HiddenStems&) const = default;
};

/// An earthly branch (地支): 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥, numbered 1..12.
class EarthlyBranch {
public:
    /// Branch `number` 1..12; a number outside is read cyclically (13 is 子, 0 is 亥).
    static constexpr EarthlyBranch fromNumber(int number) {
        const int r = number % 12;
        return EarthlyBranch(r <= 0 ? r + 12 : r);
    }
    /// The branch a one-character text names; nothing for any other text.
    static constexpr std::optional<EarthlyBranch> fromText(std::string_view text) {
        for (int i = 1; i <= 12; ++i) {
            if (fromNumber(i).text() == text) {
                return fromNumber(i);
            }
        }
        return std::nullopt;
    }

    constexpr int number() const { return m_number; }
    constexpr std::string_view text() const {
        return sexagenary_detail::characterAt(sexagenary_detail::kBranches, m_number - 1);
    }
    /// The animal of the branch (生肖): 子 鼠, 丑 牛, 寅 虎, 卯 兔, 辰 龙, 巳 蛇, 午 马, 未 羊, 申 猴, 酉 鸡, 戌 狗, 亥
    /// 猪.
    constexpr std::string_view animal() const {
        return sexagenary_detail::characterAt(sexagenary_detail::kAnimals, m_number - 1);
    }
    /// The branch's own element (本气): 寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰戌丑未 土.
    constexpr Element element() const {
        constexpr std::array<Element, 12> byBranch{Element::Water, Element::Earth, Element::Wood,  Element::Wood,
                                                   Element::Earth, Element::Fire,  Element::Fire,  Element::Earth,
                                                   Element::Metal, Element::Metal, Element::Earth, Element::Water};
        return byBranch[static_cast<std::size_t>(m_number - 1)];
    }
    /// 阳 for 子 寅 辰 午 申 戌 (odd numbers).
    constexpr bool isYang() const { return m_number % 2 == 1; }
    /// The hidden stems (藏干), 本气 中气 余气, as the Ziping manuals list them: 子 癸; 丑 己癸辛; 寅 甲丙戊; 卯 乙;
    /// 辰 戊乙癸; 巳 丙庚戊; 午 丁己; 未 己丁乙; 申 庚壬戊; 酉 辛; 戌 戊辛丁; 亥 壬甲. The principal stem is the
    /// branch's own element; the middle stem of 寅 巳 申 亥 is the element of its three-branch combination, and 辰 戌
    /// 丑 未 keep the stem of the month before them and the stem whose store (库) they are.
    constexpr HiddenStems hiddenStems() const {
        constexpr std::array<std::array<int, 3>, 12> byBranch{{{10, 0, 0},
                                                               {6, 10, 8},
                                                               {1, 3, 5},
                                                               {2, 0, 0},
                                                               {5, 2, 10},
                                                               {3, 7, 5},
                                                               {4, 6, 0},
                                                               {6, 4, 2},
                                                               {7, 9, 5},
                                                               {8, 0, 0},
                                                               {5, 8, 4},
                                                               {9, 1, 0}}};
        HiddenStems hidden;
        for (const int stem : byBranch[static_cast<std::size_t>(m_number - 1)]) {
            if (stem != 0) {
                hidden.stems[static_cast<std::size_t>(hidden.count++)] = HeavenlyStem::fromNumber(stem);
            }
        }
        return hidden;
    }
    constexpr EarthlyBranch advancedBy(int steps) const { return fromNumber(m_number + steps % 12); }
    constexpr bool operator==(const EarthlyBranch&) const = default;

private:
    explicit constexpr EarthlyBranch(int number) : m_number(static_cast<std::uint8_t>(number)) {}
    std::uint8_t m_number = 1;
};

/// A pair of the sexagenary cycle (干支, 六十甲子): position 1..60, 1 甲子, 2 乙丑 .. 11 甲戌 .. 60 癸亥.
class SexagenaryPair {
public:
    /// The pair at `position` 1..60; a position outside is read cyclically (61 is 甲子, 0 is 癸亥), for every int.
    static constexpr SexagenaryPair fromPosition(int position) {
        const int r = position % 60;
        return SexagenaryPair(r <= 0 ? r + 60 : r);
    }
    /// The pair of a stem and a branch; nothing when their parities differ (甲丑 is no pair).
    static constexpr std::optional<SexagenaryPair> fromStemAndBranch(HeavenlyStem stem, EarthlyBranch branch) {
        if (stem.isYang() != branch.isYang()) {
            return std::nullopt;
        }
        // The position p with p = stem (mod 10) and p = branch (mod 12).
        for (int p = stem.number(); p <= 60; p += 10) {
            if (EarthlyBranch::fromNumber(p) == branch) {
                return SexagenaryPair(p);
            }
        }
        return std::nullopt;
    }
    /// The pair a two-character text names ("甲子"); nothing for any other text.
    static constexpr std::optional<SexagenaryPair> fromText(std::string_view text) {
        constexpr std::size_t bytes = sexagenary_detail::kCharBytes;
        if (text.size() != 2 * bytes) {
            return std::nullopt;
        }
        const auto stem = HeavenlyStem::fromText(text.substr(0, bytes));
        const auto branch = EarthlyBranch::fromText(text.substr(bytes));
        if (!stem || !branch) {
            return std::nullopt;
        }
        return fromStemAndBranch(*stem, *branch);
    }

    constexpr int position() const { return m_position; }
    constexpr HeavenlyStem stem() const { return HeavenlyStem::fromNumber(m_position); }
    constexpr EarthlyBranch branch() const { return EarthlyBranch::fromNumber(m_position); }
    /// The two characters, stem then branch: a view of a constant table.
    std::string_view text() const;
    constexpr SexagenaryPair advancedBy(int steps) const {
        return fromPosition(static_cast<int>((static_cast<long long>(m_position) + steps % 60 + 60) % 60));
    }
    constexpr bool operator==(const SexagenaryPair&) const = default;

private:
    explicit constexpr SexagenaryPair(int position) : m_position(static_cast<std::uint8_t>(position)) {}
    std::uint8_t m_position = 1;
};

/// The four pillars (四柱) of a birth moment: year, month, day and hour pairs.
struct FourPillars {
    SexagenaryPair year = SexagenaryPair::fromPosition(1);
    SexagenaryPair month = SexagenaryPair::fromPosition(1);
    SexagenaryPair day = SexagenaryPair::fromPosition(1);
    SexagenaryPair hour = SexagenaryPair::fromPosition(1);

    /// The pillars in the order year, month, day, hour.
    constexpr std::array<SexagenaryPair, 4> inOrder() const { return {year, month, day, hour}; }
    constexpr bool operator==(const FourPillars&) const = default;
};

} // namespace namewright
