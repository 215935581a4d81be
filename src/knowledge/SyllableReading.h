#pragma once
// SyllableReading: how one character of a full name is read.

#include "knowledge/Syllable.h"

#include <string>

namespace namewright {

struct SyllableReading {
    std::string character; ///< UTF-8, one character
    std::string pinyin;    ///< with tone mark; empty when the character has no known reading
    Syllable syllable;     ///< empty letters and tone 0 when unknown
    bool isFamily = false; ///< part of the family name (read by the family-name table)
};

} // namespace namewright
