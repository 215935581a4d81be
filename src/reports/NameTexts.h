#pragma once
// The nine texts of a scored name, in the order of the result grid's columns: name, score, heaven, person, earth,
// outer, total, three-talents key, element text. Numbers are decimal text without leading zeros. The evaluation
// hands these to the explanation builder; a result row holds the same nine texts as its cells.

#include "naming/NameScoring.h"
#include "naming/ResultColumn.h"

namespace namewright {

/// The nine texts of a scored name.
ResultRowCells nameTexts(const ScoredName& name);

} // namespace namewright
