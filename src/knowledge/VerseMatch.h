#pragma once
// How a verse holds a pair of name characters: the ranking rule of the verse index.

#include <string_view>

namespace namewright {

/// Best last: the two characters side by side in name order (婵娟 in 千里共婵娟) rank above both in one line of the
/// verse in name order, which rank above a verse that holds them in name order only across its lines; a verse holding
/// them only in the other order does not count.
enum class VerseMatch { None, SameCouplet, SameLine, SideBySide };

/// Characters that end a line within a verse (a verse is one sentence, usually a couplet): ，、：, and their ASCII
/// look-alikes; the sentence marks 。！？； end a verse, and anything that is not a line mark belongs to its line.
bool isLineBreak(char32_t c);

/// Whether `verse` holds `first` directly followed by `second` (SideBySide), else `first` before `second` in one line
/// (SameLine), else anywhere before it (SameCouplet), else None. A pair of equal characters needs two occurrences.
/// Punctuation counts only as line ends.
VerseMatch matchOf(std::u32string_view verse, char32_t first, char32_t second);

} // namespace namewright
