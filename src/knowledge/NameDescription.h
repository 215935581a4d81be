#pragma once
// The knowledge of a full name as key<TAB>value lines: the output of `namewright-cli describe`.

#include "knowledge/KnowledgeBase.h"

#include <string>
#include <string_view>
#include <vector>

namespace namewright {

/// The lines, in this order (each "key\tvalue", no line end):
///   pinyin      the syllables with tone marks, separated by spaces ("fàn tǒng"); "?" for an unknown character
///   tones       their tones, separated by spaces ("4 3"); 5 for the neutral tone, "?" unknown
///   warning     one line per sound warning, its text ("谐音：范统 ≈ 饭桶（fàn tǒng，可笑）")
/// then for each character of the name, family first:
///   char        the character
///   traditional the form whose strokes count
///   strokes     the count with its working ("7（水 4 + 3，氵按水计 4）")
///   element     the element with its reason ("水：部首氵（水）"); for a family character by its family reading
///               ("金：声母 sh（姓读 shàn）")
///   level       the 通用规范汉字表 level: 1, 2, 3 or "表外"
/// (a character the knowledge file does not know has its char line only), then, for a two-character given name, one
/// line per verse of the pair, best first: verse<TAB>work<TAB>title<TAB>author<TAB>line.
/// An unavailable knowledge base gives the single line "knowledge\tunavailable".
std::vector<std::string> describeName(const KnowledgeBase& knowledge, std::string_view family, std::string_view given);

} // namespace namewright
