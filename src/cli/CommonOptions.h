#pragma once
// Options that several commands share, and reading them: the birth moment and texts that must be UTF-8.

#include "chart/ChartAnalysis.h"
#include "cli/Arguments.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace namewright::cli {

inline const Option kDateOption{"--date", "YYYY-MM-DD", "the Gregorian birth date, in a year from 1881 to 2060", true};
inline const Option kHourOption{"--hour", "H", "the birth hour, 0 to 23 (the minute plays no part)", true};

/// The birth moment of --date and --hour as the chart analysis reads it; nothing, with the reason written to `err`,
/// when either is refused.
std::optional<BirthMomentTexts> readBirthMoment(const ParsedArguments& arguments, std::ostream& err);

/// The value of an option that is a text; nothing, with the reason written to `err`, when it is not UTF-8. An option
/// not given reads as the empty text.
std::optional<std::string> readText(const ParsedArguments& arguments, std::string_view option, std::ostream& err);

} // namespace namewright::cli
