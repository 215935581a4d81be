#pragma once
// A listed name (列出的名字): a name of a series with everything its report and its solar-term chart need after the
// series that listed it is gone. The shortlist's details pane shows one; a favourite is one with stars and a note
// (Favourite.h).

#include "chart/BirthMomentTexts.h"
#include "chart/LunarChart.h"
#include "chart/SeriesRecord.h"
#include "naming/ResultColumn.h"
#include "naming/ResultStore.h"

#include <cstddef>
#include <string>

namespace namewright {

struct ListedName {
    std::string familyText; ///< the family name as listed
    std::string given;      ///< the given characters (one or two)
    ResultRowCells cells;   ///< the nine cells of the name's first listed row
    ChartTexts chart;       ///< the texts of the chart of the series that listed it, for its report
    BirthMomentTexts birth; ///< the moment that chart was analysed for, as typed (its minute read by the 节气八字)

    /// The display name: family text and given characters.
    std::string name() const { return familyText + given; }
    bool operator==(const ListedName&) const = default;
};

/// The listed name of row `index` of the store (its family text, given characters and nine cells) with the chart and
/// moment of `record`, the record of the series the store holds; without a record they stay empty.
ListedName listedNameOfRow(const ResultStore& store, std::size_t index, const SeriesRecord* record);

} // namespace namewright
