#pragma once
// What the shortlist of a series works with beside the result store: the elements the series' charts ask for, the
// character knowledge, the luck tables and the family rows for the compound-surname score. The shortlist window and
// `namewright-cli generate --distinct` build them with shortlistSources(), so both rank and filter alike.

#include "calendar/Element.h"
#include "chart/SeriesRecord.h"
#include "db/NamingDatabase.h"
#include "db/Rows.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/LuckTables.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace namewright {

/// The `word` rows of the two characters of a compound surname, or nothing when it is none or was not looked up.
using CompoundFamilyLookup = std::function<std::optional<std::pair<WordRow, WordRow>>(std::string_view familyText)>;

/// Whether the series' chart could be worked out, so that its missing elements mean something.
enum class SeriesChartState {
    Unknown,    ///< no worker of the series has analysed yet
    Worked,     ///< the chart is there: missingElements are the elements it lacks
    OutOfRange, ///< the birth date is outside the lunar table (or no date at all): there is no chart
    NoDatabase, ///< the naming database could not be read: the pillars' elements are unknown
};

struct ShortlistSources {
    ElementSet missingElements;                              ///< the elements the series' chart lacks (its 喜用神)
    SeriesChartState chartState = SeriesChartState::Unknown; ///< without a worked chart, missingElements is empty
    std::optional<ElementSet> solarTermFavourable; ///< 用神 and 喜神 of the series' 节气八字, when worked out
    KnowledgeBase knowledge;                       ///< unavailable: the knowledge columns stay empty
    std::shared_ptr<const LuckTables> luck;        ///< for the compound-surname score; none: no such score
    CompoundFamilyLookup compoundFamily;           ///< the family characters' rows of a compound surname
    bool capCompoundScore = false;                 ///< apply the score cap to the compound-surname score
};

/// The compound-surname lookup on `database`: the `word` rows of both characters of a listed compound surname;
/// nothing for any other family text or when either character has no row. `database` must outlive the lookup and be
/// used by no other thread while the lookup runs.
CompoundFamilyLookup compoundFamilyLookup(NamingDatabase& database);

/// The sources of the shortlist of a series. `record` is the record of the series the store holds (nothing when none
/// is known yet, before its first worker analysed): the elements its chart lacks, and the favourable elements of its
/// 节气八字. Without a chart (a date out of range) or without the database no element counts as missing, although
/// the described 喜用神 then names all five. `threshold` is the run's score threshold: above 95 the compound-surname
/// score is capped, as the listed scores are.
ShortlistSources shortlistSources(const SeriesRecord* record, KnowledgeBase knowledge,
                                  std::shared_ptr<const LuckTables> luck, NamingDatabase& database, int threshold);

} // namespace namewright
