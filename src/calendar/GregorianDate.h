#pragma once
// Gregorian calendar dates (公历日期) and the day count the calendar engine runs on. Every piece of civil-date
// arithmetic in the program (the calendar engine and the Access date values) goes through std::chrono's calendar
// types here: std::chrono::year_month_day for a date, std::chrono::sys_days for a day on a continuous count.
//
// Day count: whole days since 1881-01-29, so 1881-01-30 (the first day the lunar year table describes) is day 1 and
// 2060-12-31 (the last day the engine converts) is day 65715. Dates are proleptic Gregorian, at midnight.

#include <chrono>
#include <compare>
#include <optional>

namespace namewright {

struct GregorianDate {
    int year = 0;
    int month = 0; ///< 1..12
    int day = 0;   ///< 1..31
    constexpr bool operator==(const GregorianDate&) const = default;
    // clang-tidy 14 mistakes the defaulted comparison's 0 for a null pointer.
    constexpr auto operator<=>(const GregorianDate&) const = default; // NOLINT(modernize-use-nullptr)
};

/// The civil date of year-month-day, or nothing when it does not exist (month 13, 30 February, 31 April) or the
/// year lies outside the range of std::chrono::year (-32767..32767). Defined for every int value of the arguments.
constexpr std::optional<std::chrono::year_month_day> civilDate(int year, int month, int day) {
    if (year < -32767 || year > 32767 || month < 1 || month > 12 || day < 1 || day > 31) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

/// True when month is 1..12 and day exists in that month (no 13th month, no 30 February, no 31 April).
constexpr bool isRealGregorianDate(int year, int month, int day) {
    return civilDate(year, month, day).has_value();
}

/// Days in the month, or 0 for a month outside 1..12 (or a year outside -32767..32767).
constexpr int daysInGregorianMonth(int year, int month) {
    if (!civilDate(year, month, 1)) {
        return 0;
    }
    const std::chrono::year_month_day_last last{
        std::chrono::year{year}, std::chrono::month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

/// The date of a day on the continuous count of std::chrono::sys_days.
constexpr GregorianDate gregorianDateOf(std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    return GregorianDate{static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                         static_cast<int>(static_cast<unsigned>(date.day()))};
}

/// Day 0 of the day count: 1881-01-29.
inline constexpr std::chrono::sys_days kDayCountOrigin{std::chrono::year{1881} / std::chrono::January / 29};

/// Day count of a date (see above): 1881-01-30 gives 1, 1881-01-29 gives 0. The date must be real, with a year in
/// -32767..32767.
constexpr int dayCountOf(int year, int month, int day) {
    const std::chrono::sys_days date{std::chrono::year{year} / std::chrono::month{static_cast<unsigned>(month)} /
                                     std::chrono::day{static_cast<unsigned>(day)}};
    return static_cast<int>((date - kDayCountOrigin).count());
}

constexpr int dayCountOf(const GregorianDate& date) {
    return dayCountOf(date.year, date.month, date.day);
}

/// The date of a day count (inverse of dayCountOf), for day counts within ±30000 years of 1881.
constexpr GregorianDate dateOfDayCount(int dayCount) {
    return gregorianDateOf(kDayCountOrigin + std::chrono::days{dayCount});
}

} // namespace namewright
