#include "calendar/Pillars.h"

#include <cstddef>

namespace namewright {

namespace {

template <std::size_t N, typename Value> constexpr std::array<std::string_view, N> textsOf() {
    std::array<std::string_view, N> texts{};
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = Value::fromNumber(static_cast<int>(i) + 1).text();
    }
    return texts;
}

} // namespace

const std::array<std::string_view, 10> kHeavenlyStems = textsOf<10, HeavenlyStem>();
const std::array<std::string_view, 12> kEarthlyBranches = textsOf<12, EarthlyBranch>();

namespace {

std::string_view entry(int i) {
    return SexagenaryPair::fromPosition(i).text();
}

/// Cycle position 1..60 of (n + offset) mod 60, without overflow for any int n.
int cyclePosition(int n, int offset) {
    const int r = ((n % 60) + 60 + offset) % 60;
    return r == 0 ? 60 : r;
}

/// Stem index (1..10) of the 子 hour for each day stem index 1..10: 甲 己 -> 甲, 乙 庚 -> 丙, 丙 辛 -> 戊, 丁 壬 -> 庚,
/// 戊 癸 -> 壬.
constexpr std::array<int, 10> kZiHourStem{1, 3, 5, 7, 9, 1, 3, 5, 7, 9};

/// Position 1..60 of the pair with stem s and branch b: kPairPosition[s - 1][b - 1], 0 where s and b differ in
/// parity (no such pair exists).
constexpr std::array<std::array<int, 12>, 10> buildPairPositions() {
    std::array<std::array<int, 12>, 10> positions{};
    for (std::size_t i = 1; i <= 60; ++i) {
        positions[(i - 1) % 10][(i - 1) % 12] = static_cast<int>(i);
    }
    return positions;
}

constexpr std::array<std::array<int, 12>, 10> kPairPosition = buildPairPositions();

} // namespace

std::string_view cycleEntry(int i) {
    if (i < 1 || i > 60) {
        return {};
    }
    return entry(i);
}

std::string_view CycleName(int n, CycleKind kind) {
    switch (kind) {
    case CycleKind::Year:
        return entry(cyclePosition(n, 18));
    case CycleKind::Month:
        return entry(cyclePosition(n, 26));
    case CycleKind::Day:
        return entry(cyclePosition(n, 0));
    }
    return {};
}

std::string_view YearPillar(const LunarDate& date) {
    return date.outOfRange ? std::string_view{} : CycleName(date.yearIndex, CycleKind::Year);
}

std::string_view MonthPillar(const LunarDate& date) {
    return date.outOfRange ? std::string_view{} : CycleName(date.monthIndex, CycleKind::Month);
}

std::string_view DayPillar(const LunarDate& date) {
    return date.outOfRange ? std::string_view{} : CycleName(date.dayCount, CycleKind::Day);
}

EarthlyBranch HourBranch(int hour) {
    return EarthlyBranch::fromNumber(hour <= 0 || hour >= 23 ? 1 : (hour + 1) / 2 + 1);
}

std::string_view hourPillarOfDayStem(int dayStem, int hour) {
    if (dayStem < 1 || dayStem > 10) {
        return {};
    }
    const int b = HourBranch(hour).number();
    const int stem = (kZiHourStem[static_cast<std::size_t>(dayStem - 1)] + b - 2) % 10 + 1;
    return entry(kPairPosition[static_cast<std::size_t>(stem - 1)][static_cast<std::size_t>(b - 1)]);
}

std::string_view HourPillar(std::string_view dayPillar, int hour) {
    for (std::size_t s = 0; s < kHeavenlyStems.size(); ++s) {
        if (dayPillar.starts_with(kHeavenlyStems[s])) {
            return hourPillarOfDayStem(static_cast<int>(s) + 1, hour);
        }
    }
    return {};
}

int yearCyclePosition(const LunarDate& date) {
    return date.outOfRange ? 0 : cyclePosition(date.yearIndex, 18);
}

int dayCyclePosition(const LunarDate& date) {
    return date.outOfRange ? 0 : cyclePosition(date.dayCount, 0);
}

} // namespace namewright
