#include "calendar/LunarYearTable.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace namewright {
namespace {

TEST(LunarYearRecord, CoversLunarYears1881To2060AndNothingElse) {
    EXPECT_EQ(LunarYearRecord(1881), "18810130010101811010");
    EXPECT_EQ(LunarYearRecord(2060), "20600202100100101110");
    EXPECT_EQ(LunarYearRecord(1880), "");
    EXPECT_EQ(LunarYearRecord(2061), "");
    EXPECT_EQ(LunarYearRecord(0), "");
    EXPECT_EQ(LunarYearRecord(-2147483647 - 1), "");
}

TEST(LunarYearRecord, EveryRecordIsTwentyDigitsBeginningWithItsYear) {
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        const std::string_view record = LunarYearRecord(year);
        ASSERT_EQ(record.size(), 20U) << year;
        EXPECT_EQ(record.substr(0, 4), std::to_string(year));
        EXPECT_EQ(record.find_first_not_of("0123456789"), std::string_view::npos) << record;
    }
}

TEST(LunarYearRecord, CarriesTheCorrectedRecords) {
    EXPECT_EQ(LunarYearRecord(1989), "19890206100101010111");
    EXPECT_EQ(LunarYearRecord(2013), "20130210101011010101");
    EXPECT_EQ(LunarYearRecord(2019), "20190205101010010011");
    EXPECT_EQ(LunarYearRecord(2021), "20210212011010101010");
    EXPECT_EQ(LunarYearRecord(2029), "20290213110101010011");
    EXPECT_EQ(LunarYearRecord(2031), "20310123018101101010");
    EXPECT_EQ(LunarYearRecord(2033), "20330131010010101181");
    EXPECT_EQ(LunarYearRecord(2047), "20470126101150100101");
}

TEST(LunarYearRecord, KeepsTheAlmanacRecordsOf1914To1920) {
    EXPECT_EQ(LunarYearRecord(1914), "19140126110150101001");
    EXPECT_EQ(LunarYearRecord(1915), "19150214101101010101");
    EXPECT_EQ(LunarYearRecord(1916), "19160204010101101010");
    EXPECT_EQ(LunarYearRecord(1920), "19200220010010011011");
}

TEST(NewYearDate, ReadsYearMonthAndDayOfTheRecord) {
    EXPECT_EQ(NewYearDate(LunarYearRecord(1881)), (GregorianDate{1881, 1, 30}));
    EXPECT_EQ(NewYearDate(LunarYearRecord(2060)), (GregorianDate{2060, 2, 2}));
    EXPECT_EQ(NewYearDate(LunarYearRecord(2010)), (GregorianDate{2010, 2, 14}));
    EXPECT_EQ(NewYearDate("2010021"), GregorianDate{});
    EXPECT_EQ(NewYearDate("2010-2-14xxxxxxx"), GregorianDate{});
}

TEST(NewYearDate, FallsBetween21JanuaryAnd20February) {
    GregorianDate earliest{0, 12, 31};
    GregorianDate latest{0, 1, 1};
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        const GregorianDate date = NewYearDate(LunarYearRecord(year));
        ASSERT_EQ(date.year, year);
        const GregorianDate monthDay{0, date.month, date.day};
        earliest = std::min(earliest, monthDay);
        latest = std::max(latest, monthDay);
    }
    EXPECT_EQ(earliest, (GregorianDate{0, 1, 21}));
    EXPECT_EQ(latest, (GregorianDate{0, 2, 20}));
    EXPECT_EQ(NewYearDate(LunarYearRecord(1890)), (GregorianDate{1890, 1, 21}));
    EXPECT_EQ(NewYearDate(LunarYearRecord(1985)), (GregorianDate{1985, 2, 20}));
}

TEST(MonthDigit, ReadsCharacterEightPlusM) {
    const std::string_view record = "20330131010010101181";
    EXPECT_EQ(MonthDigit(record, 1), 0);
    EXPECT_EQ(MonthDigit(record, 2), 1);
    EXPECT_EQ(MonthDigit(record, 11), 8);
    EXPECT_EQ(MonthDigit(record, 12), 1);
    EXPECT_EQ(MonthDigit("20330131010010101191", 11), 9);
    EXPECT_EQ(MonthDigit(record, 0), -1);
    EXPECT_EQ(MonthDigit(record, 13), -1);
    EXPECT_EQ(MonthDigit("2033013101", 3), -1);
    EXPECT_EQ(MonthDigit("20330131x1001010118", 1), -1);
}

TEST(MonthDigit, OnlyTheSixDigitsOccurAndAtMostOneLeapMonthAYear) {
    int leapYears = 0;
    std::vector<int> leapMonthsAfter11;
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        int leaps = 0;
        for (int m = 1; m <= 12; ++m) {
            const int digit = MonthDigit(LunarYearRecord(year), m);
            ASSERT_TRUE(digit == 0 || digit == 1 || digit == 4 || digit == 5 || digit == 8 || digit == 9) << year;
            if (digit >= 4) {
                ++leaps;
                EXPECT_GE(m, 2) << year;
                EXPECT_LE(m, 11) << year;
                if (m == 11) {
                    leapMonthsAfter11.push_back(year);
                }
            }
        }
        EXPECT_LE(leaps, 1) << year;
        leapYears += leaps;
    }
    EXPECT_EQ(leapYears, 66);
    EXPECT_EQ(leapMonthsAfter11, std::vector<int>{2033});
}

// Decoded examples of the record format; the first five are records of the table, the last is the 2033 record with
// a 30-day leap eleventh month that copies of the table in circulation carry.
struct DecodeCase {
    std::string_view record;
    std::vector<int> days; ///< month lengths in calendar order
    int leapPosition;      ///< 0-based position of the leap month in `days`, -1 for none
    int leapAfter;         ///< the month the leap month follows
};

std::ostream& operator<<(std::ostream& out, const DecodeCase& c) {
    return out << c.record;
}

class DecodeLunarYearTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeLunarYearTest, GivesTheMonthsInCalendarOrder) {
    const DecodeCase& c = GetParam();
    const LunarYearMonths year = decodeLunarYear(c.record);
    ASSERT_EQ(year.count, static_cast<int>(c.days.size()));
    int total = 0;
    int regular = 0;
    for (int i = 0; i < year.count; ++i) {
        const LunarMonthSpan& span = year.months[static_cast<std::size_t>(i)];
        EXPECT_EQ(span.days, c.days[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(span.isLeap, i == c.leapPosition) << i;
        if (span.isLeap) {
            EXPECT_EQ(span.month, c.leapAfter);
        } else {
            EXPECT_EQ(span.month, ++regular);
        }
        total += span.days;
    }
    EXPECT_EQ(year.totalDays(), total);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DecodeLunarYearTest,
    ::testing::Values(DecodeCase{"18810130010101811010", {29, 30, 29, 30, 29, 30, 30, 29, 30, 30, 29, 30, 29}, 7, 7},
                      DecodeCase{"18840128100141011011", {30, 29, 29, 30, 29, 29, 30, 29, 30, 30, 29, 30, 30}, 5, 5},
                      DecodeCase{"20100214101010010101", {30, 29, 30, 29, 30, 29, 29, 30, 29, 30, 29, 30}, -1, 0},
                      DecodeCase{"20200125011810010101", {29, 30, 30, 30, 29, 30, 29, 29, 30, 29, 30, 29, 30}, 4, 4},
                      DecodeCase{"20230122080110110101", {29, 30, 29, 29, 30, 30, 29, 30, 30, 29, 30, 29, 30}, 2, 2},
                      DecodeCase{"20330131010010101191", {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 30, 30}, 11, 11},
                      DecodeCase{
                          "20330131010010101181", {29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29, 30}, 11, 11}));

TEST(DecodeLunarYear, DoesNotAssumeTheLengthMatchesTheNextNewYear) {
    // A record whose months end two days before the next new year (such copies exist for 2028/2029) still decodes.
    EXPECT_EQ(decodeLunarYear("20280126111080100110").totalDays(), 384);
    EXPECT_EQ(decodeLunarYear("20290215111100001011").totalDays(), 355);
    EXPECT_EQ(decodeLunarYear("2029021511").count, 2);
    EXPECT_EQ(decodeLunarYear("").count, 0);
}

TEST(DecodeLunarYear, EveryYearEndsTheDayBeforeTheNextNewYear) {
    for (int year = kFirstLunarYear; year < kLastLunarYear; ++year) {
        const int length = decodeLunarYear(LunarYearRecord(year)).totalDays();
        const int toNext =
            dayCountOf(NewYearDate(LunarYearRecord(year + 1))) - dayCountOf(NewYearDate(LunarYearRecord(year)));
        EXPECT_EQ(length, toNext) << year;
        EXPECT_TRUE(length == 353 || length == 354 || length == 355 || (length >= 383 && length <= 385)) << year;
    }
    // The last year runs through 2061-01-20, past the end of the converted range.
    const int last =
        dayCountOf(NewYearDate(LunarYearRecord(2060))) + decodeLunarYear(LunarYearRecord(2060)).totalDays();
    EXPECT_EQ(dateOfDayCount(last - 1), (GregorianDate{2061, 1, 20}));
}

TEST(LunarYearLayout, AgreesWithTheDecodedRecords) {
    for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
        const LunarYearLayout& layout = lunarYearLayout(year);
        const LunarYearMonths months = decodeLunarYear(LunarYearRecord(year));
        ASSERT_EQ(layout.monthCount, months.count) << year;
        EXPECT_EQ(dateOfDayCount(layout.newYearDayCount), NewYearDate(LunarYearRecord(year)));
        for (int i = 0; i < months.count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_EQ(layout.monthStart[at + 1] - layout.monthStart[at], months.months[at].days) << year;
            if (months.months[at].isLeap) {
                EXPECT_EQ(layout.leapAfter, months.months[at].month);
            }
        }
    }
    EXPECT_EQ(lunarYearLayout(1880).newYearDayCount, 1);
    EXPECT_EQ(&lunarYearLayout(99999), &lunarYearLayout(2060));
}

TEST(GregorianDate, DayCountRunsFrom1881January29) {
    EXPECT_EQ(dayCountOf(1881, 1, 29), 0);
    EXPECT_EQ(dayCountOf(1881, 1, 30), 1);
    EXPECT_EQ(dayCountOf(1949, 10, 1), 25081);
    EXPECT_EQ(dayCountOf(2060, 12, 31), 65715);
    EXPECT_EQ(dayCountOf(1900, 3, 1) - dayCountOf(1900, 2, 28), 1) << "1900 is no leap year";
    EXPECT_EQ(dayCountOf(2000, 3, 1) - dayCountOf(2000, 2, 28), 2) << "2000 is one";
    for (int count = -1000; count <= 70000; ++count) {
        const GregorianDate date = dateOfDayCount(count);
        ASSERT_TRUE(isRealGregorianDate(date.year, date.month, date.day)) << count;
        ASSERT_EQ(dayCountOf(date), count);
    }
}

TEST(GregorianDate, KnowsWhichDatesExist) {
    EXPECT_TRUE(isRealGregorianDate(2000, 2, 29));
    EXPECT_FALSE(isRealGregorianDate(1900, 2, 29));
    EXPECT_FALSE(isRealGregorianDate(2010, 2, 30));
    EXPECT_FALSE(isRealGregorianDate(2010, 4, 31));
    EXPECT_TRUE(isRealGregorianDate(2010, 12, 31));
    EXPECT_FALSE(isRealGregorianDate(2010, 13, 1));
    EXPECT_FALSE(isRealGregorianDate(2010, 0, 1));
    EXPECT_FALSE(isRealGregorianDate(2010, 1, 0));
    EXPECT_FALSE(isRealGregorianDate(2010, -2147483647 - 1, 1));
    EXPECT_TRUE(isRealGregorianDate(32767, 12, 31));
    EXPECT_FALSE(isRealGregorianDate(32768, 1, 1)) << "beyond std::chrono::year";
    EXPECT_FALSE(isRealGregorianDate(-2147483647 - 1, 1, 1));
    EXPECT_FALSE(isRealGregorianDate(2147483647, 1, 1));
}

TEST(GregorianDate, KnowsTheLengthOfEveryMonth) {
    EXPECT_EQ(daysInGregorianMonth(2000, 2), 29);
    EXPECT_EQ(daysInGregorianMonth(1900, 2), 28);
    EXPECT_EQ(daysInGregorianMonth(2010, 4), 30);
    EXPECT_EQ(daysInGregorianMonth(2010, 12), 31);
    EXPECT_EQ(daysInGregorianMonth(2010, 13), 0);
    EXPECT_EQ(daysInGregorianMonth(2010, 0), 0);
    EXPECT_EQ(daysInGregorianMonth(40000, 1), 0);
}

} // namespace
} // namespace namewright
