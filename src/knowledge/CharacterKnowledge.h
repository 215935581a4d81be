#pragma once
// CharacterKnowledge (字的知识): what the knowledge file says about one character.

#include "knowledge/Syllable.h"

#include <string>
#include <vector>

namespace namewright {

/// How the five-grid stroke count of a character is worked out from its traditional form.
enum class StrokeRule {
    Numeral, ///< 一 to 十 count their value
    Radical, ///< the radical's full strokes plus the residual strokes
    Reduced, ///< the same, the radical written in a reduced shape counting as the full one (氵 as 水 4)
    Alone,   ///< a variant shape of a radical standing alone counts its own strokes (王 4)
};

struct CharacterKnowledge {
    std::string character; ///< UTF-8, one character
    std::string pinyin;    ///< the reading names use, with tone mark ("jiāng"); empty when none is recorded
    Syllable syllable;     ///< that reading as compared by the sound checks
    std::vector<std::string> readings; ///< every recorded reading with tone marks, the usual one first
    int commonLevel = 0;               ///< level in the 通用规范汉字表 (2013): 1, 2 or 3; 0 outside it
    std::string traditional;           ///< the form whose strokes count (the character itself when it has no other)
    int radical = 0;                   ///< Kangxi radical number 1-214 of that form
    std::string radicalForm;           ///< the radical's full form ("水")
    int radicalStrokes = 0;            ///< strokes of the full radical
    int residual = 0;                  ///< strokes of the form beside its radical (0 or less for a radical alone)
    int strokes = 0;                   ///< the five-grid count, equal to `bh` of hun.mdb's shipped `word` table
    StrokeRule rule = StrokeRule::Radical;
    std::string working;       ///< the working in words: "水 4 + 3, 氵 as 水 4"
    std::string element;       ///< 金 木 水 火 土, equal to `yongtu` of the shipped `word` table
    std::string elementReason; ///< "水: radical 氵 (水)", "金: initial zh", "土: no initial (ān)"
};

} // namespace namewright
