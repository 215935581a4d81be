// The year warning for a date that does not exist: it comes exactly as for a year outside 1881..2060, once from each
// of the two display texts, and the texts then answer "1881-2060".

#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace namewright {
namespace {

struct Date {
    int year, month, day;
};

class WarningCounter {
public:
    YearWarningHandler handler() {
        return [this] { ++m_count; };
    }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

TEST(CheckYearRangeOfADate, WarnsOnceForEveryDateThatDoesNotExist) {
    for (const Date date : {Date{2011, 2, 30}, Date{2011, 4, 31}, Date{2023, 2, 29}, Date{1900, 2, 29},
                            Date{2011, 13, 1}, Date{2011, 0, 1}, Date{2011, 1, 0}, Date{2011, 1, 32}, Date{2011, -1, 5},
                            Date{2011, 6, INT_MIN}, Date{2011, INT_MAX, 1}}) {
        WarningCounter warnings;
        CheckYearRange(date.year, date.month, date.day, warnings.handler());
        EXPECT_EQ(warnings.count(), 1) << date.year << '-' << date.month << '-' << date.day;
    }
}

TEST(CheckYearRangeOfADate, ABadYearWithABadDateStillWarnsOnlyOnce) {
    WarningCounter warnings;
    CheckYearRange(1880, 13, 32, warnings.handler());
    CheckYearRange(INT_MIN, 2, 30, warnings.handler());
    EXPECT_EQ(warnings.count(), 2);
}

TEST(CheckYearRangeOfADate, RealDatesOfGoodYearsDoNotWarn) {
    WarningCounter warnings;
    for (const Date date : {Date{2024, 2, 29}, Date{2000, 2, 29}, Date{2011, 1, 31}, Date{2011, 4, 30},
                            Date{1881, 1, 15}, Date{1881, 1, 30}, Date{2060, 12, 31}}) {
        CheckYearRange(date.year, date.month, date.day, warnings.handler());
    }
    EXPECT_EQ(warnings.count(), 0);
    CheckYearRange(2011, 2, 30, YearWarningHandler{}); // no handler: nothing happens
}

TEST(CheckYearRangeOfADate, AgreesWithTheStandardCalendarOnEveryMonthAndDayTheBoxesCanHold) {
    // Month 0..13 and day 0..32 cover what the combo boxes offer and what can be typed next to it; the oracle is
    // std::chrono's civil calendar.
    for (const int year : {1881, 1900, 1904, 2000, 2011, 2023, 2024, 2060}) {
        for (int month = 0; month <= 13; ++month) {
            for (int day = 0; day <= 32; ++day) {
                const std::chrono::year_month_day civil{std::chrono::year(year),
                                                        std::chrono::month(static_cast<unsigned>(month)),
                                                        std::chrono::day(static_cast<unsigned>(day))};
                WarningCounter warnings;
                CheckYearRange(year, month, day, warnings.handler());
                ASSERT_EQ(warnings.count(), civil.ok() ? 0 : 1) << year << '-' << month << '-' << day;
            }
        }
    }
}

TEST(ConvertTextsOfAnImpossibleDate, EachTextWarnsOnceAndAnswersTheOutOfRangeText) {
    for (const Date date : {Date{2011, 2, 30}, Date{2011, 4, 31}, Date{2023, 2, 29}, Date{2011, 13, 1},
                            Date{2011, 0, 1}, Date{2011, 1, 0}, Date{2011, 1, 32}}) {
        WarningCounter warnings;
        EXPECT_EQ(ConvertToLunarText(date.year, date.month, date.day, 5, warnings.handler()), kOutOfRangeText);
        EXPECT_EQ(warnings.count(), 1);
        EXPECT_EQ(ConvertToFourPillars(date.year, date.month, date.day, 5, warnings.handler()), kOutOfRangeText);
        EXPECT_EQ(warnings.count(), 2);
    }
}

TEST(ConvertTextsOfAnImpossibleDate, TheDayBeforeAndTheLastDayOfTheMonthStayQuiet) {
    WarningCounter warnings;
    EXPECT_EQ(ConvertToLunarText(2011, 2, 28, 1, warnings.handler()).substr(0, 7), "2011年");
    EXPECT_EQ(ConvertToFourPillars(2024, 2, 29, 1, warnings.handler()).size(), 39U);
    EXPECT_EQ(warnings.count(), 0);
}

} // namespace
} // namespace namewright
