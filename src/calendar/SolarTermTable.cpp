#include "calendar/BuiltSolarTerms.h"
#include "calendar/SolarTerms.h"

#include <algorithm>

namespace namewright {

namespace {

/// The first built moment after a minute count (end() when none is).
std::span<const SolarTermMoment>::iterator firstMomentAfter(long long minuteCount) {
    const std::span<const SolarTermMoment> all(kBuiltSolarTerms);
    return std::upper_bound(all.begin(), all.end(), minuteCount,
                            [](long long count, const SolarTermMoment& moment) { return count < moment.minuteCount; });
}

} // namespace

const SolarTermTable& SolarTermTable::instance() {
    static const SolarTermTable table;
    return table;
}

std::span<const SolarTermMoment> SolarTermTable::year(int year) const {
    if (year < kFirstYear || year > kLastYear) {
        return {};
    }
    return std::span<const SolarTermMoment>(kBuiltSolarTerms)
        .subspan(static_cast<std::size_t>(year - kFirstYear) * kSolarTermCount, kSolarTermCount);
}

std::optional<SolarTermMoment> SolarTermTable::moment(int year, SolarTerm term) const {
    const auto moments = this->year(year);
    if (moments.empty()) {
        return std::nullopt;
    }
    return moments[static_cast<std::size_t>(solarTermIndex(term))];
}

std::optional<SolarTermMoment> SolarTermTable::termOnDay(const GregorianDate& date) const {
    for (const SolarTermMoment& moment : year(date.year)) {
        if (moment.minute.date == date) {
            return moment;
        }
    }
    return std::nullopt;
}

std::optional<SolarTermMoment> SolarTermTable::sectionalTermAtOrBefore(long long minuteCount) const {
    const std::span<const SolarTermMoment> all(kBuiltSolarTerms);
    // The moments at or before the count end where those after it begin; the nearest 节 is one of the last two.
    for (auto it = firstMomentAfter(minuteCount); it != all.begin();) {
        --it;
        if (isSectionalTerm(it->term)) {
            return *it;
        }
    }
    return std::nullopt;
}

std::optional<SolarTermMoment> SolarTermTable::sectionalTermAfter(long long minuteCount) const {
    const std::span<const SolarTermMoment> all(kBuiltSolarTerms);
    for (auto it = firstMomentAfter(minuteCount); it != all.end(); ++it) {
        if (isSectionalTerm(it->term)) {
            return *it;
        }
    }
    return std::nullopt;
}

} // namespace namewright
