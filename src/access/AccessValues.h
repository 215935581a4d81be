#pragma once
// Texts of the Access values SQLite has no type for: dates and currency amounts.

#include <cstdint>
#include <optional>
#include <string>

namespace namewright {

/// An Access date and time as "YYYY-MM-DD HH:MM:SS" (proleptic Gregorian calendar, no time zone), rounded to the
/// second. Access stores whole days since 1899-12-30 in the integer part and the time of day as the absolute value
/// of the fraction, so -1.25 is 1899-12-29 06:00:00. std::nullopt outside the range Access accepts, 100-01-01 to
/// 9999-12-31 23:59:59, and for a value that is not a number.
std::optional<std::string> accessDateText(double days);

/// An Access currency amount, stored as a count of ten-thousandths, written exactly with four decimals and a dot:
/// 35000 is "3.5000", -1 is "-0.0001".
std::string currencyText(std::int64_t tenThousandths);

} // namespace namewright
