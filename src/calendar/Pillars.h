#pragma once
// The sexagenary pillars (四柱): stem-branch pairs for the year, month, day and hour of a birth, as values
// (Sexagenary.h); their texts are printed only by the two display texts (LunarTexts.h).
//
// Counting rules on fixed reference points, no solar terms: the year pillar changes on the lunar new year, the
// month pillar on day 1 of each lunar month (a leap month keeps the pillar of its regular month), the day pillar at
// midnight (also for a birth at 23 o'clock) and the hour pillar every two hours.
//
// Reference points: lunar year 1881 is 辛巳, its month 1 is 庚寅, and 1881-01-30 (day count 1) is 甲子.
//
// Names: the calendar's own operations keep their upper-camel names (`CycleName`, `YearPillar`, `MonthPillar`,
// `DayPillar`, `HourBranch`, `HourPillar`); the helpers this program adds are camelCase (fourPillarsOf).

#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"

#include <optional>

namespace namewright {

enum class CycleKind { Year, Month, Day };

/// The cycle entry (n + offset) mod 60, a remainder 0 read as 60, with offset 18 for a year index, 26 for a month
/// index and 0 for a day count. Defined for every int n (a negative n counts backwards).
SexagenaryPair CycleName(int n, CycleKind kind);

/// The pillars of a converted date; nothing for an out-of-range LunarDate.
std::optional<SexagenaryPair> YearPillar(const LunarDate& date);
std::optional<SexagenaryPair> MonthPillar(const LunarDate& date);
std::optional<SexagenaryPair> DayPillar(const LunarDate& date);

/// The branch of a birth hour: 23 and 0 are 子, 1-2 丑, 3-4 寅 ... 21-22 亥. Any hour above 22 or below 1 is 子.
EarthlyBranch HourBranch(int hour);

/// The hour pillar: the branch of the hour and the stem that the day stem gives the 子 hour (甲/己 day: 甲子,
/// 乙/庚: 丙子, 丙/辛: 戊子, 丁/壬: 庚子, 戊/癸: 壬子), counted on through the hours.
SexagenaryPair HourPillar(SexagenaryPair dayPillar, int hour);

/// The four pillars of a converted date and a birth hour (hour as HourBranch reads it); nothing out of range.
std::optional<FourPillars> fourPillarsOf(const LunarDate& date, int hour);

} // namespace namewright
