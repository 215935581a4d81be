#pragma once
// The solar-term pillars (节气四柱): the four pillars as almanacs and astrologers count them, shown beside the
// described pillars of Pillars.h (which count from the lunar new year and lunar months) and never in their place.
//
//   year   changes at the moment of 立春: 1984 立春 to 1985 立春 is 甲子, so the pillar of year Y is pair
//          (Y - 1984) mod 60 + 1 of the cycle, Y being the year of the last 立春 before the birth;
//   month  changes at each 节 (SolarTerm.h): the 节 names the branch (立春 寅 .. 小寒 丑) and the year stem the stem of
//          the 寅 month (甲 己 years 丙寅, 乙 庚 戊寅, 丙 辛 庚寅, 丁 壬 壬寅, 戊 癸 甲寅), counted on through the
//          months;
//   day    changes at midnight: the 60-day cycle with 1881-01-30 甲子 (Pillars.h);
//   hour   the branch of the two-hour period (23-0 子, 1-2 丑 .. 21-22 亥) and the stem the day stem gives the 子 hour
//          (甲 己 days 甲子, 乙 庚 丙子, 丙 辛 戊子, 丁 壬 庚子, 戊 癸 壬子), counted on through the hours. The 子 hour
//          begins at 23:00 of the day before: 23:00-23:59 has the pillar of the next day's 子 hour in either choice
//          below, so that 22:30, 23:30 and the next 00:30 are three pairs in a row of the sixty cycle.
//
// The birth is entered to the minute in Beijing time; it is on or after a term when its minute is at or after the
// term's minute (SolarTerms.h). Year and month are always found from that instant; the options below change only the
// clock the day and hour are read from.
//
// Options, each off by default:
//   - the day changes at 23:00 (子时换日, ziHourStartsNextDay): a birth at 23:00-23:59 takes the next day's day
//     pillar and the 子 hour of that day (戊辰 day at 23:30: 己巳 甲子). Off, the day is kept (早晚子时: 23:00-23:59 is
//     the 晚子时 of its own day): the day pillar is that of its date, and the hour pillar the 子 hour whose stem the
//     next day's stem gives (戊辰 day at 23:30: 戊辰 甲子). The described chart keeps its own rule (Pillars.h): there
//     23:00 and 00:00 of a date have the same hour pillar.
//   - true solar time (真太阳时) at a birthplace longitude: the Beijing clock less four minutes for every degree the
//     birthplace lies west of 120 degrees east (more for east of it), plus the equation of time at the birth
//     (ApparentSun.h), floored to the minute. The birth instant is taken at the start of its minute.
//
// The clock is read as UTC+8 throughout: a birth during China's summer time of 1986-1991 is entered one hour earlier
// than the clock showed.

#include "calendar/BeijingTime.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarTerms.h"

#include <optional>

namespace namewright {

/// Births from 1881-01-01 00:00 to 2061-12-31 23:59 have solar-term pillars.
inline constexpr BeijingTime kFirstSolarTermBirth{{1881, 1, 1}, 0, 0};
inline constexpr BeijingTime kLastSolarTermBirth{{2061, 12, 31}, 23, 59};

struct SolarTermPillarOptions {
    bool ziHourStartsNextDay = false;          ///< 子时换日: see above
    std::optional<double> birthplaceLongitude; ///< degrees east, -180..180; set for true solar time
};

/// The correction that turns the Beijing clock into true solar time.
struct TrueSolarTimeCorrection {
    double longitude = 0.0;             ///< degrees east
    double longitudeMinutes = 0.0;      ///< (longitude - 120) * 4
    double equationOfTimeMinutes = 0.0; ///< apparent minus mean solar time at the birth
    BeijingTime solarTime;              ///< the clock reading of true solar time, floored to the minute
};

struct SolarTermPillars {
    FourPillars pillars;
    BeijingTime birth;           ///< as entered
    BeijingTime dayClock;        ///< the clock the day and hour pillars were read from (true solar time or birth)
    GregorianDate pillarDay;     ///< the date of the day pillar (dayClock's date, or the next when 23:00 moved it)
    bool ziHourMovedDay = false; ///< the 23:00 option moved the day pillar to the next day
    bool lateZiHour = false;     ///< 23:00-23:59 kept on its day (晚子时): hour stem from the next day
    std::optional<TrueSolarTimeCorrection> trueSolarTime;
    SolarTermMoment yearStart;     ///< the 立春 the year pillar counts from
    SolarTermMoment nextYearStart; ///< the next 立春
    SolarTermMoment monthStart;    ///< the 节 that opened the month
    SolarTermMoment monthEnd;      ///< the 节 that closes it
};

/// The solar-term pillars of a birth. Nothing for a birth that is not a real moment (BeijingTime.h), lies outside
/// kFirstSolarTermBirth..kLastSolarTermBirth, or has a longitude that is not a number within -180..180.
std::optional<SolarTermPillars> solarTermPillars(const BeijingTime& birth, const SolarTermPillarOptions& options = {});

/// The year pillar of a 立春 year Y: pair (Y - 1984) mod 60 + 1.
SexagenaryPair yearPillarOfSolarYear(int year);

/// The month pillar of the month a 节 opens, in a year whose (立春) year stem is `yearStem`.
SexagenaryPair monthPillarOf(HeavenlyStem yearStem, EarthlyBranch monthBranch);

/// The day pillar of a date: 1881-01-30 is 甲子.
SexagenaryPair dayPillarOf(const GregorianDate& date);

/// The hour pillar of an hour 0..23 in the 子 hour cycle that starts with the 子 hour of a day with stem `dayStem`
/// (any other hour reads as 子, as HourBranch does). Hour 23 gives that 子 hour: for 23:00-23:59 pass the stem of
/// the day whose 子 hour it opens (the next day's).
SexagenaryPair hourPillarOf(HeavenlyStem dayStem, int hour);

} // namespace namewright
