#pragma once
// Reading the values of options. Each reader gives the value, or the one-line reason it refuses the text.

#include "calendar/GregorianDate.h"
#include "chart/ChartAnalysis.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace namewright::cli {

template <typename Value> struct Checked {
    std::optional<Value> value;
    std::string error; ///< set when value is empty
};

/// A date "YYYY-MM-DD" (month and day may have one digit) that exists and lies in a year firstYear..lastYear.
Checked<GregorianDate> calendarDate(std::string_view text, int firstYear, int lastYear);

/// A birth date as calendarDate() reads it, in a year 1881..2060. A date from 1881-01-01 to 1881-01-29 is accepted:
/// the calendar answers it with its out-of-range texts.
Checked<GregorianDate> birthDate(std::string_view text);

/// A birth hour 0..23.
Checked<int> birthHour(std::string_view text);

/// A birth minute 0..59.
Checked<int> birthMinute(std::string_view text);

/// A year of one to four digits within firstYear..lastYear.
Checked<int> yearNumber(std::string_view text, int firstYear, int lastYear);

/// A longitude in degrees east, -180..180: an optional sign, digits and an optional fraction ("116.4", "-73.5").
Checked<double> longitudeDegrees(std::string_view text);

/// The date and hour as the four texts the chart analysis reads.
BirthMomentTexts momentTexts(const GregorianDate& date, int hour);

/// A whole number in decimal digits only, from 0 to `largest`.
Checked<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t largest);

/// True when the text is well-formed UTF-8.
bool isUtf8(std::string_view text);

} // namespace namewright::cli
