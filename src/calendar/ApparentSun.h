#pragma once
// The Sun as seen from the centre of the Earth (视太阳), computed with ERFA (the IAU SOFA routines):
//
//   - Earth's heliocentric and barycentric position and velocity: eraEpv00 (VSOP2000-fitted series);
//   - light time: the Sun's barycentric position moved back along its barycentric velocity by the light time;
//   - annual aberration: eraAb with Earth's barycentric velocity (no light deflection: it is the Sun itself);
//   - frame bias, precession and nutation to the true equator and equinox of date: eraPn06 (IAU 2006 precession)
//     with the IAU 2000B nutation (eraNut00b). Over 1880-2062 it stays within 3 mas of IAU 2000A, 0.07 s in a
//     solar-term moment, and costs a twentieth as much, which keeps the table of all terms well under a second;
//   - ecliptic of date: a rotation by the true obliquity (mean obliquity of IAU 2006 plus the nutation in obliquity).
//
// Times are TT Julian days (TimeScales.h); TDB - TT is neglected. Angles are radians. Pure, safe from any thread.

namespace namewright {

struct ApparentSun {
    double eclipticLongitude = 0.0; ///< apparent geocentric longitude, ecliptic and true equinox of date, [0, 2 pi)
    double rightAscension = 0.0;    ///< apparent right ascension, true equator and equinox of date, [0, 2 pi)
    double distance = 0.0;          ///< geometric distance at the light-time corrected moment, au
};

ApparentSun apparentSunAt(double ttJulianDay);

/// The equation of time (时差) at the UT1 instant `utJulianDay` (TT `ttJulianDay`): apparent solar time minus mean
/// solar time, in minutes, from Greenwich apparent sidereal time (eraGst06 on the same precession-nutation matrix) and
/// the Sun's apparent right ascension: E = GAST - RA + 12 h - UT1, reduced to -12 h .. 12 h. About -14.2 min in
/// mid-February and +16.4 min early in November.
double equationOfTimeMinutes(double utJulianDay, double ttJulianDay);

} // namespace namewright
