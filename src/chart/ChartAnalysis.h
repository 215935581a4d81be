#pragma once
// Birth-chart five-element analysis (生辰八字五行分析): the seven chart texts of a birth moment.
//
// The analysis converts the four input texts to whole numbers (a text that is not one reads as 0), takes the lunar
// date text and the four pillars text from the calendar engine (each gives the year warning for a year outside
// 1881..2060 or a date that does not exist, so a bad year or date warns twice), cuts the zodiac animal and the eight
// characters out of them, looks each of the four pillar pairs up in table `bazi` (Q1) and lists the elements that
// none of the pairs carries.
//
// For a date the calendar does not convert, both calendar texts read "1881-2060": the zodiac animal is empty, the
// eight characters read "1881-2060", no pair finds a row, the elements and nayin texts are four spaces and the
// favourable element is "金 木 水 火 土 ".

#include "calendar/YearWarning.h"
#include "chart/BirthChart.h"
#include "chart/SharedBirthChart.h"
#include "db/NamingDatabase.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace namewright {

/// The birth date and hour as typed in the four boxes (year, month, day, hour); the minute box plays no part.
struct BirthMomentTexts {
    std::string year, month, day, hour;
};

/// The result labels of the main window, in the order the analysis fills them.
enum class ChartLabel { LunarDate, FourPillars, ZodiacAnimal, EightCharacters, Elements, Nayin, FavourableElement };

/// Receives each result as soon as the analysis has it, on the analysing thread.
using ChartLabelSink = std::function<void(ChartLabel, const std::string&)>;

/// Main-window form: hands each result to `labels` in the order of ChartLabel, stores the whole chart in `shared`
/// (replacing what stood there) and returns it. `database` is the connection of the calling thread.
BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn, const ChartLabelSink& labels);

/// Evaluation form: the same results and the same store, no labels.
BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn);

/// The animal of the lunar year in a lunar date text: the character between the year branch and the "年" that
/// closes the zodiac phrase ("虎" for "2010年  寅虎年 正月 初一 辰时", "蛇" for "1881年  光绪七年 巳蛇年 ..."). Empty
/// for a text without a zodiac phrase, such as "1881-2060".
std::string zodiacAnimalOf(std::string_view lunarText);

/// The four pillars text with every 年, 月, 日 and 时 removed, spaces kept: "庚寅 戊寅 乙未 庚辰".
std::string eightCharactersOf(std::string_view fourPillars);

/// The eight characters without their spaces, cut at GBK bytes 1-4, 5-8, 9-12 and 13-16: the year, month, day and
/// hour pairs. Parts of a shorter text are shorter or empty.
std::array<std::string, 4> pillarPairsOf(std::string_view eightCharacters);

/// Each of 金, 木, 水, 火, 土, in that order, that occurs nowhere in the elements text, followed by a space; "无" when
/// all five occur.
std::string favourableElementOf(std::string_view elements);

} // namespace namewright
