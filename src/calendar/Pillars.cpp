#include "calendar/Pillars.h"

#include <cstddef>

namespace namewright {

const std::array<std::string_view, 10> kHeavenlyStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const std::array<std::string_view, 12> kEarthlyBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "未", "申", "酉", "戌", "亥"};

namespace {

// Every stem and branch is one CJK character, three bytes in UTF-8, so a pair takes six.
constexpr std::size_t kCharBytes = 3;
constexpr std::size_t kPairBytes = 2 * kCharBytes;

constexpr std::string_view kStemChars = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranchChars = "子丑寅卯辰巳午未申酉戌亥";
static_assert(kStemChars.size() == 10 * kCharBytes && kBranchChars.size() == 12 * kCharBytes);

/// The 60 pairs back to back, entry i at byte (i - 1) * 6, built by the rule of cycleEntry.
constexpr std::array<char, 60 * kPairBytes> buildCycle() {
    std::array<char, 60 * kPairBytes> bytes{};
    for (std::size_t i = 1; i <= 60; ++i) {
        const std::size_t stem = (i - 1) % 10;
        const std::size_t branch = (i - 1) % 12;
        for (std::size_t b = 0; b < kCharBytes; ++b) {
            bytes[(i - 1) * kPairBytes + b] = kStemChars[stem * kCharBytes + b];
            bytes[(i - 1) * kPairBytes + kCharBytes + b] = kBranchChars[branch * kCharBytes + b];
        }
    }
    return bytes;
}

constexpr std::array<char, 60 * kPairBytes> kCycle = buildCycle();

std::string_view entry(int i) {
    return std::string_view(kCycle.data() + static_cast<std::size_t>(i - 1) * kPairBytes, kPairBytes);
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
    const int index = hour <= 0 || hour >= 23 ? 1 : (hour + 1) / 2 + 1;
    return EarthlyBranch{index, kEarthlyBranches[static_cast<std::size_t>(index - 1)]};
}

std::string_view hourPillarOfDayStem(int dayStem, int hour) {
    if (dayStem < 1 || dayStem > 10) {
        return {};
    }
    const int b = HourBranch(hour).index;
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
