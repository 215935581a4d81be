#pragma once
// The key<TAB>value lines of `describe` and `chart --solar-terms`, formatted from the core's values. Keys are ASCII
// and stable; no line ends in a newline.

#include "chart/SolarTermChart.h"
#include "knowledge/NameDescription.h"

#include <string>
#include <vector>

namespace namewright::cli {

/// The lines of `describe`, in this order:
///   pinyin      NameDescription::pinyinText()
///   tones       NameDescription::tonesText()
///   warning     one line per sound warning, its text ("谐音：范统 ≈ 饭桶（fàn tǒng，可笑）")
/// then for each character of the name, family first:
///   char        the character
///   traditional the form whose strokes count
///   strokes     the count with its working ("7 (水 4 + 3, 氵 as 水 4)")
///   element     the element with its reason ("水: radical 氵 (水)")
///   level       the 通用规范汉字表 level: 1, 2, 3 or "outside"
///   meaning     the character, its tone in a name (褒, 中 or 贬) and its gloss, tab-separated
///               ("meaning\t思\t褒\t思考，思想；想念（思源）"); only where the meanings table has the character
/// (a character the knowledge file does not know has its char line only), then one line per verse, best first:
/// verse<TAB>work<TAB>title<TAB>author<TAB>line. An unavailable description gives the single line
/// "knowledge\tunavailable".
std::vector<std::string> describedNameLines(const NameDescription& description);

/// The lines of `chart --solar-terms`: "key\tvalue" for each item of the chart's working (SolarTermChart.h).
std::vector<std::string> solarTermChartLines(const SolarTermChart& chart);

} // namespace namewright::cli
