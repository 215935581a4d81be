#pragma once
// The report data (报告数据) of one scored name: the texts a name report is composed from, apart from the birth
// chart. All texts are UTF-8; the explanations end in CR LF.

#include <string>

namespace namewright {

struct ReportData {
    std::string name;                    ///< display name of the result row, or the evaluated name
    std::string score;                   ///< the score in decimal
    std::string heavenExplanation;       ///< numerology explanation of the heaven grid number (天格)
    std::string personExplanation;       ///< of the person grid number (人格)
    std::string earthExplanation;        ///< of the earth grid number (地格)
    std::string outerExplanation;        ///< of the outer grid number (外格)
    std::string totalExplanation;        ///< of the total grid number (总格)
    std::string threeTalentsExplanation; ///< `解释` of the three-talents key's `3cai` row, then CR LF
    std::string elementText;             ///< the name's element text, e.g. "火金木"
    bool operator==(const ReportData&) const = default;
};

} // namespace namewright
