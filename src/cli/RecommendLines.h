#pragma once
// The 推荐 lines of namewright-cli describe: "recommend<TAB>N" and one "recommend-term<TAB>caption<TAB>+points" line
// per term that gives points, largest first (partsLargestFirst()), with the captions the window's details pane uses
// and ASCII signs ("+12", "-30"). The value and the terms are those of the shortlist's 推荐 order under the 均衡
// weights for a series of that birth moment: the score as a run lists it (not capped, as at the default threshold),
// the given characters' elements from the `word` table against the chart's missing elements and the 节气八字's
// favourable ones (minute 0).

#include "calendar/Element.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/LuckTables.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace namewright {
class NamingDatabase;
}

namespace namewright::cli {

/// What the terms of a birth moment need: the naming database (for the score and the characters' elements), its
/// luck tables, and the favourable elements of the moment's two charts.
struct RecommendMoment {
    NamingDatabase* database = nullptr;
    LuckTables luck;
    ElementSet missingElements;                    ///< the described chart's; empty where it could not be worked out
    std::optional<ElementSet> solarTermFavourable; ///< the 节气八字's, when worked out
};

/// The 推荐 lines of a name. With `moment`, the value line and every term; without, no value line and only the terms
/// that need neither the birth moment nor the naming database (not 分数, 喜用五行, 节气喜用). `family` and `given`
/// are UTF-8 of one or two characters each.
std::vector<std::string> recommendLines(const KnowledgeBase& knowledge, std::string_view family, std::string_view given,
                                        const RecommendMoment* moment);

} // namespace namewright::cli
