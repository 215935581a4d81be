#pragma once
// UnfortunateWord (忌讳词): a word a name should not sound like, from data/sources/unfortunate_words.tsv.

#include "knowledge/Syllable.h"

#include <string>
#include <vector>

namespace namewright {

struct UnfortunateWord {
    std::string word;                ///< 2 to 4 characters ("饭桶")
    std::string pinyin;              ///< with tone marks, syllables separated by a space ("fàn tǒng")
    std::vector<Syllable> syllables; ///< one per character; tone 5 (neutral) matches any tone
    std::string kind;                ///< 不祥 (ill-omened), 粗俗 (vulgar), 可笑 (ridiculous) or 地名 (a place)
    std::string note;                ///< gloss
    /// Also heard with one syllable in another tone (近音): only words crude or ominous enough to be teased so.
    bool otherTones = false;

    /// A place (地名) is heard only where it is the whole name or the whole given name (沈阳, 王益阳), not in part of
    /// one (何泽慧 is no 菏泽).
    bool isPlace() const { return kind == "地名"; }
};

} // namespace namewright
