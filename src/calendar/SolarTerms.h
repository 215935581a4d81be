#pragma once
// Moments of the solar terms (节气时刻): the instant the Sun's apparent geocentric ecliptic longitude (true equinox of
// date, ApparentSun.h) reaches the term's longitude, found by the secant method to 1e-7 day (0.01 s) in TT, then
// carried to Beijing civil time (TimeScales.h).
//
// To the minute: the Beijing moment rounded to the nearest minute, half a minute up, as almanacs and the
// observatories' tables print it (立春 2024 at 16:26:53 is 16:27). A birth entered to the minute M counts as on or
// after a term exactly when M is at or after the term's minute; that is, when the middle of the birth minute is at
// or after the exact moment.

#include "calendar/BeijingTime.h"
#include "calendar/GregorianDate.h"
#include "calendar/SolarTerm.h"

#include <optional>
#include <span>

namespace namewright {

/// The years the command line lists and the solar-term chart takes births from (SolarTermPillars.h).
inline constexpr int kFirstSolarTermYear = 1881;
inline constexpr int kLastSolarTermYear = 2061;

/// The years computeSolarTerm accepts: those of the delta T polynomials (TimeScales.h), less one at each end.
inline constexpr int kFirstComputableSolarTermYear = 1861;
inline constexpr int kLastComputableSolarTermYear = 2149;

struct SolarTermMoment {
    SolarTerm term = SolarTerm::MinorCold;
    int year = 0;                  ///< the Gregorian year the term falls in
    double ttJulianDay = 0.0;      ///< the exact moment in TT
    double civilUtJulianDay = 0.0; ///< the same moment in civil UT (Beijing time less eight hours)
    BeijingTime minute;            ///< Beijing time to the nearest minute
    long long minuteCount = 0;     ///< minute count of `minute` (BeijingTime.h)
    bool operator==(const SolarTermMoment&) const = default;
};

/// Computes the moment of `term` in Gregorian year `year` afresh (about a dozen evaluations of the apparent Sun, some
/// 90 microseconds). Nothing for a year outside kFirstComputableSolarTermYear..kLastComputableSolarTermYear.
std::optional<SolarTermMoment> computeSolarTerm(int year, SolarTerm term);

/// The 24 moments of every year from 1880 to 2100: those of kFirstSolarTermYear..kLastSolarTermYear with their
/// neighbours (a birth in early January 1881 or late December 2061 finds its month) and the years to 2100 beside them.
/// The moments are computeSolarTerm's, computed when the program was built (BuiltSolarTerms.h) and read as constant
/// data: nothing is computed at run time, and any thread may read the table at any time. Years outside it are
/// computeSolarTerm's alone.
class SolarTermTable {
public:
    static const SolarTermTable& instance();

    static constexpr int kFirstYear = kFirstSolarTermYear - 1;
    static constexpr int kLastYear = 2100;
    static constexpr int kYearCount = kLastYear - kFirstYear + 1;

    /// The 24 moments of a year from 小寒 to 冬至; empty outside kFirstYear..kLastYear.
    std::span<const SolarTermMoment> year(int year) const;

    /// The moment of one term; nothing outside kFirstYear..kLastYear.
    std::optional<SolarTermMoment> moment(int year, SolarTerm term) const;

    /// The term whose Beijing moment (to the minute) falls on the date; nothing when none does (two never do).
    std::optional<SolarTermMoment> termOnDay(const GregorianDate& date) const;

    /// The last 节 at or before a minute count (see the rule above); nothing before the table's first 节.
    std::optional<SolarTermMoment> sectionalTermAtOrBefore(long long minuteCount) const;

    /// The first 节 after a minute count; nothing after the table's last 节.
    std::optional<SolarTermMoment> sectionalTermAfter(long long minuteCount) const;

private:
    SolarTermTable() = default;
};

} // namespace namewright
