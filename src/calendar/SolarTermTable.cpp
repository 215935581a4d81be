#include "calendar/BuiltSolarTerms.h"
#include "calendar/SolarTerms.h"

#include <algorithm>

namespace namewright {

namespace {

/// Minutes between two terms at the Sun's mean pace: a tropical year of 365.2422 days over 24.
constexpr double kMeanTermMinutes = 365.2422 * 1440.0 / kSolarTermCount;

/// The index of the first built moment after a minute count (the table's size when none is). The terms stray a few
/// days at most from the mean pace (the equation of the centre is under two days), so the estimate from it lands on
/// or next to the entry and the walks take a step or two; a binary search over the whole table costs a cache miss
/// for each of its thirteen steps. The walks alone make the answer right, whatever the estimate.
std::size_t firstMomentAfter(long long minuteCount) {
    const std::span<const SolarTermMoment> all(kBuiltSolarTerms);
    const double pace = static_cast<double>(minuteCount - all.front().minuteCount) / kMeanTermMinutes;
    std::size_t i = pace <= 0.0 ? 0 : std::min(all.size(), static_cast<std::size_t>(pace));
    while (i > 0 && all[i - 1].minuteCount > minuteCount) {
        --i;
    }
    while (i < all.size() && all[i].minuteCount <= minuteCount) {
        ++i;
    }
    return i;
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
    // The moments at or before the count end where those after it begin; the nearest 节 is one of the last two.
    for (std::size_t i = firstMomentAfter(minuteCount); i > 0; --i) {
        if (isSectionalTerm(kBuiltSolarTerms[i - 1].term)) {
            return kBuiltSolarTerms[i - 1];
        }
    }
    return std::nullopt;
}

std::optional<SolarTermMoment> SolarTermTable::sectionalTermAfter(long long minuteCount) const {
    for (std::size_t i = firstMomentAfter(minuteCount); i < kBuiltSolarTerms.size(); ++i) {
        if (isSectionalTerm(kBuiltSolarTerms[i].term)) {
            return kBuiltSolarTerms[i];
        }
    }
    return std::nullopt;
}

} // namespace namewright
