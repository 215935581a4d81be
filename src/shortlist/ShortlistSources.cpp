#include "shortlist/ShortlistSources.h"

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

ShortlistSources shortlistSources(const SeriesRecord* record, KnowledgeBase knowledge,
                                  std::shared_ptr<const LuckTables> luck, NamingDatabase& database, int threshold) {
    ShortlistSources sources;
    if (record != nullptr) {
        if (!record->chart.pillars) {
            sources.chartState = SeriesChartState::OutOfRange;
        } else if (!database.isOpen()) {
            sources.chartState = SeriesChartState::NoDatabase;
        } else {
            sources.chartState = SeriesChartState::Worked;
            sources.missingElements = record->chart.missingElements;
        }
        if (record->solarTerms.chart) {
            sources.solarTermFavourable = record->solarTerms.chart->strength.favourableElements();
        }
    }
    sources.knowledge = std::move(knowledge);
    sources.luck = std::move(luck);
    sources.compoundFamily = compoundFamilyLookup(database);
    sources.capCompoundScore = threshold > kScoreCapAbove;
    return sources;
}

} // namespace namewright
