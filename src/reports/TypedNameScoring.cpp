#include "reports/TypedNameScoring.h"

#include "db/NamingDatabase.h"
#include "naming/FiveGrids.h"
#include "naming/LuckTables.h"
#include "text/GbkText.h"

#include <string>
#include <vector>

namespace namewright {

namespace {

/// The luck of just the numbers and key of one name, answered from the rows looked up for its report: the same
/// first rows a query per lookup would read.
LuckTables luckOfRows(const ExplanationRows& rows) {
    std::vector<NumerologyRow> numbers;
    for (const auto& row : rows.grids) {
        if (row) {
            numbers.push_back(*row);
        }
    }
    std::vector<ThreeTalentsRow> keys;
    if (rows.threeTalents) {
        keys.push_back(*rows.threeTalents);
    }
    return LuckTables(numbers, keys);
}

} // namespace

std::optional<TypedNameScore> scoreTypedName(std::string_view familyText, std::string_view givenText,
                                             NamingDatabase& database) {
    const std::size_t width = gbkWidth(givenText);
    if (width != 2 && width != 4) {
        return std::nullopt;
    }
    const std::string_view familyCharacter = gbkPrefix(familyText, 2);
    const WordRow family = database.wordRow(familyCharacter).value_or(WordRow{});
    const WordRow first = database.wordRow(gbkSlice(givenText, 0, 2)).value_or(WordRow{});
    std::optional<WordRow> second;
    if (width == 4) {
        second = database.wordRow(gbkSlice(givenText, 2, 2)).value_or(WordRow{});
    }

    const FiveGrids grids = second ? gridNumbers(family.strokes, first.strokes, second->strokes)
                                   : gridNumbers(family.strokes, first.strokes);
    TypedNameScore result;
    result.rows =
        lookUpExplanationRows({std::to_string(grids.heaven), std::to_string(grids.person), std::to_string(grids.earth),
                               std::to_string(grids.outer), std::to_string(grids.total)},
                              threeTalentsKey(grids), database);
    result.name = scoreName(familyCharacter, family, first, second ? &*second : nullptr, luckOfRows(result.rows),
                            /*capScore=*/true);
    return result;
}

} // namespace namewright
