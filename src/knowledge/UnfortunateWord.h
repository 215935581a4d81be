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
    std::string kind;                ///< 不祥 (ill-omened), 粗俗 (vulgar) or 可笑 (ridiculous)
    std::string note;                ///< gloss
};

} // namespace namewright
