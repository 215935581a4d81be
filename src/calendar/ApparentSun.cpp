#include "calendar/ApparentSun.h"

#include "calendar/TimeScales.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <numbers>

namespace namewright {

namespace {

constexpr double kSpeedOfLightAuPerDay = ERFA_CMPS * kSecondsPerDay / ERFA_DAU;

struct TrueOfDate {
    double sun[3] = {0.0, 0.0, 0.0}; ///< unit vector to the apparent Sun, true equator and equinox of date
    double trueObliquity = 0.0;
    double distance = 0.0;
    double rbpn[3][3] = {};
};

TrueOfDate apparentSunTrueOfDate(double ttJulianDay) {
    // Two-part dates keep the fraction of the day precise in the ERFA series.
    const double date1 = kJ2000;
    const double date2 = ttJulianDay - kJ2000;

    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(date1, date2, heliocentric, barycentric);

    TrueOfDate result;
    double sunVelocity[3];
    double towardsSun[3];
    for (int i = 0; i < 3; ++i) {
        sunVelocity[i] = barycentric[1][i] - heliocentric[1][i];
        towardsSun[i] = -heliocentric[0][i];
    }
    // The Sun moves about 13 m/s around the barycentre, so one light-time step is exact to far below a milliarcsecond.
    const double lightTime = eraPm(towardsSun) / kSpeedOfLightAuPerDay;
    for (int i = 0; i < 3; ++i) {
        towardsSun[i] -= lightTime * sunVelocity[i];
    }
    double direction[3];
    eraPn(towardsSun, &result.distance, direction);

    double velocity[3];
    eraSxp(1.0 / kSpeedOfLightAuPerDay, barycentric[1], velocity);
    const double bm1 = std::sqrt(1.0 - eraPm(velocity) * eraPm(velocity));
    double aberrated[3];
    eraAb(direction, velocity, result.distance, bm1, aberrated);

    double dpsi = 0.0;
    double deps = 0.0;
    eraNut00b(date1, date2, &dpsi, &deps);
    double meanObliquity = 0.0;
    double rb[3][3];
    double rp[3][3];
    double rbp[3][3];
    double rn[3][3];
    eraPn06(date1, date2, dpsi, deps, &meanObliquity, rb, rp, rbp, rn, result.rbpn);
    eraRxp(result.rbpn, aberrated, result.sun);
    result.trueObliquity = meanObliquity + deps;
    return result;
}

} // namespace

ApparentSun apparentSunAt(double ttJulianDay) {
    TrueOfDate sun = apparentSunTrueOfDate(ttJulianDay);
    double ecliptic[3];
    double rotation[3][3];
    eraIr(rotation);
    eraRx(sun.trueObliquity, rotation);
    eraRxp(rotation, sun.sun, ecliptic);
    ApparentSun result;
    result.eclipticLongitude = eraAnp(std::atan2(ecliptic[1], ecliptic[0]));
    result.rightAscension = eraAnp(std::atan2(sun.sun[1], sun.sun[0]));
    result.distance = sun.distance;
    return result;
}

double equationOfTimeMinutes(double utJulianDay, double ttJulianDay) {
    TrueOfDate sun = apparentSunTrueOfDate(ttJulianDay);
    const double rightAscension = std::atan2(sun.sun[1], sun.sun[0]);
    const double ut1 = utJulianDay - kJ2000;
    const double sidereal = eraGst06(kJ2000, ut1, kJ2000, ttJulianDay - kJ2000, sun.rbpn);
    // UT1 as an angle: 0 at Greenwich midnight.
    const double dayFraction = (utJulianDay - 0.5) - std::floor(utJulianDay - 0.5);
    const double equation =
        eraAnpm(sidereal - rightAscension + std::numbers::pi - 2.0 * std::numbers::pi * dayFraction);
    return equation * 1440.0 / (2.0 * std::numbers::pi);
}

} // namespace namewright
