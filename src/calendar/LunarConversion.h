#pragma once
// Gregorian-to-lunar conversion (公历转农历) and the year warning of the calendar engine.
//
// Names: the calendar's own operations keep their upper-camel names (`CheckYearRange`, `SolarToLunar`); the helpers
// this program adds are camelCase (isConvertibleDate).

#include "calendar/LunarDate.h"
#include "calendar/YearWarning.h"

namespace namewright {

/// The year warning: calls `warn` (when it is set) if year lies outside 1881..2060, and does nothing else. Callers
/// carry on with their conversion either way; its own range test decides the outcome.
void CheckYearRange(int year, const YearWarningHandler& warn);

/// The year warning of a whole date, the one the two display texts give: calls `warn` once when the year lies outside
/// 1881..2060 or the date does not exist (month outside 1..12, day outside 1..the month's length, so 2011-02-30,
/// 2011-04-31 and 2023-02-29 warn), and does nothing else. A real date of 1881 before 1881-01-30 does not warn,
/// although SolarToLunar does not convert it.
void CheckYearRange(int year, int month, int day, const YearWarningHandler& warn);

/// True when year-month-day is a real Gregorian date from 1881-01-30 to 2060-12-31, the dates SolarToLunar converts.
bool isConvertibleDate(int year, int month, int day);

/// The lunar date of a Gregorian date. Any date that is not convertible (see above) gives an out-of-range result,
/// for every int value of the arguments. A day that no month of its lunar year record describes would give one too;
/// the table has no such day (checked when it is compiled and by a sweep test), so 2029-02-13, which some copies of
/// the table leave without a month, is 2029 正月初一. Shows no warning; pure and safe to call from any thread.
LunarDate SolarToLunar(int year, int month, int day);

} // namespace namewright
