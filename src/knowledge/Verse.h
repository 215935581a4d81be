#pragma once
// Verse (诗句): a verse of the classics that holds a pair of name characters, with its source.

#include <string>

namespace namewright {

struct Verse {
    std::string work;    ///< 大学, 中庸, 论语, 孟子, 诗经, 楚辞, 唐诗 or 宋词
    std::string title;   ///< the poem's title (国风·周南·关雎), a chapter (学而篇), a 宋词's tune name
    std::string author;  ///< 佚名 where unknown; 曾子 for 大学 and 子思 for 中庸, as tradition has it
    std::string dynasty; ///< 先秦, 春秋, 战国, 汉, 唐 or 宋
    std::string text;    ///< the verse, one sentence (usually a couplet) with its punctuation, simplified characters

    bool operator==(const Verse&) const = default;
};

} // namespace namewright
