#include "access/AccessValues.h"

#include <cmath>
#include <cstdio>

namespace namewright {

namespace {

constexpr double kFirstDay = -657434.0;      // 100-01-01
constexpr double kLastDay = 2958465.0;       // 9999-12-31
constexpr long long kEpochFromUnix = -25569; // 1899-12-30 counted from 1970-01-01
constexpr long long kSecondsPerDay = 86400;

struct CivilDate {
    long long year;
    unsigned month;
    unsigned day;
};

/// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's civil_from_days).
CivilDate civilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const long long year = static_cast<long long>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return CivilDate{year, month, day};
}

} // namespace

std::optional<std::string> accessDateText(double days) {
    if (!std::isfinite(days) || days <= kFirstDay - 1.0 || days >= kLastDay + 1.0) {
        return std::nullopt;
    }
    const double wholeDays = std::trunc(days);
    auto day = static_cast<long long>(wholeDays);
    long long seconds = std::llround(std::fabs(days - wholeDays) * static_cast<double>(kSecondsPerDay));
    if (seconds == kSecondsPerDay) { // 23:59:59.6 rounds into the next day, whichever the sign of the day count
        seconds = 0;
        ++day;
    }
    if (day < static_cast<long long>(kFirstDay) || day > static_cast<long long>(kLastDay)) {
        return std::nullopt;
    }
    const CivilDate date = civilFromDays(day + kEpochFromUnix);
    const auto second = static_cast<int>(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year), date.month, date.day,
                  second / 3600, second / 60 % 60, second % 60);
    return std::string(text);
}

std::string currencyText(std::int64_t tenThousandths) {
    const bool negative = tenThousandths < 0;
    const auto magnitude =
        negative ? 0 - static_cast<std::uint64_t>(tenThousandths) : static_cast<std::uint64_t>(tenThousandths);
    char text[32];
    std::snprintf(text, sizeof text, "%s%llu.%04llu", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 10000),
                  static_cast<unsigned long long>(magnitude % 10000));
    return std::string(text);
}

} // namespace namewright
