#pragma once
// Luck words (吉否) of the numerology and three-talents tables.

#include <cstdint>
#include <string_view>

namespace namewright {

enum class Luck : std::uint8_t {
    None, ///< no row, or a text that is not exactly one of the three words
    Good, ///< "吉"
    Half, ///< "半吉"
    Bad,  ///< "凶"
};

/// The luck a stored text stands for. Matching is exact, byte for byte: "吉 " and "大吉" are Luck::None, and "半吉"
/// is never Luck::Good.
Luck luckOf(std::string_view word);

} // namespace namewright
