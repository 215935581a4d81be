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
#include "chart/BirthMomentTexts.h"
#include "chart/LatestLunarChart.h"
#include "chart/LunarChart.h"
#include "db/NamingDatabase.h"

#include <functional>
#include <optional>
#include <string>

namespace namewright {

/// Receives each result as soon as the analysis has it, on the analysing thread.
using ChartLabelSink = std::function<void(ChartLabel, const std::string&)>;

/// The `bazi` row of a pillar pair (Q1), or nothing when the table has none.
using BaziLookup = std::function<std::optional<BaziRow>(SexagenaryPair)>;

/// Where an analysis hands what it produces besides the chart it returns; each is optional. The main window's form
/// sets all three, the evaluation window's no labels, the command line none.
struct ChartSinks {
    YearWarningHandler warn = {};       ///< the calendar's year warnings
    ChartLabelSink labels = {};         ///< each result as soon as it is known, in the order of ChartLabel
    LatestLunarChart* latest = nullptr; ///< replaced by the whole chart
};

/// Analyses the moment's chart on `database` (the connection of the calling thread) and returns it, handing its
/// warnings, labels and whole chart to `sinks`.
LunarChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, const ChartSinks& sinks = {});

/// The analysis from values: the seven results of a converted date and its pillars (fourPillarsOf of that date and
/// the birth hour; nothing for an out-of-range date), each handed to `labels` (when set) as soon as it is known.
/// Gives no year warning and stores nothing.
LunarChart AnalyseBirthChart(const LunarDate& date, const std::optional<FourPillars>& pillars, const BaziLookup& bazi,
                             const ChartLabelSink& labels = {});

/// The four pillars without their 年 月 日 时, spaces kept: "庚寅 戊寅 乙未 庚辰"; "1881-2060" for no pillars.
std::string eightCharactersOf(const std::optional<FourPillars>& pillars);

/// Each of 金, 木, 水, 火, 土, in that order, that is not in `present`, followed by a space; "无" when all five are.
std::string favourableElementOf(ElementSet present);

} // namespace namewright
