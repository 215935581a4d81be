#pragma once
// The two display texts of the calendar engine (农历文本 and 四柱文本), UTF-8, printed here and nowhere else. Their
// spacing and their GBK byte positions are part of what the windows and the reports show.
//
// Lunar date text: "2010年  寅虎年 正月 初一 辰时"
//   lunar year, "年", two spaces, [era year "年 " for lunar years 1881..1948,] year branch and animal, "年 ",
//   [闰] month name "月 ", day name, " ", hour branch, "时". For lunar years 1949..2060 the year branch sits at GBK
//   bytes 9-10 and the animal at 11-12 (counted from 1). Era years: 光绪七 (1881) .. 光绪三十四 (1908), 宣统元
//   (1909), 宣统二, 宣统三, 民国元 (1912), 民国二 .. 民国三十七 (1948).
// Four pillars text: "庚寅年 戊寅月 乙未日 庚辰时", always 27 GBK bytes, with the year pillar at bytes 1-4, month
//   8-11, day 15-18, hour 22-25.
//
// `ConvertToLunarText` and `ConvertToFourPillars` are the calendar's two operations and keep their upper-camel names
// (as `ChineseNumeral` does); the helpers this program adds are camelCase (lunarMonthName, lunarDayName).
//
// Both operations take the Gregorian date and the hour (0..23) as entered. Each first gives the year warning
// (CheckYearRange of the whole date: a year outside 1881..2060 or a date that does not exist), then answers
// "1881-2060" for any date SolarToLunar does not convert: before 1881-01-30, after 2060-12-31, or not a real date
// (month 13, 30 February, 31 April). An hour outside 0..23 reads as 子 (see
// HourBranch). Pure apart from the warning; safe to call from any thread.

#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"
#include "calendar/YearWarning.h"

#include <optional>
#include <string>
#include <string_view>

namespace namewright {

/// The answer of both operations for a date they do not convert.
inline constexpr std::string_view kOutOfRangeText = "1881-2060";

std::string ConvertToLunarText(int year, int month, int day, int hour, const YearWarningHandler& warn = {});
std::string ConvertToFourPillars(int year, int month, int day, int hour, const YearWarningHandler& warn = {});

/// The same two texts printed from values, without the year warning: the lunar date text of a converted date and the
/// branch of the birth hour (HourBranch), and the four pillars text of the pillars. An out-of-range date and no
/// pillars give "1881-2060".
std::string ConvertToLunarText(const LunarDate& date, EarthlyBranch hourBranch);
std::string ConvertToFourPillars(const std::optional<FourPillars>& pillars);

/// The month as the lunar date text names it: "正月", "二月" .. "十月", "冬月", "腊月", with "闰" in front for a leap
/// month ("闰四月"). Empty for an out-of-range date.
std::string lunarMonthName(const LunarDate& date);

/// The day as the lunar date text names it: "初一" .. "初十", "十一" .. "十九", "廿十", "廿一" .. "廿九", "三十".
/// Empty for an out-of-range date.
std::string lunarDayName(const LunarDate& date);

/// `ChineseNumeral`, the numeral of the era years, 1..99: 一 .. 九, 一十, 一十一 .. 一十九, 二十, 二十一 .. 九十九.
/// Empty outside.
std::string ChineseNumeral(int n);

} // namespace namewright
