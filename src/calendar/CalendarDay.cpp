#include "calendar/CalendarDay.h"

#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"
#include "calendar/LunarYearTable.h"
#include "calendar/Pillars.h"
#include "calendar/SolarTermPillars.h"

namespace namewright {

namespace {

std::optional<Festival> lunarFestival(const LunarDate& lunar) {
    if (lunar.isLeap) {
        return std::nullopt;
    }
    struct ByDate {
        int month;
        int day;
        Festival festival;
    };
    constexpr ByDate byDate[] = {
        {1, 1, Festival::SpringFestival}, {1, 15, Festival::LanternFestival},
        {5, 5, Festival::DragonBoat},     {7, 7, Festival::Qixi},
        {7, 15, Festival::GhostFestival}, {8, 15, Festival::MidAutumn},
        {9, 9, Festival::DoubleNinth},    {12, 8, Festival::Laba},
    };
    for (const ByDate& entry : byDate) {
        if (lunar.lunarMonth == entry.month && lunar.lunarDay == entry.day) {
            return entry.festival;
        }
    }
    return std::nullopt;
}

/// The last day of the lunar year, whether its last month is 腊月 or a leap 腊月.
bool isLastDayOfLunarYear(const LunarDate& lunar) {
    const LunarYearLayout& layout = lunarYearLayout(lunar.lunarYear);
    const int dayOfYear = lunar.dayCount - layout.newYearDayCount;
    return dayOfYear == layout.monthStart[static_cast<std::size_t>(layout.monthCount)] - 1;
}

} // namespace

std::optional<CalendarDay> calendarDayOf(const GregorianDate& date) {
    const LunarDate lunar = SolarToLunar(date.year, date.month, date.day);
    if (lunar.outOfRange) {
        return std::nullopt;
    }
    CalendarDay day;
    day.date = date;
    day.lunar = lunar;
    day.lunarMonthName = lunarMonthName(lunar);
    day.lunarDayName = lunarDayName(lunar);
    if (lunar.lunarDay == 20) {
        // The lunar date text's 廿十 stays where that text is printed; a calendar shows the ordinary 二十.
        day.lunarDayName = "二十";
    }
    day.lunarCaption = lunar.lunarDay == 1 ? day.lunarMonthName : day.lunarDayName;
    day.solarTerm = SolarTermTable::instance().termOnDay(date);
    day.festival = lunarFestival(lunar);
    if (!day.festival && isLastDayOfLunarYear(lunar)) {
        day.festival = Festival::NewYearsEve;
    }
    if (!day.festival && day.solarTerm && day.solarTerm->term == SolarTerm::ClearAndBright) {
        day.festival = Festival::QingMing;
    }
    day.dayPillar = dayPillarOf(date);

    if (day.festival) {
        day.mark = CalendarMark::Festival;
        day.markText = std::string(festivalText(*day.festival));
    } else if (day.solarTerm) {
        day.mark = CalendarMark::SolarTerm;
        day.markText = std::string(solarTermText(day.solarTerm->term));
    } else {
        day.mark = CalendarMark::LunarDay;
        day.markText = day.lunarCaption;
    }
    return day;
}

std::string calendarDayTooltip(const CalendarDay& day) {
    std::string text = "农历 ";
    text += YearPillar(day.lunar)->text(); // a calendar day always has its lunar date
    text += "年 ";
    text += day.lunarMonthName;
    text += day.lunarDayName;
    text += "\n日柱 ";
    text += day.dayPillar.text();
    if (day.solarTerm) {
        text += "\n";
        text += solarTermText(day.solarTerm->term);
        text += " ";
        text += beijingTimeText(day.solarTerm->minute);
    }
    return text;
}

} // namespace namewright
