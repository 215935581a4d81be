#include "calendar/TimeScales.h"
#include "calendar/ApparentSun.h"
#include "calendar/BeijingTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace namewright {
namespace {

double utJulianDay(int year, int month, int day, int hour = 0, int minute = 0) {
    return civilUtJulianDayOfMinuteCount(minuteCountOf(BeijingTime{{year, month, day}, hour, minute})) + 8.0 / 24.0;
}

TEST(EspenakMeeusDeltaT, FollowsTheObservedDeltaT) {
    // Observed delta T at the start of the year (Astronomical Almanac, "Delta T" table), seconds.
    struct Observed {
        double year;
        double seconds;
    };
    for (const Observed& observed : {Observed{1900.0, -2.72}, Observed{1920.0, 21.16}, Observed{1940.0, 24.35},
                                     Observed{1960.0, 33.15}, Observed{1980.0, 50.54}, Observed{2000.0, 63.83}}) {
        EXPECT_NEAR(espenakMeeusDeltaT(observed.year), observed.seconds, 1.0) << observed.year;
    }
}

TEST(EspenakMeeusDeltaT, IsContinuousWhereOnePolynomialHandsOverToTheNext) {
    for (const double seam : {1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0}) {
        EXPECT_NEAR(espenakMeeusDeltaT(seam - 1e-9), espenakMeeusDeltaT(seam), 0.5) << seam;
    }
}

TEST(TimeScales, UseTheLeapSecondTableFrom1960To2026) {
    const TimeScaleOffset now = ttMinusCivilUt(utJulianDay(2024, 6, 1));
    EXPECT_EQ(now.source, DeltaTSource::LeapSeconds);
    EXPECT_DOUBLE_EQ(now.seconds, 69.184);
    // The leap second at the end of June 1972.
    EXPECT_DOUBLE_EQ(ttMinusCivilUt(utJulianDay(1972, 6, 30, 12)).seconds, 42.184);
    EXPECT_DOUBLE_EQ(ttMinusCivilUt(utJulianDay(1972, 7, 1, 12)).seconds, 43.184);
    EXPECT_EQ(ttMinusCivilUt(utJulianDay(1960, 1, 1, 12)).source, DeltaTSource::LeapSeconds);
    EXPECT_EQ(ttMinusCivilUt(utJulianDay(2026, 12, 31, 12)).source, DeltaTSource::LeapSeconds);
}

TEST(TimeScales, UseTheDeltaTPolynomialsOutsideTheLeapSecondTable) {
    const TimeScaleOffset before = ttMinusCivilUt(utJulianDay(1959, 12, 31, 12));
    EXPECT_EQ(before.source, DeltaTSource::EspenakMeeus);
    EXPECT_NEAR(before.seconds, 33.1, 0.5);
    const TimeScaleOffset after = ttMinusCivilUt(utJulianDay(2027, 1, 2));
    EXPECT_EQ(after.source, DeltaTSource::EspenakMeeus);
    EXPECT_NEAR(after.seconds, 75.6, 0.5);
    EXPECT_NEAR(ttMinusCivilUt(utJulianDay(1881, 6, 1)).seconds, -5.6, 1.0);
}

TEST(TimeScales, ConvertToTtAndBackWithinAMillisecond) {
    for (double ut = utJulianDay(1880, 1, 1); ut < utJulianDay(2063, 1, 1); ut += 97.31) {
        EXPECT_NEAR((civilUtOfTt(ttOfCivilUt(ut)) - ut) * kSecondsPerDay, 0.0, 1e-3) << ut;
    }
}

TEST(ApparentSun, MatchesTheWorkedExampleOfMeeus) {
    // J. Meeus, Astronomical Algorithms (2nd ed.), example 25.b, 1992-10-13 0h TD: geometric longitude
    // 199 deg 54' 26.18", nutation +15.908", aberration -20.539", so apparent longitude 199 deg 54' 21.55".
    const double longitude = apparentSunAt(2448908.5).eclipticLongitude * 180.0 / std::numbers::pi;
    EXPECT_NEAR(longitude, 199.0 + 54.0 / 60.0 + 21.55 / 3600.0, 0.5 / 3600.0);
}

TEST(EquationOfTime, MatchesTheWorkedExampleOfMeeus) {
    // Meeus, example 28.b, 1992-10-13 0h TD: E = +13 min 42.6 s. Delta T was 59 s.
    EXPECT_NEAR(equationOfTimeMinutes(2448908.5 - 59.0 / kSecondsPerDay, 2448908.5), 13.71, 0.02);
}

TEST(EquationOfTime, ReachesItsYearlyExtremesInFebruaryAndNovember) {
    const double february = utJulianDay(2024, 2, 11, 12);
    const double november = utJulianDay(2024, 11, 3, 12);
    EXPECT_NEAR(equationOfTimeMinutes(february, ttOfCivilUt(february)), -14.2, 0.1);
    EXPECT_NEAR(equationOfTimeMinutes(november, ttOfCivilUt(november)), 16.4, 0.1);
}

} // namespace
} // namespace namewright
