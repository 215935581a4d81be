#pragma once
// Time scales of the astronomical calendar: Terrestrial Time (TT), the civil clock of Beijing and the difference
// between them.
//
// Julian days are `double` Julian day numbers of the scale named: JD 2451545.0 is 2000-01-01 12:00 of that scale.
//
// Civil time is the clock of UTC+8 (北京时间). "Civil UT" below means that clock less eight hours:
//   - 1960-01-01 .. 2026-12-31, the span in which ERFA's leap-second table (eraDat of ERFA 2.0.0, as Debian 12 ships
//     it) answers without doubt: civil UT is UTC, and TT - UTC = 32.184 s + (TAI - UTC) from that table (10 s in 1972
//     rising to 37 s from 2017; the drifting offsets of 1960-1971 included);
//   - before 1960 and after 2026: civil UT is UT1, mean solar time of Greenwich (so civil time is the mean time of
//     120 degrees east), and TT - UT1 is delta T by the polynomials of F. Espenak and J. Meeus, "Five Millennium
//     Canon of Solar Eclipses: -1999 to +3000", NASA TP-2006-214141 (2006, public domain), with the decimal year
//     y = 2000 + (JD - 2451544.5) / 365.2425.
// Where both exist they differ by 0.5 s at 1960 and by 6.5 s at 2027 (the polynomials foresee a slower Earth than the
// clock has shown since 2017); the seams are left as they are rather than blended by a rule of our own. UT1 - UTC
// (below 0.9 s) and TDB - TT (below 2 ms) are neglected. Pure functions, safe from any thread.

namespace namewright {

/// Which rule gave TT - civil UT.
enum class DeltaTSource { LeapSeconds, EspenakMeeus };

/// Julian day of 2000-01-01 12:00 (J2000.0) and the seconds of a day.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kSecondsPerDay = 86400.0;

/// Delta T (TT - UT1) in seconds of the Espenak-Meeus polynomials for a decimal year; meant for 1860..2150, where
/// the polynomials used here are defined (a year outside is clamped to that range).
double espenakMeeusDeltaT(double decimalYear);

/// The decimal year of a Julian day: 2000 + (JD - 2451544.5) / 365.2425.
double decimalYearOf(double julianDay);

/// TT - civil UT in seconds at the civil UT instant `utJulianDay`, and the rule that gave it.
struct TimeScaleOffset {
    double seconds = 0.0;
    DeltaTSource source = DeltaTSource::EspenakMeeus;
};
TimeScaleOffset ttMinusCivilUt(double utJulianDay);

/// TT of a civil UT instant.
double ttOfCivilUt(double utJulianDay);

/// Civil UT of a TT instant (the inverse of ttOfCivilUt to well below a millisecond away from the seams).
double civilUtOfTt(double ttJulianDay);

} // namespace namewright
