#include "knowledge/VerseMatch.h"

namespace namewright {

bool isLineBreak(char32_t c) {
    return c == U'，' || c == U'、' || c == U'：' || c == U',' || c == U':' || c == U'。' || c == U'！' || c == U'？' ||
           c == U'；';
}

VerseMatch matchOf(std::u32string_view verse, char32_t first, char32_t second) {
    bool firstSeen = false;
    bool firstSeenInLine = false;
    bool previousIsFirst = false;
    VerseMatch best = VerseMatch::None;
    for (const char32_t c : verse) {
        if (isLineBreak(c)) {
            firstSeenInLine = false;
            previousIsFirst = false;
            continue;
        }
        // The second character is looked at before the first, so that a pair of equal characters needs two.
        if (c == second) {
            if (previousIsFirst) {
                return VerseMatch::SideBySide;
            }
            if (firstSeenInLine) {
                best = VerseMatch::SameLine;
            } else if (firstSeen && best == VerseMatch::None) {
                best = VerseMatch::SameCouplet;
            }
        }
        previousIsFirst = c == first;
        if (c == first) {
            firstSeen = true;
            firstSeenInLine = true;
        }
    }
    return best;
}

} // namespace namewright
