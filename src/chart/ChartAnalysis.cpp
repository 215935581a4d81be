#include "chart/ChartAnalysis.h"

#include "calendar/LunarConversion.h"
#include "calendar/LunarTexts.h"
#include "calendar/Pillars.h"
#include "text/WholeNumber.h"

namespace namewright {

LunarChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, const ChartSinks& sinks) {
    const int year = wholeNumberOrZero(moment.year);
    const int month = wholeNumberOrZero(moment.month);
    const int day = wholeNumberOrZero(moment.day);
    const int hour = wholeNumberOrZero(moment.hour);

    // Each of the two calendar texts gives the year warning of its own, so a bad year or a date that does not exist
    // warns twice.
    CheckYearRange(year, month, day, sinks.warn);
    CheckYearRange(year, month, day, sinks.warn);
    const LunarDate date = SolarToLunar(year, month, day);
    LunarChart chart = AnalyseBirthChart(
        date, fourPillarsOf(date, hour), [&database](SexagenaryPair pair) { return database.baziRow(pair.text()); },
        sinks.labels);
    if (sinks.latest != nullptr) {
        sinks.latest->replace(chart);
    }
    return chart;
}

LunarChart AnalyseBirthChart(const LunarDate& date, const std::optional<FourPillars>& pillars, const BaziLookup& bazi,
                             const ChartLabelSink& labels) {
    auto show = [&labels](ChartLabel label, const std::string& text) {
        if (labels) {
            labels(label, text);
        }
    };

    LunarChart chart;
    // Out of range the text is "1881-2060" whatever the hour.
    chart.lunarDate = ConvertToLunarText(date, pillars ? pillars->hour.branch() : HourBranch(0));
    chart.fourPillars = ConvertToFourPillars(pillars);
    show(ChartLabel::LunarDate, chart.lunarDate);
    show(ChartLabel::FourPillars, chart.fourPillars);

    chart.zodiacAnimal = pillars ? std::string(pillars->year.branch().animal()) : std::string();
    show(ChartLabel::ZodiacAnimal, chart.zodiacAnimal);

    chart.eightCharacters = eightCharactersOf(pillars);
    show(ChartLabel::EightCharacters, chart.eightCharacters);

    ElementSet present;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<BaziRow> row = pillars && bazi ? bazi(pillars->inOrder()[i]) : std::nullopt;
        if (row) {
            chart.elements += row->elements;
            chart.nayin += row->nayin;
            present |= ElementSet::occurringIn(row->elements);
        }
        // Every pillar keeps its place in both texts, also without a row.
        chart.elements += ' ';
        chart.nayin += ' ';
    }
    show(ChartLabel::Elements, chart.elements);
    show(ChartLabel::Nayin, chart.nayin);

    chart.pillars = pillars;
    chart.missingElements = present.complement();
    chart.favourableElement = favourableElementOf(present);
    show(ChartLabel::FavourableElement, chart.favourableElement);
    return chart;
}

std::string eightCharactersOf(const std::optional<FourPillars>& pillars) {
    if (!pillars) {
        // The four pillars text of an out-of-range date, which holds no unit to remove.
        return std::string(kOutOfRangeText);
    }
    std::string characters;
    for (const SexagenaryPair pair : pillars->inOrder()) {
        if (!characters.empty()) {
            characters += ' ';
        }
        characters += pair.text();
    }
    return characters;
}

std::string favourableElementOf(ElementSet present) {
    std::string missing;
    for (const Element element : kChartElementOrder) {
        if (!present.contains(element)) {
            missing += elementText(element);
            missing += ' ';
        }
    }
    return missing.empty() ? std::string("无") : missing;
}

} // namespace namewright
