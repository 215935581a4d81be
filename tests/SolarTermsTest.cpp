#include "calendar/SolarTerms.h"
#include "calendar/SolarTermListing.h"
#include "calendar/TimeScales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace namewright {
namespace {

double exactBeijingMinutes(const SolarTermMoment& moment) {
    return (moment.civilUtJulianDay - 2440587.5) * 1440.0 + 480.0;
}

// --- Against an independent ephemeris -----------------------------------------------------------------------------

struct ReferenceMoment {
    int year = 0;
    SolarTerm term = SolarTerm::MinorCold;
    double ttDaysSinceJ2000 = 0.0;
    double beijingMinutes = 0.0; ///< exact, from the reference's own delta T
};

/// tests/data/solar_terms_reference.tsv: astronomy-engine 2.1.19 (MIT), written by
/// tools/solar_terms_reference/make_reference.mjs for every fourth year 1881-2061 and 2024.
std::vector<ReferenceMoment> readReference() {
    std::ifstream in(std::filesystem::path(NAMEWRIGHT_SOURCE_DIR) / "tests" / "data" / "solar_terms_reference.tsv");
    std::vector<ReferenceMoment> moments;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line.starts_with('#') || line.starts_with("year")) {
            continue;
        }
        std::istringstream fields(line);
        std::string name;
        std::string date;
        std::string time;
        ReferenceMoment moment;
        fields >> moment.year >> name >> moment.ttDaysSinceJ2000 >> date >> time;
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
        const auto term = solarTermOfText(name);
        if (!term || std::sscanf((date + " " + time).c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6) {
            ADD_FAILURE() << "unreadable line: " << line;
            continue;
        }
        moment.term = *term;
        moment.beijingMinutes = static_cast<double>(minuteCountOf(BeijingTime{{y, mo, d}, h, mi})) + s / 60.0;
        moments.push_back(moment);
    }
    return moments;
}

TEST(SolarTermMoments, AgreeWithAnIndependentEphemerisWithinAMinute) {
    const std::vector<ReferenceMoment> reference = readReference();
    ASSERT_EQ(reference.size(), 47U * 24U);
    double largestTtGap = 0.0;
    double sumTtGap = 0.0;
    for (const ReferenceMoment& expected : reference) {
        const auto moment = SolarTermTable::instance().moment(expected.year, expected.term);
        ASSERT_TRUE(moment);
        const double ttGapSeconds = ((moment->ttJulianDay - kJ2000) - expected.ttDaysSinceJ2000) * kSecondsPerDay;
        largestTtGap = std::max(largestTtGap, std::abs(ttGapSeconds));
        sumTtGap += std::abs(ttGapSeconds);
        EXPECT_LT(std::abs(ttGapSeconds), 60.0) << expected.year << " " << solarTermText(expected.term);
        // The reference's minute by the same rounding as ours: one minute apart at most, its delta T included.
        const auto referenceMinute = static_cast<long long>(std::floor(expected.beijingMinutes + 0.5));
        EXPECT_LE(std::abs(moment->minuteCount - referenceMinute), 1)
            << expected.year << " " << solarTermText(expected.term);
    }
    // Both ephemerides are good to about an arcsecond (24 s of the Sun's motion); a slip in nutation, aberration or
    // light time moves every moment by minutes.
    EXPECT_LT(sumTtGap / static_cast<double>(reference.size()), 20.0);
    RecordProperty("largest_tt_gap_seconds", std::to_string(largestTtGap));
}

// --- Against published moments ---------------------------------------------------------------------------------------

struct PublishedMoment {
    int year;
    SolarTerm term;
    int month, day, hour, minute; ///< UT, to the nearest minute
};

std::ostream& operator<<(std::ostream& out, const PublishedMoment& m) {
    return out << m.year << " " << solarTermText(m.term);
}

class PublishedSeasons : public ::testing::TestWithParam<PublishedMoment> {};

TEST_P(PublishedSeasons, FallWithinTheMinuteThePublishedTablePrints) {
    const PublishedMoment& published = GetParam();
    const auto moment = SolarTermTable::instance().moment(published.year, published.term);
    ASSERT_TRUE(moment);
    const double utMinutes = exactBeijingMinutes(*moment) - 480.0;
    const double publishedMinutes = static_cast<double>(
        minuteCountOf(BeijingTime{{published.year, published.month, published.day}, published.hour, published.minute}));
    // A table rounded to the minute holds the moment within half a minute; one second more for UT1 - UTC.
    EXPECT_LE(std::abs(utMinutes - publishedMinutes), 31.0 / 60.0);
}

// U.S. Naval Observatory, Astronomical Applications Department, "Earth's Seasons and Apsides": equinoxes and
// solstices in UT to the minute.
INSTANTIATE_TEST_SUITE_P(UsNavalObservatory, PublishedSeasons,
                         ::testing::Values(PublishedMoment{2020, SolarTerm::SpringEquinox, 3, 20, 3, 50},
                                           PublishedMoment{2020, SolarTerm::SummerSolstice, 6, 20, 21, 44},
                                           PublishedMoment{2020, SolarTerm::AutumnEquinox, 9, 22, 13, 31},
                                           PublishedMoment{2020, SolarTerm::WinterSolstice, 12, 21, 10, 2},
                                           PublishedMoment{2021, SolarTerm::SpringEquinox, 3, 20, 9, 37},
                                           PublishedMoment{2021, SolarTerm::SummerSolstice, 6, 21, 3, 32},
                                           PublishedMoment{2021, SolarTerm::AutumnEquinox, 9, 22, 19, 21},
                                           PublishedMoment{2021, SolarTerm::WinterSolstice, 12, 21, 15, 59},
                                           PublishedMoment{2022, SolarTerm::SpringEquinox, 3, 20, 15, 33},
                                           PublishedMoment{2022, SolarTerm::SummerSolstice, 6, 21, 9, 14},
                                           PublishedMoment{2022, SolarTerm::AutumnEquinox, 9, 23, 1, 4},
                                           PublishedMoment{2022, SolarTerm::WinterSolstice, 12, 21, 21, 48},
                                           PublishedMoment{2023, SolarTerm::SpringEquinox, 3, 20, 21, 24},
                                           PublishedMoment{2023, SolarTerm::SummerSolstice, 6, 21, 14, 58},
                                           PublishedMoment{2023, SolarTerm::AutumnEquinox, 9, 23, 6, 50},
                                           PublishedMoment{2023, SolarTerm::WinterSolstice, 12, 22, 3, 27},
                                           PublishedMoment{2024, SolarTerm::SpringEquinox, 3, 20, 3, 6},
                                           PublishedMoment{2024, SolarTerm::SummerSolstice, 6, 20, 20, 51},
                                           PublishedMoment{2024, SolarTerm::AutumnEquinox, 9, 22, 12, 44},
                                           PublishedMoment{2024, SolarTerm::WinterSolstice, 12, 21, 9, 21},
                                           PublishedMoment{2025, SolarTerm::SpringEquinox, 3, 20, 9, 1},
                                           PublishedMoment{2025, SolarTerm::SummerSolstice, 6, 21, 2, 42},
                                           PublishedMoment{2025, SolarTerm::AutumnEquinox, 9, 22, 18, 19},
                                           PublishedMoment{2025, SolarTerm::WinterSolstice, 12, 21, 15, 3}));

// --- The table over its whole range -------------------------------------------------------------------------------

TEST(SolarTermTable, HoldsTwentyFourTermsAYearFifteenDaysApartInTheirMonths) {
    const SolarTermTable& table = SolarTermTable::instance();
    const SolarTermMoment* previous = nullptr;
    for (int year = SolarTermTable::kFirstYear; year <= SolarTermTable::kLastYear; ++year) {
        const auto moments = table.year(year);
        ASSERT_EQ(moments.size(), 24U) << year;
        for (int i = 0; i < kSolarTermCount; ++i) {
            const SolarTermMoment& moment = moments[static_cast<std::size_t>(i)];
            EXPECT_EQ(moment.term, solarTermAt(i));
            EXPECT_EQ(moment.year, year);
            // Two terms a month: 小寒 大寒 in January .. 大雪 冬至 in December, never before the 3rd or after the 24th.
            EXPECT_EQ(moment.minute.date.year, year);
            EXPECT_EQ(moment.minute.date.month, i / 2 + 1) << year << " " << solarTermText(moment.term);
            EXPECT_GE(moment.minute.date.day, 3);
            EXPECT_LE(moment.minute.date.day, 24);
            if (previous != nullptr) {
                const double days = moment.ttJulianDay - previous->ttJulianDay;
                EXPECT_GT(days, 14.6) << year << " " << solarTermText(moment.term);
                EXPECT_LT(days, 15.8) << year << " " << solarTermText(moment.term);
            }
            previous = &moment;
        }
    }
}

TEST(SolarTermTable, RoundsEachMomentToTheNearestMinute) {
    for (int year = SolarTermTable::kFirstYear; year <= SolarTermTable::kLastYear; ++year) {
        for (const SolarTermMoment& moment : SolarTermTable::instance().year(year)) {
            const double offset = exactBeijingMinutes(moment) - static_cast<double>(moment.minuteCount);
            EXPECT_GE(offset, -0.5);
            EXPECT_LT(offset, 0.5);
            EXPECT_EQ(minuteCountOf(moment.minute), moment.minuteCount);
        }
    }
}

// The table is built by running computeSolarTerm at build time: every entry, to the last bit, is what the ERFA
// computation gives now (a changed computation, a stale or a hand-edited table fails here).
TEST(SolarTermTable, EqualsTheErfaComputationInEveryYear) {
    int differing = 0;
    for (int year = SolarTermTable::kFirstYear; year <= SolarTermTable::kLastYear; ++year) {
        const auto moments = SolarTermTable::instance().year(year);
        ASSERT_EQ(moments.size(), 24U) << year;
        for (int i = 0; i < kSolarTermCount; ++i) {
            const auto computed = computeSolarTerm(year, solarTermAt(i));
            if (!computed || moments[static_cast<std::size_t>(i)] != *computed) {
                ADD_FAILURE() << year << " " << solarTermText(solarTermAt(i)) << " differs from a fresh computation";
                ++differing;
            }
        }
        ASSERT_LT(differing, 10);
    }
    EXPECT_EQ(SolarTermTable::kFirstYear, 1880);
    EXPECT_EQ(SolarTermTable::kLastYear, 2100);
}

TEST(SolarTermTable, AnswersNothingOutsideItsYears) {
    EXPECT_TRUE(SolarTermTable::instance().year(1879).empty());
    EXPECT_TRUE(SolarTermTable::instance().year(2101).empty());
    EXPECT_FALSE(SolarTermTable::instance().moment(2101, SolarTerm::StartOfSpring));
    EXPECT_FALSE(SolarTermTable::instance().termOnDay({2101, 3, 20}));
    // Beyond the table the computation still answers.
    EXPECT_TRUE(computeSolarTerm(1879, SolarTerm::WinterSolstice));
    EXPECT_TRUE(computeSolarTerm(2101, SolarTerm::MinorCold));
    EXPECT_FALSE(computeSolarTerm(1860, SolarTerm::StartOfSpring));
    EXPECT_FALSE(computeSolarTerm(2150, SolarTerm::StartOfSpring));
    EXPECT_TRUE(computeSolarTerm(2149, SolarTerm::WinterSolstice));
}

TEST(SolarTermTable, FindsTheTermOfADayAndTheSectionalTermsAroundAMinute) {
    const SolarTermTable& table = SolarTermTable::instance();
    const auto spring = table.termOnDay({2024, 2, 4});
    ASSERT_TRUE(spring);
    EXPECT_EQ(spring->term, SolarTerm::StartOfSpring);
    EXPECT_FALSE(table.termOnDay({2024, 2, 5}));

    const long long atSpring = spring->minuteCount;
    EXPECT_EQ(table.sectionalTermAtOrBefore(atSpring)->term, SolarTerm::StartOfSpring);
    EXPECT_EQ(table.sectionalTermAtOrBefore(atSpring - 1)->term, SolarTerm::MinorCold);
    EXPECT_EQ(table.sectionalTermAfter(atSpring)->term, SolarTerm::AwakeningOfInsects);
    EXPECT_EQ(table.sectionalTermAfter(atSpring - 1)->term, SolarTerm::StartOfSpring);
    EXPECT_FALSE(table.sectionalTermAtOrBefore(minuteCountOf(BeijingTime{{1880, 1, 1}, 0, 0})));
    EXPECT_FALSE(table.sectionalTermAfter(minuteCountOf(BeijingTime{{2100, 12, 31}, 0, 0})));
    EXPECT_EQ(table.sectionalTermAfter(minuteCountOf(BeijingTime{{2100, 12, 1}, 0, 0}))->term, SolarTerm::MajorSnow);

    // Before 小寒 the month is the 子 month of 大雪 the year before; between two 节 a 中气 is passed over.
    const SolarTermMoment minorCold = *table.moment(2024, SolarTerm::MinorCold);
    const auto december = table.sectionalTermAtOrBefore(minorCold.minuteCount - 1);
    ASSERT_TRUE(december);
    EXPECT_EQ(december->term, SolarTerm::MajorSnow);
    EXPECT_EQ(december->year, 2023);
    EXPECT_EQ(table.sectionalTermAfter(minorCold.minuteCount - 1), minorCold);
    const SolarTermMoment majorCold = *table.moment(2024, SolarTerm::MajorCold);
    EXPECT_EQ(table.sectionalTermAtOrBefore(majorCold.minuteCount), minorCold);
    EXPECT_EQ(table.sectionalTermAfter(majorCold.minuteCount)->term, SolarTerm::StartOfSpring);
}

// --- The listing ---------------------------------------------------------------------------------------------------

TEST(SolarTermLines, ListTheYearFromMinorColdToWinterSolstice) {
    const std::vector<std::string> lines = solarTermLines(2024);
    ASSERT_EQ(lines.size(), 24U);
    EXPECT_EQ(lines.front(), "小寒\t2024-01-06 04:49");
    EXPECT_EQ(lines[2], "立春\t2024-02-04 16:27");
    EXPECT_EQ(lines[5], "春分\t2024-03-20 11:06");
    // 17:20:34: half a minute and more rounds up.
    EXPECT_EQ(lines.back(), "冬至\t2024-12-21 17:21");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), 6U + 1U + 16U) << line;
    }
}

TEST(BeijingTimeText, PadsEveryFieldAndPrintsOtherYearsAsTheyAre) {
    EXPECT_EQ(beijingTimeText({{1881, 1, 1}, 0, 0}), "1881-01-01 00:00");
    EXPECT_EQ(beijingTimeText({{2061, 12, 31}, 23, 59}), "2061-12-31 23:59");
    EXPECT_EQ(beijingTimeText({{5, 3, 7}, 4, 9}), "0005-03-07 04:09");
    EXPECT_EQ(beijingTimeText({{10000, 1, 1}, 0, 0}), "10000-01-01 00:00");
    EXPECT_EQ(beijingTimeText({{-1, 1, 1}, 0, 0}), "-001-01-01 00:00");
    EXPECT_EQ(beijingTimeText({{2024, 2, 4}, -1, 0}), "2024-02-04 -1:00");
}

TEST(SolarTermLines, AreEmptyOutside1881To2061) {
    EXPECT_TRUE(solarTermLines(1880).empty());
    EXPECT_TRUE(solarTermLines(2062).empty());
    EXPECT_EQ(solarTermLines(1881).size(), 24U);
    EXPECT_EQ(solarTermLines(2061).size(), 24U);
}

} // namespace
} // namespace namewright
