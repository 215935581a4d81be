#include "access/AccessValues.h"

#include "calendar/GregorianDate.h"

#include <cmath>
#include <cstdio>

namespace namewright {

namespace {

// Access counts whole days from 1899-12-30 and accepts the dates 100-01-01 .. 9999-12-31.
constexpr std::chrono::sys_days kAccessEpoch{std::chrono::year{1899} / std::chrono::December / 30};
constexpr long long kFirstDay = (std::chrono::sys_days{std::chrono::year{100} / 1 / 1} - kAccessEpoch).count();
constexpr long long kLastDay = (std::chrono::sys_days{std::chrono::year{9999} / 12 / 31} - kAccessEpoch).count();
constexpr long long kSecondsPerDay = 86400;

} // namespace

std::optional<std::string> accessDateText(double days) {
    if (!std::isfinite(days) || days <= static_cast<double>(kFirstDay - 1) ||
        days >= static_cast<double>(kLastDay + 1)) {
        return std::nullopt;
    }
    const double wholeDays = std::trunc(days);
    auto day = static_cast<long long>(wholeDays);
    long long seconds = std::llround(std::fabs(days - wholeDays) * static_cast<double>(kSecondsPerDay));
    if (seconds == kSecondsPerDay) { // 23:59:59.6 rounds into the next day, whichever the sign of the day count
        seconds = 0;
        ++day;
    }
    if (day < kFirstDay || day > kLastDay) {
        return std::nullopt;
    }
    const GregorianDate date = gregorianDateOf(kAccessEpoch + std::chrono::days{day});
    const auto second = static_cast<int>(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.year, date.month, date.day, second / 3600,
                  second / 60 % 60, second % 60);
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
