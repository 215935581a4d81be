#include "shortlist/ShortlistSources.h"

#include "chart/SeriesSolarTermChart.h"
#include "naming/CompoundSurnames.h"
#include "naming/NameScoring.h"

namespace namewright {

CompoundFamilyLookup compoundFamilyLookup(NamingDatabase& database) {
    return [&database](std::string_view family) -> std::optional<std::pair<WordRow, WordRow>> {
        const auto characters = compoundSurnameCharacters(family);
        if (!characters) {
            return std::nullopt;
        }
        const auto first = database.wordRow(characters->first);
        const auto second = database.wordRow(characters->second);
        if (!first || !second) {
            return std::nullopt;
        }
        return std::pair{*first, *second};
    };
}

ShortlistSources shortlistSources(const SeriesChart* chart, std::string_view minuteText, KnowledgeBase knowledge,
                                  std::shared_ptr<const LuckTables> luck, NamingDatabase& database, int threshold) {
    ShortlistSources sources;
    if (chart != nullptr) {
        sources.missingElements = chart->chart.missingElements;
        // The minute box plays no part in the described chart; the solar-term chart reads it.
        const SeriesSolarTermChart solar = seriesSolarTermChart(chart->moment, minuteText);
        if (solar.chart) {
            sources.solarTermFavourable = solar.chart->strength.favourableElements();
        }
    }
    sources.knowledge = std::move(knowledge);
    sources.luck = std::move(luck);
    sources.compoundFamily = compoundFamilyLookup(database);
    sources.capCompoundScore = threshold > kScoreCapAbove;
    return sources;
}

} // namespace namewright
