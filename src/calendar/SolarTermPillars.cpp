#include "calendar/SolarTermPillars.h"

#include "calendar/ApparentSun.h"
#include "calendar/Pillars.h"
#include "calendar/TimeScales.h"

#include <cmath>

namespace namewright {

SexagenaryPair yearPillarOfSolarYear(int year) {
    return SexagenaryPair::fromPosition((year - 1984) % 60 + 1);
}

SexagenaryPair monthPillarOf(HeavenlyStem yearStem, EarthlyBranch monthBranch) {
    const HeavenlyStem tigerStem = HeavenlyStem::fromNumber(2 * yearStem.number() + 1);
    const int monthsAfterTiger = (monthBranch.number() - 3 + 12) % 12;
    return *SexagenaryPair::fromStemAndBranch(tigerStem.advancedBy(monthsAfterTiger), monthBranch);
}

SexagenaryPair dayPillarOf(const GregorianDate& date) {
    return SexagenaryPair::fromPosition(dayCountOf(date) % 60);
}

SexagenaryPair hourPillarOf(HeavenlyStem dayStem, int hour) {
    const EarthlyBranch branch = HourBranch(hour);
    const HeavenlyStem ratStem = HeavenlyStem::fromNumber(2 * dayStem.number() - 1);
    return *SexagenaryPair::fromStemAndBranch(ratStem.advancedBy(branch.number() - 1), branch);
}

namespace {

TrueSolarTimeCorrection trueSolarTimeOf(long long birthMinutes, double longitude) {
    TrueSolarTimeCorrection correction;
    correction.longitude = longitude;
    correction.longitudeMinutes = (longitude - 120.0) * 4.0;
    const double ut = civilUtJulianDayOfMinuteCount(birthMinutes);
    correction.equationOfTimeMinutes = equationOfTimeMinutes(ut, ttOfCivilUt(ut));
    const double solarMinutes =
        static_cast<double>(birthMinutes) + correction.longitudeMinutes + correction.equationOfTimeMinutes;
    correction.solarTime = beijingTimeOfMinuteCount(static_cast<long long>(std::floor(solarMinutes)));
    return correction;
}

} // namespace

std::optional<SolarTermPillars> solarTermPillars(const BeijingTime& birth, const SolarTermPillarOptions& options) {
    if (!isRealBeijingTime(birth) || birth < kFirstSolarTermBirth || birth > kLastSolarTermBirth) {
        return std::nullopt;
    }
    if (options.birthplaceLongitude &&
        !(std::isfinite(*options.birthplaceLongitude) && std::abs(*options.birthplaceLongitude) <= 180.0)) {
        return std::nullopt;
    }
    const SolarTermTable& table = SolarTermTable::instance();
    const long long minutes = minuteCountOf(birth);

    SolarTermPillars result;
    result.birth = birth;
    const auto monthStart = table.sectionalTermAtOrBefore(minutes);
    const auto monthEnd = table.sectionalTermAfter(minutes);
    if (!monthStart || !monthEnd) {
        return std::nullopt;
    }
    result.monthStart = *monthStart;
    result.monthEnd = *monthEnd;

    const SolarTermMoment spring = *table.moment(birth.date.year, SolarTerm::StartOfSpring);
    const int solarYear = minutes >= spring.minuteCount ? birth.date.year : birth.date.year - 1;
    result.yearStart = *table.moment(solarYear, SolarTerm::StartOfSpring);
    result.nextYearStart = *table.moment(solarYear + 1, SolarTerm::StartOfSpring);
    result.pillars.year = yearPillarOfSolarYear(solarYear);
    result.pillars.month = monthPillarOf(result.pillars.year.stem(), monthBranchOfTerm(monthStart->term));

    result.dayClock = birth;
    if (options.birthplaceLongitude) {
        result.trueSolarTime = trueSolarTimeOf(minutes, *options.birthplaceLongitude);
        result.dayClock = result.trueSolarTime->solarTime;
    }
    result.pillarDay = result.dayClock.date;
    const bool ziHourOfNextDay = result.dayClock.hour == 23;
    if (ziHourOfNextDay && options.ziHourStartsNextDay) {
        result.pillarDay = dateOfDayCount(dayCountOf(result.pillarDay) + 1);
        result.ziHourMovedDay = true;
    }
    result.lateZiHour = ziHourOfNextDay && !result.ziHourMovedDay;
    result.pillars.day = dayPillarOf(result.pillarDay);
    // The day kept, 23:00 still opens the next day's 子 hour: its stem is counted from the next day's stem.
    const HeavenlyStem hourStemDay = result.pillars.day.stem().advancedBy(result.lateZiHour ? 1 : 0);
    result.pillars.hour = hourPillarOf(hourStemDay, result.dayClock.hour);
    return result;
}

} // namespace namewright
