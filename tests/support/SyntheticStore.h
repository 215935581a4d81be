#pragma once
// A result store filled directly, without a generation run: names of characters U+4E00 + i, for tests and benchmarks
// of the shortlist. A character's strokes and element follow from its index, and a name's score from its characters,
// so a name drawn again is listed with the same cells.

#include "naming/ResultStore.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace namewright::testing {

class SyntheticStore {
public:
    static constexpr int kNone = -1; ///< no second character

    explicit SyntheticStore(std::uint32_t series = 1);

    ResultStore store;
    std::uint32_t series() const { return m_series; }

    /// The family id of a family text with its strokes and element (`yongtu`).
    std::uint32_t family(std::string_view text, int strokes, std::string_view element);

    /// The character of index i: U+4E00 + i.
    static std::string character(int index);
    /// Its strokes (1..24) and element (木 火 土 金 水 by i mod 5).
    static int strokesOf(int index);
    static std::string_view elementOf(int index);
    /// The score a name of these characters is listed with: 60..100.
    static int scoreOf(int first, int second);

    /// Appends one row of the name family + character(first) [+ character(second)].
    void add(std::uint32_t family, int first, int second);
    /// Appends `rows` rows of names drawn uniformly from `firsts` x `seconds` characters (second indices follow the
    /// first ones: firsts .. firsts + seconds - 1); a share `oneCharacter` of them are one-character names.
    void addRandom(std::uint32_t family, std::size_t rows, int firsts, int seconds, double oneCharacter,
                   std::uint64_t seed);
    /// Appends every name of `firsts` x `seconds` once, in a shuffled order, then `repeats` draws of them again.
    void addEveryPair(std::uint32_t family, int firsts, int seconds, std::size_t repeats, std::uint64_t seed);

private:
    std::uint32_t m_series;
    std::string m_familyElement;
};

} // namespace namewright::testing
