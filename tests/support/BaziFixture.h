#pragma once
// A `bazi` table for chart tests: every pair of the 60-pair cycle with the elements of its stem and branch and its
// nayin, by the usual tables (written out here, independently of the program's own tables).

#include "db/Rows.h"
#include "support/TempDatabase.h"

#include <set>
#include <string>

namespace namewright::testing {

/// The text of pair `position` 1..60 (1 甲子, 2 乙丑 .. 60 癸亥).
std::string pairText(int position);

/// The row of pair `position` 1..60: elements such as "木水" for 甲子 and nayin such as "海中金".
BaziRow baziRowOf(int position);

/// Writes the rows of all 60 pairs except the positions listed.
void fillBazi(TempDatabase& file, const std::set<int>& leaveOut = {});

} // namespace namewright::testing
