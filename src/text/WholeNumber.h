#pragma once
// Reading the texts of input boxes as integers.

#include <string_view>

namespace namewright {

/// The value of a text that is a whole number in decimal: optional spaces around, an optional sign, then digits
/// only ("2011", " 7", "-3", "+5"). Anything else (empty, "12a", "1.5", "１２", a value outside int) gives 0.
int wholeNumberOrZero(std::string_view text);

} // namespace namewright
