#pragma once
// The sexagenary pillars (四柱): stem-branch pairs for the year, month, day and hour of a birth.
//
// Counting rules on fixed reference points, no solar terms: the year pillar changes on the lunar new year, the
// month pillar on day 1 of each lunar month (a leap month keeps the pillar of its regular month), the day pillar at
// midnight (also for a birth at 23 o'clock) and the hour pillar every two hours.
//
// Reference points: lunar year 1881 is 辛巳, its month 1 is 庚寅, and 1881-01-30 (day count 1) is 甲子.
// All pillars are views of constant tables; an empty view stands for a missing pillar.

#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"

#include <array>
#include <string_view>

namespace namewright {

/// The texts of the 天干 (HeavenlyStem), stem number n at element n - 1: element 0 is 甲.
extern const std::array<std::string_view, 10> kHeavenlyStems;
/// The texts of the 地支 (EarthlyBranch), branch number n at element n - 1: element 0 is 子.
extern const std::array<std::string_view, 12> kEarthlyBranches;

/// Entry i (1..60) of the 60-pair cycle (六十甲子): stem i mod 10 and branch i mod 12, a remainder 0 read as 10 and 12
/// (1 甲子, 2 乙丑, 11 甲戌, 60 癸亥). Any other i gives an empty text.
std::string_view cycleEntry(int i);

enum class CycleKind { Year, Month, Day };

/// The cycle entry (n + offset) mod 60, a remainder 0 read as 60, with offset 18 for a year index, 26 for a month
/// index and 0 for a day count. Defined for every int n (a negative n counts backwards).
std::string_view CycleName(int n, CycleKind kind);

/// The pillars of a converted date; empty for an out-of-range LunarDate.
std::string_view YearPillar(const LunarDate& date);
std::string_view MonthPillar(const LunarDate& date);
std::string_view DayPillar(const LunarDate& date);

/// The branch of a birth hour: 23 and 0 are 子, 1-2 丑, 3-4 寅 ... 21-22 亥. Any hour above 22 or below 1 is 子.
EarthlyBranch HourBranch(int hour);

/// The hour pillar: the branch of the hour and the stem that the day stem gives the 子 hour (甲/己 day: 甲子,
/// 乙/庚: 丙子, 丙/辛: 戊子, 丁/壬: 庚子, 戊/癸: 壬子), counted on through the hours. The day stem is the first
/// character of dayPillar; a text that does not begin with a stem (for example an empty one) gives an empty pillar.
std::string_view HourPillar(std::string_view dayPillar, int hour);

/// The hour pillar for a day stem given by its index 1..10 (1 for 甲); an index outside gives an empty pillar.
std::string_view hourPillarOfDayStem(int dayStem, int hour);

/// Cycle position 1..60 of a pillar of a converted date (the index of its entry in cycleEntry); 0 out of range.
int yearCyclePosition(const LunarDate& date);
int dayCyclePosition(const LunarDate& date);

} // namespace namewright
