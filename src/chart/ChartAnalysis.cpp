#include "chart/ChartAnalysis.h"

#include "calendar/Element.h"
#include "calendar/LunarTexts.h"
#include "calendar/Pillars.h"
#include "text/GbkText.h"
#include "text/WholeNumber.h"

#include <cstddef>
#include <optional>

namespace namewright {
namespace {

constexpr std::array<std::string_view, 4> kPillarUnits{"年", "月", "日", "时"};

BirthChart analyse(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                   const YearWarningHandler& warn, const ChartLabelSink* labels) {
    auto show = [labels](ChartLabel label, const std::string& text) {
        if (labels != nullptr && *labels) {
            (*labels)(label, text);
        }
    };

    const int year = wholeNumberOrZero(moment.year);
    const int month = wholeNumberOrZero(moment.month);
    const int day = wholeNumberOrZero(moment.day);
    const int hour = wholeNumberOrZero(moment.hour);

    BirthChart chart;
    chart.lunarDate = ConvertToLunarText(year, month, day, hour, warn);
    chart.fourPillars = ConvertToFourPillars(year, month, day, hour, warn);
    show(ChartLabel::LunarDate, chart.lunarDate);
    show(ChartLabel::FourPillars, chart.fourPillars);

    chart.zodiacAnimal = zodiacAnimalOf(chart.lunarDate);
    show(ChartLabel::ZodiacAnimal, chart.zodiacAnimal);

    chart.eightCharacters = eightCharactersOf(chart.fourPillars);
    show(ChartLabel::EightCharacters, chart.eightCharacters);

    for (const std::string& pair : pillarPairsOf(chart.eightCharacters)) {
        const std::optional<BaziRow> row = database.baziRow(pair);
        if (row) {
            chart.elements += row->wuxing;
            chart.nayin += row->wuxing1;
        }
        chart.elements += ' ';
        chart.nayin += ' ';
    }
    show(ChartLabel::Elements, chart.elements);
    show(ChartLabel::Nayin, chart.nayin);

    chart.favourableElement = favourableElementOf(chart.elements);
    show(ChartLabel::FavourableElement, chart.favourableElement);

    shared.replace(chart);
    return chart;
}

} // namespace

BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn, const ChartLabelSink& labels) {
    return analyse(moment, database, shared, warn, &labels);
}

BirthChart AnalyseBirthChart(const BirthMomentTexts& moment, NamingDatabase& database, SharedBirthChart& shared,
                             const YearWarningHandler& warn) {
    return analyse(moment, database, shared, warn, nullptr);
}

std::string zodiacAnimalOf(std::string_view lunarText) {
    std::size_t best = std::string_view::npos;
    std::string_view animal;
    for (const std::string_view branch : kEarthlyBranches) {
        const std::string_view candidate = zodiacAnimalOfBranch(branch);
        const std::string phrase = std::string(branch) + std::string(candidate) + "年";
        const std::size_t at = lunarText.find(phrase);
        if (at < best) {
            best = at;
            animal = candidate;
        }
    }
    return std::string(animal);
}

std::string eightCharactersOf(std::string_view fourPillars) {
    std::string characters;
    characters.reserve(fourPillars.size());
    std::size_t pos = 0;
    while (pos < fourPillars.size()) {
        const std::size_t length = utf8SequenceLength(fourPillars, pos);
        const std::string_view character = fourPillars.substr(pos, length);
        bool isUnit = false;
        for (const std::string_view unit : kPillarUnits) {
            isUnit = isUnit || character == unit;
        }
        if (!isUnit) {
            characters += character;
        }
        pos += length;
    }
    return characters;
}

std::array<std::string, 4> pillarPairsOf(std::string_view eightCharacters) {
    std::string compact;
    compact.reserve(eightCharacters.size());
    for (const char c : eightCharacters) {
        if (c != ' ') {
            compact += c;
        }
    }
    std::array<std::string, 4> pairs;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        pairs[i] = std::string(gbkSlice(compact, i * 4, 4));
    }
    return pairs;
}

std::string favourableElementOf(std::string_view elements) {
    const ElementSet present = ElementSet::occurringIn(elements);
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
