#include "calendar/TimeScales.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace namewright {

namespace {

/// TAI - UTC from ERFA's table, when the table answers without doubt for that UTC instant.
bool leapSecondOffset(double utcJulianDay, double& taiMinusUtc) {
    int year = 0;
    int month = 0;
    int day = 0;
    double fraction = 0.0;
    if (eraJd2cal(utcJulianDay, 0.0, &year, &month, &day, &fraction) != 0) {
        return false;
    }
    // Status 1 is ERFA's "dubious year": before 1960, or beyond the years its table vouches for.
    return eraDat(year, month, day, fraction, &taiMinusUtc) == 0;
}

constexpr double kTtMinusTai = 32.184;

} // namespace

double decimalYearOf(double julianDay) {
    return 2000.0 + (julianDay - 2451544.5) / 365.2425;
}

double espenakMeeusDeltaT(double decimalYear) {
    const double y = std::clamp(decimalYear, 1860.0, 2150.0);
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174.0;
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

TimeScaleOffset ttMinusCivilUt(double utJulianDay) {
    double taiMinusUtc = 0.0;
    if (leapSecondOffset(utJulianDay, taiMinusUtc)) {
        return TimeScaleOffset{kTtMinusTai + taiMinusUtc, DeltaTSource::LeapSeconds};
    }
    return TimeScaleOffset{espenakMeeusDeltaT(decimalYearOf(utJulianDay)), DeltaTSource::EspenakMeeus};
}

double ttOfCivilUt(double utJulianDay) {
    return utJulianDay + ttMinusCivilUt(utJulianDay).seconds / kSecondsPerDay;
}

double civilUtOfTt(double ttJulianDay) {
    // The offset changes by far less than a second within a minute, so two rounds reach the fixed point.
    double ut = ttJulianDay - 69.0 / kSecondsPerDay;
    for (int round = 0; round < 3; ++round) {
        ut = ttJulianDay - ttMinusCivilUt(ut).seconds / kSecondsPerDay;
    }
    return ut;
}

} // namespace namewright
