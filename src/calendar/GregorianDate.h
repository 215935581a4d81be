#pragma once
// Gregorian calendar dates (公历日期) and the day count the calendar engine runs on.
//
// Day count: whole days since 1881-01-29, so 1881-01-30 (the first day the lunar year table describes) is day 1 and
// 2060-12-31 (the last day the engine converts) is day 65715. Dates are proleptic Gregorian, at midnight.

#include <compare>

namespace namewright {

struct GregorianDate {
    int year = 0;
    int month = 0; ///< 1..12
    int day = 0;   ///< 1..31
    constexpr bool operator==(const GregorianDate&) const = default;
    constexpr auto operator<=>(const GregorianDate&) const = default;
};

constexpr bool isGregorianLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

/// Days in the month, or 0 for a month outside 1..12.
constexpr int daysInGregorianMonth(int year, int month) {
    constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isGregorianLeapYear(year) ? 29 : lengths[month - 1];
}

/// True when month is 1..12 and day exists in that month (no 13th month, no 30 February, no 31 April).
constexpr bool isRealGregorianDate(int year, int month, int day) {
    return day >= 1 && day <= daysInGregorianMonth(year, month);
}

/// Days from 1970-01-01 to the date; valid for |year| below a million. Negative before 1970.
constexpr int daysSinceUnixEpoch(int year, int month, int day) {
    // Counts from 1 March so that the leap day is the last day of its year.
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

/// Day count of a date (see above): 1881-01-30 gives 1, 1881-01-29 gives 0. The date must be real.
constexpr int dayCountOf(int year, int month, int day) {
    return daysSinceUnixEpoch(year, month, day) - daysSinceUnixEpoch(1881, 1, 29);
}

constexpr int dayCountOf(const GregorianDate& date) {
    return dayCountOf(date.year, date.month, date.day);
}

/// The date of a day count (inverse of dayCountOf), for day counts within ±500 years of 1881.
constexpr GregorianDate dateOfDayCount(int dayCount) {
    const int z = dayCount + daysSinceUnixEpoch(1881, 1, 29) + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const int year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return GregorianDate{year, month, day};
}

} // namespace namewright
