#pragma once
// A moment of the civil clock of Beijing (北京时间, UTC+8; see TimeScales.h for the clock before 1960 and after 2026),
// to the minute, and its count of minutes.
//
// Minute count: whole minutes since 1970-01-01 00:00 Beijing time (negative before).

#include "calendar/GregorianDate.h"

#include <compare>
#include <string>

namespace namewright {

struct BeijingTime {
    GregorianDate date;
    int hour = 0;   ///< 0..23
    int minute = 0; ///< 0..59
    constexpr bool operator==(const BeijingTime&) const = default;
    // clang-tidy 14 mistakes the defaulted comparison's 0 for a null pointer.
    constexpr auto operator<=>(const BeijingTime&) const = default; // NOLINT(modernize-use-nullptr)
};

/// True for a real date, an hour 0..23 and a minute 0..59.
constexpr bool isRealBeijingTime(const BeijingTime& time) {
    return isRealGregorianDate(time.date.year, time.date.month, time.date.day) && time.hour >= 0 && time.hour < 24 &&
           time.minute >= 0 && time.minute < 60;
}

constexpr long long minuteCountOf(const BeijingTime& time) {
    const long long unixDay = dayCountOf(time.date) + kDayCountOrigin.time_since_epoch().count();
    return unixDay * 1440 + static_cast<long long>(time.hour) * 60 + time.minute;
}

/// The moment of a minute count (inverse of minuteCountOf), for counts within 500 years of 1881.
constexpr BeijingTime beijingTimeOfMinuteCount(long long minutes) {
    const long long days = (minutes >= 0 ? minutes : minutes - 1439) / 1440;
    const int ofDay = static_cast<int>(minutes - days * 1440);
    const GregorianDate date = gregorianDateOf(std::chrono::sys_days{std::chrono::days{days}});
    return BeijingTime{date, ofDay / 60, ofDay % 60};
}

/// Julian day of civil UT (the clock less eight hours) at the start of a minute count.
constexpr double civilUtJulianDayOfMinuteCount(long long minutes) {
    return 2440587.5 + (static_cast<double>(minutes) - 480.0) / 1440.0;
}

/// "YYYY-MM-DD HH:MM" (years 0..9999; others print with their sign and digits as they are).
std::string beijingTimeText(const BeijingTime& time);

} // namespace namewright
