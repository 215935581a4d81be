#pragma once
// The moments of every solar term of SolarTermTable's years (1880-2100), computed by computeSolarTerm when the program
// is built: tools/make_solar_term_table.cpp runs it at build time and writes the results, to the last bit, as constant
// data into the build folder (BuiltSolarTerms.cpp there), which the calendar library compiles. The generator links the
// very object code of computeSolarTerm that the program links, with the same ERFA, so each entry is what a fresh
// computation gives; SolarTermsTest holds every entry against one. No table is committed: changing the computation
// changes the table with the next build.

#include "calendar/SolarTerms.h"

#include <array>
#include <cstddef>

namespace namewright {

inline constexpr std::size_t kBuiltSolarTermCount =
    static_cast<std::size_t>(SolarTermTable::kYearCount) * static_cast<std::size_t>(kSolarTermCount);

/// Year by year from 小寒 to 冬至: the term i of year Y at (Y - SolarTermTable::kFirstYear) * 24 + i. In time order.
extern const std::array<SolarTermMoment, kBuiltSolarTermCount> kBuiltSolarTerms;

} // namespace namewright
