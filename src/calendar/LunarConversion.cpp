#include "calendar/LunarConversion.h"

#include "calendar/GregorianDate.h"
#include "calendar/LunarYearTable.h"

#include <cstddef>

namespace namewright {

void CheckYearRange(int year, const YearWarningHandler& warn) {
    if ((year < kFirstLunarYear || year > kLastLunarYear) && warn) {
        warn();
    }
}

void CheckYearRange(int year, int month, int day, const YearWarningHandler& warn) {
    // A date that does not exist used to pass without a word and gave a chart lacking every element; it now warns
    // exactly like a year outside the table.
    const bool yearOutside = year < kFirstLunarYear || year > kLastLunarYear;
    if ((yearOutside || !isRealGregorianDate(year, month, day)) && warn) {
        warn();
    }
}

bool isConvertibleDate(int year, int month, int day) {
    // The year test comes first so that the day arithmetic never sees a year it could overflow on.
    if (year < kFirstLunarYear || year > kLastLunarYear || !isRealGregorianDate(year, month, day)) {
        return false;
    }
    return dayCountOf(year, month, day) >= 1;
}

LunarDate SolarToLunar(int year, int month, int day) {
    if (!isConvertibleDate(year, month, day)) {
        return LunarDate{};
    }
    const int dayCount = dayCountOf(year, month, day);
    int lunarYear = year;
    const LunarYearLayout* layout = &lunarYearLayout(year);
    if (dayCount < layout->newYearDayCount) {
        // From 1 January up to 春节 the date still belongs to the lunar year that began the year before.
        --lunarYear;
        layout = &lunarYearLayout(lunarYear);
    }
    const int dayOfYear = dayCount - layout->newYearDayCount;
    int position = 0;
    while (position < layout->monthCount && dayOfYear >= layout->monthStart[static_cast<std::size_t>(position + 1)]) {
        ++position;
    }
    if (position == layout->monthCount) {
        // A day past the last month its record describes. The table leaves no such day (it is checked when it
        // is compiled and by a sweep test), but a month can only be given for a day inside one.
        return LunarDate{};
    }

    LunarDate date;
    date.outOfRange = false;
    date.lunarYear = lunarYear;
    date.isLeap = layout->leapAfter != 0 && position == layout->leapAfter;
    date.lunarMonth = layout->leapAfter != 0 && position >= layout->leapAfter ? position : position + 1;
    date.lunarDay = dayOfYear - layout->monthStart[static_cast<std::size_t>(position)] + 1;
    date.dayCount = dayCount;
    date.yearIndex = lunarYear - kFirstLunarYear;
    date.monthIndex = date.yearIndex * 12 + date.lunarMonth;
    return date;
}

} // namespace namewright
