// The seven chart results of every day from 1881-01-01 to 2060-12-31 at every hour.
//
// The oracle below is the analysis as it worked on the two calendar texts: it cuts the zodiac animal, the eight
// characters and the pillar pairs out of the lunar date text and the four pillars text, looks the pairs up by their
// text and searches the joined elements text for each element character. The digests of the spans were recorded
// from that analysis with the table of BaziFixture.h (pair 60, 癸亥, left out), before the chart was computed from
// values: each span's digest goes on from the one before it, so that the last is the digest of the whole sweep.

#include "calendar/GregorianDate.h"
#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"
#include "calendar/Pillars.h"
#include "chart/ChartAnalysis.h"
#include "support/BaziFixture.h"
#include "support/ChartPrinting.h"
#include "text/GbkText.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace namewright {

namespace {

using testing::baziRowOf;
using testing::fillBazi;
using testing::pairText;
using testing::TempDatabase;

constexpr int kLeftOutPair = 60;

class TextCuttingOracle {
public:
    TextCuttingOracle() {
        for (int position = 1; position <= 60; ++position) {
            if (position != kLeftOutPair) {
                m_rows.emplace(pairText(position), baziRowOf(position));
            }
        }
    }

    LunarChart chart(int year, int month, int day, int hour) const {
        LunarChart chart;
        chart.lunarDate = ConvertToLunarText(year, month, day, hour);
        chart.fourPillars = ConvertToFourPillars(year, month, day, hour);
        chart.zodiacAnimal = zodiacAnimal(chart.lunarDate);
        chart.eightCharacters = withoutUnits(chart.fourPillars);
        const std::array<std::string, 4> cut = pairs(chart.eightCharacters);
        const auto yearPillar = SexagenaryPair::fromText(cut[0]);
        const auto monthPillar = SexagenaryPair::fromText(cut[1]);
        const auto dayPillar = SexagenaryPair::fromText(cut[2]);
        const auto hourPillar = SexagenaryPair::fromText(cut[3]);
        if (yearPillar && monthPillar && dayPillar && hourPillar) {
            chart.pillars = FourPillars{*yearPillar, *monthPillar, *dayPillar, *hourPillar};
        }
        for (const std::string& pair : cut) {
            const auto found = m_rows.find(pair);
            if (found != m_rows.end()) {
                chart.elements += found->second.elements;
                chart.nayin += found->second.nayin;
            }
            chart.elements += ' ';
            chart.nayin += ' ';
        }
        for (const std::string_view element : {"金", "木", "水", "火", "土"}) {
            if (chart.elements.find(element) == std::string::npos) {
                chart.favourableElement += std::string(element) + " ";
            }
        }
        if (chart.favourableElement.empty()) {
            chart.favourableElement = "无";
        }
        chart.missingElements = ElementSet::occurringIn(chart.elements).complement();
        return chart;
    }

private:
    /// The animal behind the first "branch animal 年" phrase of the text.
    static std::string zodiacAnimal(std::string_view lunarText) {
        constexpr std::array<std::string_view, 12> phrases{"子鼠年", "丑牛年", "寅虎年", "卯兔年", "辰龙年", "巳蛇年",
                                                           "午马年", "未羊年", "申猴年", "酉鸡年", "戌狗年", "亥猪年"};
        std::size_t best = std::string_view::npos;
        std::string animal;
        for (const std::string_view phrase : phrases) {
            const std::size_t at = lunarText.find(phrase);
            if (at < best) {
                best = at;
                animal = std::string(phrase.substr(3, 3));
            }
        }
        return animal;
    }

    static std::string withoutUnits(std::string_view fourPillars) {
        std::string text;
        for (std::size_t pos = 0; pos < fourPillars.size();) {
            const std::size_t length = utf8SequenceLength(fourPillars, pos);
            const std::string_view character = fourPillars.substr(pos, length);
            if (character != "年" && character != "月" && character != "日" && character != "时") {
                text += character;
            }
            pos += length;
        }
        return text;
    }

    static std::array<std::string, 4> pairs(std::string_view eightCharacters) {
        std::string compact;
        for (const char c : eightCharacters) {
            if (c != ' ') {
                compact += c;
            }
        }
        std::array<std::string, 4> result;
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = std::string(gbkSlice(compact, i * 4, 4));
        }
        return result;
    }

    std::map<std::string, BaziRow, std::less<>> m_rows;
};

/// FNV-1a over the seven texts of each chart, each text closed by a unit separator.
class ChartDigest {
public:
    explicit ChartDigest(std::uint64_t start) : m_hash(start) {}

    void add(const LunarChart& chart) {
        for (const std::string* text :
             {&chart.lunarDate, &chart.zodiacAnimal, &chart.fourPillars, &chart.eightCharacters, &chart.elements,
              &chart.nayin, &chart.favourableElement}) {
            for (const char c : *text) {
                mix(static_cast<unsigned char>(c));
            }
            mix(0x1F);
        }
    }
    std::uint64_t value() const { return m_hash; }

private:
    void mix(unsigned char byte) { m_hash = (m_hash ^ byte) * 0x100000001B3ULL; }
    std::uint64_t m_hash;
};

TEST(ChartSweepSample, AnalyseBirthChartOnADatabaseEqualsTheOracle) {
    TempDatabase file;
    fillBazi(file, {kLeftOutPair});
    NamingDatabase database = file.open();
    LatestLunarChart shared;
    const TextCuttingOracle oracle;
    for (int count = dayCountOf(1881, 1, 1); count <= dayCountOf(2060, 12, 31); count += 13) {
        const GregorianDate date = dateOfDayCount(count);
        const int hour = count % 24;
        const BirthMomentTexts moment{std::to_string(date.year), std::to_string(date.month), std::to_string(date.day),
                                      std::to_string(hour)};
        ASSERT_EQ(AnalyseBirthChart(moment, database, {.latest = &shared}),
                  oracle.chart(date.year, date.month, date.day, hour))
            << date.year << '-' << date.month << '-' << date.day << ' ' << hour << " h";
    }
}

/// Twenty years of the sweep, each its own test so that each stays short in sanitizer builds.
struct SweepSpan {
    int firstYear;
    int lastYear;
    std::uint64_t digestBefore; ///< the digest of every earlier year; the FNV-1a offset basis before 1881
    std::uint64_t digestAfter;  ///< and with this span's charts added
};

constexpr std::uint64_t kFnvOffsetBasis = 0xCBF29CE484222325ULL;
/// The digest of all charts 1881..2060, recorded from the text-cutting analysis.
constexpr std::uint64_t kWholeSweepDigest = 3827809958114315139ULL;

void PrintTo(const SweepSpan& span, std::ostream* out) {
    *out << span.firstYear << ".." << span.lastYear;
}

class ChartSweep : public ::testing::TestWithParam<SweepSpan> {};

TEST_P(ChartSweep, EveryDayAtEveryHourGivesTheResultsOfTheTextCuttingAnalysis) {
    std::array<std::optional<BaziRow>, 61> rows;
    for (int position = 1; position <= 60; ++position) {
        if (position != kLeftOutPair) {
            rows[static_cast<std::size_t>(position)] = baziRowOf(position);
        }
    }
    const BaziLookup lookup = [&rows](SexagenaryPair pair) { return rows[static_cast<std::size_t>(pair.position())]; };
    const TextCuttingOracle oracle;
    ChartDigest digest(GetParam().digestBefore);
    for (int count = dayCountOf(GetParam().firstYear, 1, 1); count <= dayCountOf(GetParam().lastYear, 12, 31);
         ++count) {
        const GregorianDate g = dateOfDayCount(count);
        const LunarDate date = SolarToLunar(g.year, g.month, g.day);
        for (int hour = 0; hour < 24; ++hour) {
            const LunarChart chart = AnalyseBirthChart(date, fourPillarsOf(date, hour), lookup);
            ASSERT_EQ(chart, oracle.chart(g.year, g.month, g.day, hour))
                << g.year << '-' << g.month << '-' << g.day << ' ' << hour << " h";
            digest.add(chart);
        }
    }
    EXPECT_EQ(digest.value(), GetParam().digestAfter);
}

INSTANTIATE_TEST_SUITE_P(From1881To2060, ChartSweep,
                         ::testing::Values(SweepSpan{1881, 1900, kFnvOffsetBasis, 0x400E58D886E9A89BULL},
                                           SweepSpan{1901, 1920, 0x400E58D886E9A89BULL, 0x4E309934B0B2B84BULL},
                                           SweepSpan{1921, 1940, 0x4E309934B0B2B84BULL, 0x582E8D2BA0090767ULL},
                                           SweepSpan{1941, 1960, 0x582E8D2BA0090767ULL, 0xDE90B1924032FFC1ULL},
                                           SweepSpan{1961, 1980, 0xDE90B1924032FFC1ULL, 0xD4428D13BE1E5147ULL},
                                           SweepSpan{1981, 2000, 0xD4428D13BE1E5147ULL, 0x0A5A1CE407F8E11DULL},
                                           SweepSpan{2001, 2020, 0x0A5A1CE407F8E11DULL, 0xCA2438A1D66BF6EBULL},
                                           SweepSpan{2021, 2040, 0xCA2438A1D66BF6EBULL, 0x7BB0F07DE0829D49ULL},
                                           SweepSpan{2041, 2060, 0x7BB0F07DE0829D49ULL, kWholeSweepDigest}));

} // namespace
} // namespace namewright
