#pragma once
// A favourite (收藏): a name the user starred, with everything its report needs after the series that listed it is
// gone, and the user's own stars and note.

#include "chart/BirthChart.h"
#include "chart/ChartAnalysis.h"
#include "naming/ResultColumn.h"

#include <string>

namespace namewright {

struct Favourite {
    std::string familyText; ///< the family name as listed
    std::string given;      ///< the given characters (one or two)
    ResultRowCells cells;   ///< the nine cells of the name's first listed row
    BirthChart chart;       ///< the chart of the series that listed it, for its report
    BirthMomentTexts birth; ///< the birth date and hour that chart was analysed for, as typed
    std::string minute;     ///< the minute box's text at that run (the 节气八字 reads it; empty when not known)
    int stars = 3;          ///< 1..5
    std::string note;       ///< the user's note, any text
    std::string added;      ///< when it was starred, "YYYY-MM-DD HH:MM" local time

    /// The display name: family text and given characters.
    std::string name() const { return familyText + given; }
    bool operator==(const Favourite&) const = default;
};

inline constexpr int kFewestStars = 1;
inline constexpr int kMostStars = 5;

} // namespace namewright
