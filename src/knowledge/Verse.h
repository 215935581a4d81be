#pragma once
// Verse (诗句): a verse of the classics that holds a pair of name characters, with its source.

#include <string>

namespace namewright {

struct Verse {
    std::string work;   ///< 诗经, 论语, 楚辞, 唐诗 or 宋词
    std::string title;  ///< the poem's title (国风·周南·关雎), the chapter of 论语, the tune name of a 宋词
    std::string author; ///< 佚名 where unknown
    std::string dynasty; ///< 先秦, 春秋, 战国, 汉, 唐 or 宋
    std::string text;    ///< the verse, one sentence (usually a couplet) with its punctuation, simplified characters

    bool operator==(const Verse&) const = default;
};

} // namespace namewright
