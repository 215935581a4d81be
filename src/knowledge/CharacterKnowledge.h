#pragma once
// CharacterKnowledge (字的知识): what the knowledge file says about one character.

#include "knowledge/Syllable.h"

#include <cstdint>
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

/// The tone of a character's sense in a given name.
enum class MeaningTone : std::uint8_t {
    Unknown = 0,  ///< the character has no meaning row
    Positive = 1, ///< 褒: a wish a parent would say aloud
    Neutral = 2,  ///< 中
    Negative = 3, ///< 贬: a sense nobody wishes a child
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
    int residual = 0;                  ///< strokes beside the radical that count (0 or less for a radical alone)
    int strokes = 0;                   ///< the five-grid count, equal to `bh` of hun.mdb's shipped `word` table
    int glyphStrokes = 0;              ///< the traditional form's own stroke count; `strokes` is never below it
    StrokeRule rule = StrokeRule::Radical;
    /// The working in Chinese: "水 4 + 3，氵按水计 4", "数字三按其值计 3".
    std::string working;
    /// 金 木 水 火 土 by the name reading, equal to `yongtu` of the shipped word1 and word2 tables, and its reason:
    /// "水：部首氵（水）", "金：声母 zh", "土：无声母（ān）".
    std::string element;
    std::string elementReason;
    /// For a character that is a family name on its own: its element by the family reading (equal to `yongtu` of the
    /// shipped `word` table) and the reason ("金：声母 sh（姓读 shàn）"); both empty for any other character.
    std::string familyElement;
    std::string familyElementReason;
    /// 字义: the senses that matter in a name, at most 24 code points, ending in one example in full-width
    /// parentheses ("安定，平安（安康）"); empty for a character without a meaning row.
    std::string gloss;
    MeaningTone meaningTone = MeaningTone::Unknown;
    /// 1 much used in given names today, 2 ordinary, 3 rare in names; 0 for a family-only character or none.
    int nameTier = 0;
};

} // namespace namewright
