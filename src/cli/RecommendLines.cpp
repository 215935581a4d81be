#include "cli/RecommendLines.h"

#include "db/NamingDatabase.h"
#include "naming/NameScoring.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "shortlist/RecommendCharacterFacts.h"
#include "shortlist/Recommendation.h"
#include "text/Utf8.h"

namespace namewright::cli {

namespace {

/// The `word` row of a character; a character without one reads as WordRow{} (0 strokes, no element), as a run
/// scores it.
WordRow wordRowOf(NamingDatabase& database, char32_t c) {
    return database.wordRow(utf8Of(c)).value_or(WordRow{});
}

std::string signedPoints(int points) {
    return (points > 0 ? "+" : "-") + std::to_string(points > 0 ? points : -points);
}

} // namespace

std::vector<std::string> recommendLines(const KnowledgeBase& knowledge, std::string_view family, std::string_view given,
                                        const RecommendMoment* moment) {
    const std::u32string characters = decodeUtf8(given);
    const std::u32string familyCharacters = decodeUtf8(family);
    if (characters.empty() || characters.size() > 2 || familyCharacters.empty()) {
        return {};
    }
    const char32_t first = characters[0];
    const char32_t second = characters.size() == 2 ? characters[1] : 0;
    const FamilyKnowledgeFlags flags(knowledge, family);

    RecommendInputs in;
    in.twoCharacters = second != 0;
    in.characters[0] = recommendCharacter(knowledge, first);
    if (in.twoCharacters) {
        in.characters[1] = recommendCharacter(knowledge, second);
        in.verse = flags.verseClass(first, second);
        in.wordLike = readsAsWordOrPlace(knowledge, first, second);
    }
    in.sound = flags.soundStrength(first, second);
    if (moment != nullptr) {
        NamingDatabase& database = *moment->database;
        // As a run lists the name: the family's first character looked up, the given ones each, the score uncapped.
        const WordRow familyRow = wordRowOf(database, familyCharacters[0]);
        const WordRow firstRow = wordRowOf(database, first);
        const WordRow secondRow = second != 0 ? wordRowOf(database, second) : WordRow{};
        in.score =
            scoreName(family, familyRow, firstRow, second != 0 ? &secondRow : nullptr, moment->luck, false).score;
        ElementSet elements = ElementSet::occurringIn(firstRow.element);
        elements |= ElementSet::occurringIn(secondRow.element);
        in.favourable = elements.intersects(moment->missingElements);
        in.solarFavourable = moment->solarTermFavourable && elements.intersects(*moment->solarTermFavourable);
    }
    const Recommendation recommendation = recommend(RecommendWeights{}, in);
    std::vector<std::string> lines;
    if (moment != nullptr) {
        lines.push_back("recommend\t" + std::to_string(recommendation.value));
    }
    for (const RecommendPart& part : partsLargestFirst(recommendation)) {
        if (moment == nullptr && (part.term == RecommendTerm::Score || termNeedsMoment(part.term))) {
            continue;
        }
        lines.push_back("recommend-term\t" + std::string(recommendTermCaption(part.term)) + '\t' +
                        signedPoints(part.points));
    }
    return lines;
}

} // namespace namewright::cli
