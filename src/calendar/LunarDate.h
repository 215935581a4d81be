#pragma once
// A Chinese lunar date (农历日期) and the counts from which its sexagenary pillars follow.

namespace namewright {

struct LunarDate {
    /// True for a Gregorian date that is not real (month 13, 30 February) or lies outside 1881-01-30..2060-12-31;
    /// every other field is then 0 / false.
    bool outOfRange = true;
    int lunarYear = 0;   ///< the Gregorian year in which the lunar year began (January 2010 before 春节 gives 2009)
    int lunarMonth = 0;  ///< 1..12; a leap month bears the number of the regular month it follows
    bool isLeap = false; ///< the date lies in the leap month (闰月) after `lunarMonth`
    int lunarDay = 0;    ///< 1..30
    int dayCount = 0;    ///< whole days since 1881-01-29: 1881-01-30 gives 1
    int yearIndex = 0;   ///< lunarYear - 1881, 0..179
    int monthIndex = 0;  ///< yearIndex * 12 + lunarMonth; a leap month shares the index of its regular month
    constexpr bool operator==(const LunarDate&) const = default;
};

} // namespace namewright
