#pragma once
// The solar-term listing of one year, as `namewright-cli solar-terms --year Y` prints it.

#include <string>
#include <vector>

namespace namewright {

/// The 24 lines "name<TAB>YYYY-MM-DD HH:MM" of year `year`, 小寒 to 冬至, in Beijing time to the minute
/// (SolarTerms.h); no line ends in a newline. Empty for a year outside kFirstSolarTermYear..kLastSolarTermYear.
std::vector<std::string> solarTermLines(int year);

} // namespace namewright
