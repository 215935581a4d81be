#pragma once
// Birth-chart five-element analysis (生辰八字五行分析): the seven chart texts of a birth moment.
//
// The analysis reads the four input texts as whole numbers (a text that is not one reads as 0), converts the date
// to its LunarDate and four pillars, and takes every result from those values: the lunar date text and the four
// pillars text as the calendar prints them (`ConvertToLunarText`, `ConvertToFourPillars`; each gives the year warning
// for a year outside 1881..2060 or a date that does not exist, so a bad year or date
// warns twice), the zodiac animal of the year pillar's branch, the eight
// characters, one `bazi` lookup (Q1) per pillar pair in the order year, month, day, hour, and the favourable element:
// the set of elements that none of the looked-up element texts names.
//
// For a date the calendar does not convert there are no pillars: both calendar texts read "1881-2060", the zodiac
// animal is empty, the eight characters read "1881-2060", nothing is looked up, the elements and nayin texts are
// four spaces and the favourable element is "金 木 水 火 土 ".
//
// Names: `AnalyseBirthChart` is the analysis's own name; the helpers this program adds are camelCase.

#include "calendar/Element.h"
#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"
#include "calendar/YearWarning.h"
#include "chart/BirthChart.h"
#include "chart/SharedBirthChart.h"
#include "db/NamingDatabase.h"

#include <functional>
#include <optional>
#include <string>

namespace namewright {

/// The birth date and hour as typed in the four boxes (year, month, day, hour); the minute box plays no part.
struct BirthMomentTexts {
    std::string year, month, day, hour;
    bool operator==(const BirthMomentTexts&) const = default;
};

/// The result labels of the main window, in the order the analysis fills them.
enum class ChartLabel { LunarDate, FourPillars, ZodiacAnimal, EightCharacters, Elements, Nayin, FavourableElement };

/// Receives each result as soon as the analysis has it, on the analysing thread.
using ChartLabelSink = std::function<void(ChartLabel, const std::string&)>;

/// The `bazi` row of a pillar pair (Q1), or nothing when the table has none.
using BaziLookup = std::function<std::optional<BaziRow>(SexagenaryPair)>;

/// Main-window form: hands each result to `labels` in the order of ChartLabel, stores the whole chart in `shared`
/// (replacing what stood there) and returns it. `database` is the connection of the calling thread.
BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn, const ChartLabelSink& labels);

/// Evaluation form: the same results and the same store, no labels.
BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn);

/// The analysis from values: the seven results of a converted date and its pillars (fourPillarsOf of that date and
/// the birth hour; nothing for an out-of-range date), each handed to `labels` (when set) as soon as it is known.
/// Gives no year warning and stores nothing.
BirthChart AnalyseBirthChart(const LunarDate& date, const std::optional<FourPillars>& pillars, const BaziLookup& bazi,
                             const ChartLabelSink& labels = {});

/// The four pillars without their 年 月 日 时, spaces kept: "庚寅 戊寅 乙未 庚辰"; "1881-2060" for no pillars.
std::string eightCharactersOf(const std::optional<FourPillars>& pillars);

/// Each of 金, 木, 水, 火, 土, in that order, that is not in `present`, followed by a space; "无" when all five are.
std::string favourableElementOf(ElementSet present);

} // namespace namewright
