#pragma once
// VerseClass: how closely the verses of the classics hold a pair of name characters, for ranking names by it.

#include <cstdint>

namespace namewright {

/// Kept for every pair of a first and a second name character in the knowledge file's in-memory verse index (two bits
/// a pair), so that it costs one array read. Greater is closer.
enum class VerseClass : std::uint8_t {
    None = 0,             ///< no verse holds the first character before the second
    InAVerse = 1,         ///< a verse holds the first before the second, in one line or across the lines of a couplet
    SideBySide = 2,       ///< a verse holds them side by side in name order (清扬 in 清扬婉兮)
    SideBySideFamous = 3, ///< so does a verse of a famous text: a classic before the Tang (诗经, 论语, 孟子, 大学,
                          ///< 中庸, 楚辞), or a poem of 唐诗三百首 or 宋词三百首
};

} // namespace namewright
