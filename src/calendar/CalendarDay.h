#pragma once
// One day of the lunar calendar window (农历日历): its lunar date, the solar term that falls on it, its festival and
// its day pillar, and the text its cell shows.
//
// The cell text (mark): the festival's name where the day has one; else the solar term's name where a term falls on
// it; else the lunar caption the window has always shown (the month's name on day 1 of a lunar month, 正月 or
// 闰四月, else the day's name, 初二 .. 三十). A term falls on the day that holds its Beijing moment to the minute
// (SolarTerms.h).

#include "calendar/Festival.h"
#include "calendar/GregorianDate.h"
#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"

#include <optional>
#include <string>

namespace namewright {

/// Which of the three kinds of text a day's cell shows (the window colours festivals and terms).
enum class CalendarMark { LunarDay, SolarTerm, Festival };

struct CalendarDay {
    GregorianDate date;
    LunarDate lunar;
    std::string lunarMonthName; ///< "正月" .. "腊月", "闰四月"
    std::string lunarDayName;   ///< "初一" .. "三十" as LunarTexts.h, but day 20 is "二十" (not 廿十)
    std::string lunarCaption;   ///< month name on day 1, else the day name
    std::optional<SolarTermMoment> solarTerm; ///< the term on this day, with its moment
    std::optional<Festival> festival;
    SexagenaryPair dayPillar = SexagenaryPair::fromPosition(1); ///< 1881-01-30 is 甲子
    CalendarMark mark = CalendarMark::LunarDay;
    std::string markText; ///< the cell text (see above)
};

/// The calendar day of a Gregorian date; nothing for a date the lunar conversion does not cover (not real, or
/// outside 1881-01-30..2060-12-31, LunarConversion.h).
std::optional<CalendarDay> calendarDayOf(const GregorianDate& date);

/// The tooltip lines of a day, joined by "\n": "农历 甲辰年 正月初一", "日柱 甲辰", and on a term's day
/// "立春 2024-02-04 16:27".
std::string calendarDayTooltip(const CalendarDay& day);

} // namespace namewright
