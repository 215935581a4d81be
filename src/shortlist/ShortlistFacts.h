#pragma once
// ShortlistFacts: what the shortlist knows of each distinct name beside its stored row: whether it supplies a
// missing or favourable element, whether it is a favourite, its knowledge columns, its compound-surname score, and
// the sort keys of every column.
//
// The elements a name supplies come from its stored row (StoredName::givenElements); 补缺 asks for the parent's own
// 喜用神 where they were ticked, else for the ones the series' chart lacks. Everything else is worked out
// per family, per character text or per element text (a few thousand of each) and kept in small tables indexed by
// their ids, except the three knowledge flags, which depend on the family and both given
// characters: those are worked out once per name when it is added and kept as bits over the name's group and
// second-character number (a bit per possible name, about a tenth of a byte per name in a well-filled series).
//
// Not thread-safe; used by the shortlist on the interface thread.

#include "knowledge/KnowledgeBase.h"
#include "naming/FiveGrids.h"
#include "naming/LuckTables.h"
#include "shortlist/DistinctNames.h"
#include "shortlist/FamilyKnowledgeFlags.h"
#include "shortlist/NameRecommender.h"
#include "shortlist/ShortlistColumn.h"
#include "shortlist/ShortlistFilter.h"
#include "shortlist/ShortlistSources.h"

#include "calendar/Element.h"
#include "db/Rows.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace namewright {

/// The stars of a favourite as the shortlist matches them to its names: the favourite's family text and given
/// characters as typed, and its stars (1-5). The favourites themselves are kept elsewhere (reports/FavouriteList.h).
struct FavouriteStars {
    std::string familyText;
    std::string given;
    int stars = 1;
};

/// Everything the shortlist shows of one name beside the nine cells of its first row.
struct NameFacts {
    std::uint32_t firstRow = 0;
    std::uint32_t draws = 0;
    bool suppliesMissingElement = false;
    bool suppliesFavourableElement = false; ///< false where the 节气八字 was not worked out
    int favouriteStars = 0;                 ///< 0: not a favourite
    KnowledgeFlags knowledge;               ///< `available` false without the knowledge file
    std::optional<FiveGrids> compoundGrids; ///< for a compound surname with both characters in `word`
    std::optional<int> compoundScore;
    int recommended = 0;            ///< the 推荐 value, 0-100
    bool recommendedBottom = false; ///< a 贬 character: below every other name in the 推荐 order
};

class ShortlistFacts {
public:
    ShortlistFacts(const ResultStore& store, const DistinctNames& names, ShortlistSources sources);
    ~ShortlistFacts();
    ShortlistFacts(const ShortlistFacts&) = delete;
    ShortlistFacts& operator=(const ShortlistFacts&) = delete;

    const ShortlistSources& sources() const { return m_sources; }
    bool knowledgeAvailable() const { return m_sources.knowledge.isAvailable(); }
    bool solarTermChartAvailable() const { return m_sources.solarTermFavourable.has_value(); }
    /// Whether any family of the series is a compound surname with its two characters found.
    bool anyCompoundSurname() const;

    /// Forgets everything worked out for the names (for a new series); keeps the sources, filter and favourites.
    void reset();
    /// Brings the tables up to the texts, families and groups there are now. Call before the others after names or
    /// texts were added.
    void update();
    /// Works out the knowledge flags of names just added.
    void noteAdded(const std::vector<NameRef>& added);

    /// Takes a filter's typed characters; call update() first.
    void setFilter(const ShortlistFilter& filter);
    /// Takes the favourites (resolved again by update() as new names come).
    void setFavourites(std::vector<FavouriteStars> favourites);

    /// Whether a name passes the filter set last.
    bool passes(NameRef ref, const StoredName& row) const;
    /// Prepares the ranks that the Name, ElementText and Pinyin keys need.
    void prepareKeys(ShortlistColumn column);
    /// The sort key of a name in a column, ascending; prepareKeys(column) first.
    std::uint32_t key(ShortlistColumn column, NameRef ref, const StoredName& row, std::uint32_t draws) const;

    NameFacts facts(NameRef ref, const StoredName& row, std::uint32_t draws, std::uint32_t firstRow) const;
    /// The five grids of a stored row (the family's strokes from the store, read once per family).
    FiveGrids grids(const StoredName& row) const;
    /// The pinyin of a name ("fàn tǒng"); empty without the knowledge file.
    std::string pinyin(NameRef ref) const;

    /// The elements 补缺 asks for: the parent's own 喜用神 when ticked (recommender().ownFavourable()), else the ones
    /// the series' chart lacks (empty without a worked chart).
    const ElementSet& missingElementsUsed() const {
        return m_recommender.ownFavourable() ? *m_recommender.ownFavourable() : m_sources.missingElements;
    }

    /// The 推荐 order's weights and the parent's own favourable elements (also 补缺's); the caller re-sorts.
    NameRecommender& recommender() { return m_recommender; }
    const NameRecommender& recommender() const { return m_recommender; }

    /// Heap bytes held by the tables (texts and favourites not counted).
    std::size_t memoryBytes() const;

private:
    struct Family;
    struct Character {
        char32_t codePoint = 0; ///< 0: not a single character
        std::uint32_t nameRank = 0;
        std::uint32_t pinyinRank = 0;
        bool excluded = false;
    };

    const Family& family(std::uint32_t id) const { return *m_families[id]; }
    /// A given character's element is one the series' chart lacks / is a 用神 or 喜神 of the 节气八字.
    bool suppliesMissingElement(const StoredName& row) const;
    bool suppliesFavourableElement(const StoredName& row) const;
    bool bit(const std::vector<std::vector<std::uint64_t>>& bits, NameRef ref) const;
    static void setBit(std::vector<std::vector<std::uint64_t>>& bits, NameRef ref, bool value);
    void noteKnowledge(NameRef ref);
    std::optional<int> compoundScore(const Family& family, const StoredName& row,
                                     std::optional<FiveGrids>* grids = nullptr) const;
    void resolveFilterTexts();
    void resolveFavourites();
    void rankNames();
    void rankPinyin();
    void rankElementTexts();

    const ResultStore& m_store;
    const DistinctNames& m_names;
    ShortlistSources m_sources;
    std::vector<std::unique_ptr<Family>> m_families;
    std::vector<Character> m_characters; // by text id
    std::size_t m_knownTexts = 0;

    std::vector<std::vector<std::uint64_t>> m_noWarning, m_verse, m_common; // [group] bits over dense numbers
    std::vector<std::vector<std::uint64_t>> m_favourite;
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> m_stars; // (group, dense) -> stars
    std::vector<FavouriteStars> m_favourites;
    std::size_t m_favouritesResolvedAt = 0; // names counted when the favourites were last resolved

    ShortlistFilter m_filter;
    std::vector<std::uint32_t> m_required; // text ids the given name must hold
    bool m_requiredMissing = false;        // a required character is in no name

    std::vector<std::uint32_t> m_groupNameOrdinal, m_secondNameRank;
    std::vector<std::uint32_t> m_groupPinyinOrdinal, m_secondPinyinRank;
    std::vector<std::uint32_t> m_elementRank; // by text id
    NameRecommender m_recommender;
};

} // namespace namewright
