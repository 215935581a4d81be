#pragma once
// The shortlist (名单): the distinct names of the current series, filtered and ranked.
//
// It follows the result store: refresh() takes the rows listed since the last call into the distinct names and merges
// the new names that pass the filter into the shown order at their sorted places; a name drawn again only shows its
// new count (an order by draw count is brought up to date by the next sort()). The shown order is one 32-bit index per
// shown name (the name's first listed row, stable because the store only grows), and every 64th name's sort key.
//
// Order: by the sort column, ascending or descending, and names of equal key by their first listed row, earliest first.
// The ranking (the initial order) is the score, highest first. A store cleared for a new series empties the shortlist
// at the next refresh.
//
// The rows it takes begin at a first row: the rows before it were listed under another birth moment of the same
// series (SeriesRecord::firstRow), and a shortlist never mixes two moments. A new series begins at its row 0.
//
// Memory beyond the result store: about 8 bytes per distinct name in DistinctNames, 4 per shown name and a few
// hundred bytes per group (family, first character); filtering and sorting borrow 8 bytes per name while they run.
// Not thread-safe: the interface thread owns it, while the generation worker appends to the store.

#include "shortlist/DistinctNames.h"
#include "shortlist/ShortlistColumn.h"
#include "shortlist/ShortlistFacts.h"
#include "shortlist/ShortlistFilter.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace namewright {

class Shortlist {
public:
    /// Takes the store's rows from `firstRow` on.
    Shortlist(const ResultStore& store, ShortlistSources sources, std::size_t firstRow = 0);

    /// What a refresh changed.
    struct Change {
        bool reset = false;        ///< the store holds a new series: everything shown before is gone
        bool orderChanged = false; ///< names came into the shown order (or it was rebuilt)
        bool drawsChanged = false; ///< a name already there was drawn again
        std::size_t newNames = 0;  ///< distinct names that came, shown or not
        bool any() const { return reset || orderChanged || drawsChanged; }
    };

    /// Takes the store's new rows and merges the new names: takeRows() and then mergeTaken(), within one budget.
    Change refresh(std::optional<std::chrono::nanoseconds> budget = std::nullopt);
    /// Takes the store's new rows into the distinct names (a new series first empties everything). With a budget,
    /// takes slices of rows sized to fit it, stops before the next slice would overrun it and leaves the rest for the
    /// next call; at least one slice is taken. New names are not shown until mergeTaken(); Change::orderChanged tells
    /// whether that will change the shown order.
    Change takeRows(std::optional<std::chrono::nanoseconds> budget = std::nullopt);
    /// Merges the names takeRows() brought into the shown order. With a budget, merges them a part at a time and
    /// leaves what the budget does not cover for the next call (at least one part is merged); the order the names
    /// end in is the same either way. A rebuild (a new series, or new names beyond a quarter of all) is not split.
    void mergeTaken(std::optional<std::chrono::nanoseconds> budget = std::nullopt);
    /// True when names taken wait to be merged into the shown order.
    bool mergePending() const { return m_rebuildPending || !m_added.empty(); }
    /// True when all the store's rows are taken (mergePending() tells whether all are shown).
    bool caughtUp() const;
    /// True when the store holds another series than the one shown (the next takeRows() resets).
    bool seriesChanged() const;

    void setFilter(const ShortlistFilter& filter);
    const ShortlistFilter& filter() const { return m_filter; }
    void sort(ShortlistColumn column, bool descending);
    /// The favourites; the shown order is rebuilt when they matter to it (favourites only, or sorted by them).
    void setFavourites(std::vector<FavouriteStars> favourites);

    /// The 推荐 order's weights, and the parent's own favourable elements (nothing: the charts'), which also stand for
    /// the elements 补缺 asks for; the shown order is rebuilt when it hangs on them (sorted by 推荐 or 补缺, or
    /// filtered by 补缺).
    void setRecommendWeights(const RecommendWeights& weights);
    void setOwnFavourable(std::optional<ElementSet> elements);
    /// The 推荐 value of the name shown at `position` with each term's points.
    Recommendation recommendationAt(std::size_t position) const;
    ShortlistColumn sortColumn() const { return m_column; }
    bool sortDescending() const { return m_descending; }

    /// Names shown.
    std::size_t size() const { return m_view.size(); }
    /// Distinct names of the series, shown or not.
    std::size_t distinctCount() const { return m_names.size(); }
    /// The store row after the last one taken (rows taken are firstRow() .. takenRows() - 1).
    std::size_t takenRows() const { return m_names.takenRows(); }
    /// The first store row taken; the rows before it belong to another birth moment and are left out.
    std::size_t firstRow() const { return m_firstRow; }
    /// Rows taken: the rows of the shown birth moment so far.
    std::size_t rowsOfMoment() const { return m_names.takenRows() - m_firstRow; }

    /// The first listed row of the name shown at `position` (< size()).
    std::uint32_t firstRowAt(std::size_t position) const { return m_view[position]; }
    /// Where the name whose first listed row is `firstRow` is shown; nothing when it is not.
    std::optional<std::size_t> positionOf(std::uint32_t firstRow) const;
    NameRef refAt(std::size_t position) const;
    NameFacts factsAt(std::size_t position) const;
    std::string pinyinAt(std::size_t position) const;

    const ShortlistFacts& facts() const { return m_facts; }
    const DistinctNames& names() const { return m_names; }

    /// Heap bytes held beyond the result store.
    std::size_t memoryBytes() const;

private:
    void rebuild();
    void merge(const std::vector<NameRef>& added);
    void rebuildFences();
    std::uint64_t keyOfRow(std::uint32_t firstRow) const;
    std::uint64_t pack(std::uint32_t key, std::uint32_t firstRow) const;
    std::size_t lowerBound(std::uint64_t key, std::size_t from) const;

    const ResultStore& m_store;
    DistinctNames m_names;
    ShortlistFacts m_facts;
    std::uint32_t m_series = 0;
    std::size_t m_firstRow = 0;
    ShortlistFilter m_filter;
    ShortlistColumn m_column = ShortlistColumn::Score;
    bool m_descending = true;
    std::vector<std::uint32_t> m_view;   // first rows in shown order
    std::vector<std::uint64_t> m_fences; // the key of every 64th shown name
    std::vector<NameRef> m_added;        // names taken but not yet merged
    // The rows of the next slice a budgeted takeRows() takes, and the names of the next part a budgeted mergeTaken()
    // merges: each grows or shrinks with the time the last one took.
    static constexpr std::size_t kSmallestSlice = 64;
    static constexpr std::size_t kFirstSlice = 4096;
    static constexpr std::size_t kLargestSlice = std::size_t{1} << 20;
    std::size_t m_slice = kFirstSlice;
    std::size_t m_mergeChunk = kFirstSlice;
    bool m_rebuildPending = true; // the shown order must be built from all names
};

} // namespace namewright
