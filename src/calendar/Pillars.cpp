#include "calendar/Pillars.h"

namespace namewright {

namespace {

/// Cycle position 1..60 of (n + offset) mod 60, without overflow for any int n.
int cyclePosition(int n, int offset) {
    const int r = ((n % 60) + 60 + offset) % 60;
    return r == 0 ? 60 : r;
}

} // namespace

SexagenaryPair CycleName(int n, CycleKind kind) {
    switch (kind) {
    case CycleKind::Year:
        return SexagenaryPair::fromPosition(cyclePosition(n, 18));
    case CycleKind::Month:
        return SexagenaryPair::fromPosition(cyclePosition(n, 26));
    case CycleKind::Day:
        break;
    }
    return SexagenaryPair::fromPosition(cyclePosition(n, 0));
}

std::optional<SexagenaryPair> YearPillar(const LunarDate& date) {
    return date.outOfRange ? std::nullopt : std::optional(CycleName(date.yearIndex, CycleKind::Year));
}

std::optional<SexagenaryPair> MonthPillar(const LunarDate& date) {
    return date.outOfRange ? std::nullopt : std::optional(CycleName(date.monthIndex, CycleKind::Month));
}

std::optional<SexagenaryPair> DayPillar(const LunarDate& date) {
    return date.outOfRange ? std::nullopt : std::optional(CycleName(date.dayCount, CycleKind::Day));
}

EarthlyBranch HourBranch(int hour) {
    return EarthlyBranch::fromNumber(hour <= 0 || hour >= 23 ? 1 : (hour + 1) / 2 + 1);
}

SexagenaryPair HourPillar(SexagenaryPair dayPillar, int hour) {
    // The 子 hour of the five stem groups (甲己, 乙庚, 丙辛, 丁壬, 戊癸) is 甲子, 丙子, 戊子, 庚子, 壬子: positions
    // 1, 13, 25, 37, 49. Each later hour is one step on in the cycle.
    const int group = (dayPillar.stem().number() - 1) % 5;
    return SexagenaryPair::fromPosition(group * 12 + HourBranch(hour).number());
}

std::optional<FourPillars> fourPillarsOf(const LunarDate& date, int hour) {
    if (date.outOfRange) {
        return std::nullopt;
    }
    const SexagenaryPair day = CycleName(date.dayCount, CycleKind::Day);
    return FourPillars{CycleName(date.yearIndex, CycleKind::Year), CycleName(date.monthIndex, CycleKind::Month), day,
                       HourPillar(day, hour)};
}

} // namespace namewright
