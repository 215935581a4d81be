#pragma once
// The lunar year table (农历年表): every Chinese lunar year from 1881 to 2060 as a 20-digit record.
//
// Record layout (characters counted from 1):
//   1-4   the lunar year Y, the Gregorian year in which it begins
//   5-8   Gregorian month and day of its new year's day (day 1 of lunar month 1), "0130" for 30 January
//   9-20  twelve month digits; character 8 + m belongs to lunar month m:
//           digit           0    1    4    5    8    9
//           month m         29   30   29   29   30   30   days
//           leap month m    -    -    29   30   29   30   days, directly after month m
//
// The records follow the official Chinese calendar (new moons and solar terms at 120 degrees east) from 1929 on;
// the records of 1881-1928 are those of the almanacs of their time. Every record describes exactly the days from
// its new year's day up to the day before the next record's new year's day; the last (2060, from 2060-02-02)
// runs through 2061-01-20. The table is constant: any thread may read it.
//
// Names: the table's own operations keep their upper-camel names (`LunarYearRecord`, `NewYearDate`, `MonthDigit`);
// the helpers this program adds are camelCase (decodeLunarYear, lunarYearLayout).

#include "calendar/GregorianDate.h"

#include <array>
#include <string_view>

namespace namewright {

inline constexpr int kFirstLunarYear = 1881;
inline constexpr int kLastLunarYear = 2060;

/// The record of lunar year `year`, 1881..2060; an empty text for any other year.
std::string_view LunarYearRecord(int year);

/// The new year's day of a record: characters 1-4, 5-6 and 7-8 read as decimal year, month and day. A text that is
/// not at least 8 digits long gives the all-zero date.
GregorianDate NewYearDate(std::string_view record);

/// The month digit of lunar month m (1..12) of a record: the value of character 8 + m. A month outside 1..12, a
/// record too short or a character that is not a digit gives -1.
int MonthDigit(std::string_view record, int m);

/// One month of a decoded record.
struct LunarMonthSpan {
    int month = 0;       ///< 1..12; a leap month bears the number of the month it follows
    bool isLeap = false; ///< the leap month (闰月) after `month`
    int days = 0;        ///< 29 or 30
    constexpr bool operator==(const LunarMonthSpan&) const = default;
};

/// The months of a record in calendar order: 12, or 13 when it has a leap month.
struct LunarYearMonths {
    std::array<LunarMonthSpan, 13> months{};
    int count = 0;

    constexpr int totalDays() const {
        int total = 0;
        for (int i = 0; i < count; ++i) {
            total += months[static_cast<std::size_t>(i)].days;
        }
        return total;
    }
};

/// Decodes the twelve month digits of a record. A digit outside 0 1 4 5 8 9 gives no month at all.
LunarYearMonths decodeLunarYear(std::string_view record);

/// A lunar year laid out on the day count of GregorianDate.h, decoded once at compile time for the conversion.
struct LunarYearLayout {
    int newYearDayCount = 0; ///< day count of the new year's day (1 for 1881-01-30)
    int monthCount = 0;      ///< 12 or 13
    int leapAfter = 0;       ///< the month the leap month follows, 0 when the year has none
    /// Day of the year (0 on new year's day) on which each month in calendar order begins;
    /// monthStart[monthCount] is the length of the year in days.
    std::array<int, 14> monthStart{};
};

/// The layout of lunar year `year`, 1881..2060 (a precondition; any other year gives the layout of the nearest end
/// of the table rather than reading outside it).
const LunarYearLayout& lunarYearLayout(int year);

} // namespace namewright
