#include "calendar/SolarTerms.h"

#include "calendar/ApparentSun.h"
#include "calendar/TimeScales.h"

#include <cmath>
#include <numbers>

namespace namewright {

namespace {

constexpr double kTropicalYearDays = 365.2422;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

/// Target longitude minus the Sun's, reduced to (-pi, pi].
double longitudeShortfall(double ttJulianDay, double target) {
    double d = std::remainder(target - apparentSunAt(ttJulianDay).eclipticLongitude, kTwoPi);
    if (d <= -std::numbers::pi) {
        d += kTwoPi;
    }
    return d;
}

/// Beijing minute count of a civil UT Julian day, to the nearest minute with half a minute up.
long long nearestMinuteCount(double civilUtJulianDay) {
    const double minutes = (civilUtJulianDay - 2440587.5) * 1440.0 + 480.0;
    return static_cast<long long>(std::floor(minutes + 0.5));
}

} // namespace

std::optional<SolarTermMoment> computeSolarTerm(int year, SolarTerm term) {
    if (year < kFirstComputableSolarTermYear || year > kLastComputableSolarTermYear) {
        return std::nullopt;
    }
    const double target = solarTermLongitudeDegrees(term) * std::numbers::pi / 180.0;
    // First guess from the mean Sun (280.46 degrees at J2000.0) and the equation of the centre (1.915 sin M), within
    // an hour or two of the moment; the slope of the same model makes the first step land within seconds.
    const double meanDegreesNeeded = 285.0 + 15.0 * solarTermIndex(term) - 280.46;
    double t = kJ2000 + kTropicalYearDays * (year - 2000) + meanDegreesNeeded / 360.0 * kTropicalYearDays;
    for (int round = 0; round < 2; ++round) {
        const double anomaly = (357.529 + 0.98560028 * (t - kJ2000)) * std::numbers::pi / 180.0;
        const double trueLongitude = 280.46 + 0.98564736 * (t - kJ2000) + 1.915 * std::sin(anomaly);
        const double behind = std::remainder(solarTermLongitudeDegrees(term) - trueLongitude, 360.0);
        t += behind / (0.98564736 * (1.0 + 0.0334 * std::cos(anomaly)));
    }
    const double anomaly = (357.529 + 0.98560028 * (t - kJ2000)) * std::numbers::pi / 180.0;
    const double modelRate = 2.0 * std::numbers::pi / kTropicalYearDays * (1.0 + 0.0334 * std::cos(anomaly));

    double previousT = t;
    double previousF = longitudeShortfall(t, target);
    t += previousF / modelRate;
    for (int round = 0; round < 20; ++round) {
        const double f = longitudeShortfall(t, target);
        const double slope = t != previousT ? (f - previousF) / (t - previousT) : modelRate;
        const double step = f / (slope > 0.0 ? slope : modelRate);
        previousT = t;
        previousF = f;
        t += step;
        // The secant method converges faster than quadratically here: a step below 1e-6 day leaves an error far
        // below 1e-7 day (0.01 s).
        if (std::abs(step) < 1e-6) {
            break;
        }
    }

    SolarTermMoment moment;
    moment.term = term;
    moment.year = year;
    moment.ttJulianDay = t;
    moment.civilUtJulianDay = civilUtOfTt(t);
    moment.minuteCount = nearestMinuteCount(moment.civilUtJulianDay);
    moment.minute = beijingTimeOfMinuteCount(moment.minuteCount);
    return moment;
}

} // namespace namewright
