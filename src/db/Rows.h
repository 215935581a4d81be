#pragma once
// Row values returned by the naming database's query catalogue. Texts are UTF-8; a NULL field reads as an empty
// text or as 0.

#include <string>

namespace namewright {

/// One row of table `bazi` (八字): the elements (五行) and nayin (纳音) of a stem-branch pair.
struct BaziRow {
    std::string elements; ///< `wuxing`: elements of the pair's stem and branch, e.g. "木水" for 甲子
    std::string nayin;    ///< `wuxing1`: nayin of the pair, e.g. "海中金" for 甲子
    bool operator==(const BaziRow&) const = default;
};

/// One row of the character dictionary `word` (字库).
struct WordRow {
    std::string character; ///< `zi`: the character
    int strokes = 0;       ///< `bh`: stroke count (笔画) for the five grids
    std::string element;   ///< `yongtu`: element of the character, one of 金 木 水 火 土
    bool operator==(const WordRow&) const = default;
};

/// One row of the given-name character tables `word1` and `word2`.
struct CandidateRow {
    int id = 0;            ///< `ID`, unique and ascending
    std::string character; ///< `zi`: the character
    int strokes = 0;       ///< `bh`: stroke count
    std::string element;   ///< `yongtu`: element
    std::string gender;    ///< `xb`: gender mark, "男", "女" or anything else (neutral)
    bool operator==(const CandidateRow&) const = default;
};

/// One row of the numerology table `sl` (数理): a number 1..81 with its luck word and readings.
struct NumerologyRow {
    std::string number;      ///< `数理序号`, the number as decimal text
    std::string luck;        ///< `吉否`: "吉", "半吉" or "凶"
    std::string description; ///< `一字描述`
    std::string career;      ///< `基业`
    std::string family;      ///< `家庭`
    std::string health;      ///< `健康`
    std::string meaning;     ///< `含意`
    bool operator==(const NumerologyRow&) const = default;
};

/// One row of the three-talents table `3cai` (三才).
struct ThreeTalentsRow {
    std::string key;         ///< `属性`: elements of the heaven, person and earth grids, e.g. "金土水"
    std::string luck;        ///< `吉否`
    std::string explanation; ///< `解释`
    bool operator==(const ThreeTalentsRow&) const = default;
};

} // namespace namewright
