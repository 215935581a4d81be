#include "shortlist/Shortlist.h"

#include "shortlist/RadixSort.h"

#include <algorithm>

namespace namewright {

namespace {

/// Empties a vector and gives its memory back (assigning {} would keep the capacity).
template <typename Vector> void releaseMemory(Vector& vector) {
    Vector().swap(vector);
}

constexpr std::size_t kFenceSpacing = 64;
constexpr std::size_t kRowsPerSlice = 16384; // scratch beyond four times this is given back
// The most names one budgeted take() moves while spreading its groups (8 bytes each: about a millisecond's work).
constexpr std::size_t kSpreadLimit = std::size_t{1} << 18;

} // namespace

Shortlist::Shortlist(const ResultStore& store, ShortlistSources sources, std::size_t firstRow)
    : m_store(store), m_names(store), m_facts(store, m_names, std::move(sources)), m_series(store.series()),
      m_firstRow(firstRow) {
    m_names.clear(firstRow);
    m_facts.update();
    m_facts.setFilter(m_filter);
}

bool Shortlist::seriesChanged() const {
    return m_store.series() != m_series || m_store.rowCount() < m_names.takenRows();
}

bool Shortlist::caughtUp() const {
    return !seriesChanged() && m_names.takenRows() >= std::min<std::size_t>(m_store.rowCount(), 0xFFFFFFFEU);
}

Shortlist::Change Shortlist::refresh(std::optional<std::chrono::nanoseconds> budget) {
    const auto start = std::chrono::steady_clock::now();
    const Change change = takeRows(budget);
    mergeTaken(budget ? std::optional(*budget - (std::chrono::steady_clock::now() - start)) : std::nullopt);
    return change;
}

Shortlist::Change Shortlist::takeRows(std::optional<std::chrono::nanoseconds> budget) {
    Change change;
    if (seriesChanged()) {
        // A new series: its rows replace the old ones, so every name and every fact worked out for them goes.
        m_series = m_store.series();
        m_firstRow = 0;
        m_names.clear();
        m_facts.reset();
        m_facts.setFilter(m_filter);
        releaseMemory(m_view);
        releaseMemory(m_fences);
        m_added.clear();
        m_rebuildPending = true;
        m_slice = kFirstSlice;
        change.reset = true;
        change.orderChanged = true;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::size_t takenBefore = m_names.takenRows();
    const std::size_t addedBefore = m_added.size();
    if (!budget) {
        // Everything at once, which spreads each group's names once.
        m_names.take(m_store.rowCount(), &m_added);
    } else {
        // Slices sized from the last ones: each take() spreads every group it touches, which costs with the names
        // already there rather than with the slice, so a take() moves at most kSpreadLimit names (it stops early
        // otherwise), a slice's time is measured and the next one halved or doubled to fit. The first slice is always
        // taken, so that every call makes progress.
        for (;;) {
            const std::size_t upTo = std::min(m_store.rowCount(), m_names.takenRows() + m_slice);
            if (upTo <= m_names.takenRows()) {
                break;
            }
            const auto before = std::chrono::steady_clock::now();
            m_names.take(upTo, &m_added, kSpreadLimit);
            const auto now = std::chrono::steady_clock::now();
            const auto took = now - before;
            if (took * 4 > *budget) {
                m_slice = std::max(kSmallestSlice, m_slice / 2);
            } else if (took * 8 < *budget) {
                m_slice = std::min(kLargestSlice, m_slice * 2);
            }
            if (now - start + took * 2 > *budget) {
                break;
            }
        }
    }
    const std::size_t taken = m_names.takenRows() - takenBefore;
    change.newNames = m_added.size() - addedBefore;
    change.drawsChanged = taken > change.newNames;
    change.orderChanged = change.orderChanged || !m_added.empty();
    return change;
}

void Shortlist::mergeTaken(std::optional<std::chrono::nanoseconds> budget) {
    // Merging costs a binary search per new name and a pass over the shown names; beyond a quarter of all names one
    // pass that sorts them all costs less.
    if (m_rebuildPending || m_added.size() > m_names.size() / 4) {
        rebuild();
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    while (!m_added.empty()) {
        // With a budget the names merge a part at a time (the latest taken first; the order they merge in does not
        // change the order they end in), each part timed so that the next fits what is left of the budget.
        const std::size_t count = budget ? std::min(m_mergeChunk, m_added.size()) : m_added.size();
        std::vector<NameRef> part(m_added.end() - static_cast<std::ptrdiff_t>(count), m_added.end());
        m_added.resize(m_added.size() - count);
        const auto before = std::chrono::steady_clock::now();
        m_facts.noteAdded(part);
        merge(part);
        if (!budget) {
            break;
        }
        const auto now = std::chrono::steady_clock::now();
        const auto took = now - before;
        if (took * 4 > *budget) {
            m_mergeChunk = std::max(kSmallestSlice, m_mergeChunk / 2);
        } else if (took * 8 < *budget) {
            m_mergeChunk = std::min(kLargestSlice, m_mergeChunk * 2);
        }
        if (now - start + took * 2 > *budget) {
            break;
        }
    }
    if (m_added.empty() && m_added.capacity() > kRowsPerSlice * 4) {
        releaseMemory(m_added);
    }
}

void Shortlist::setFilter(const ShortlistFilter& filter) {
    m_filter = filter;
    m_facts.update();
    m_facts.setFilter(filter);
    rebuild();
}

void Shortlist::sort(ShortlistColumn column, bool descending) {
    m_column = column;
    m_descending = descending;
    rebuild();
}

void Shortlist::setFavourites(std::vector<FavouriteStars> favourites) {
    m_facts.setFavourites(std::move(favourites));
    if (m_filter.favouritesOnly || m_column == ShortlistColumn::Favourite) {
        rebuild();
    }
}

void Shortlist::setRecommendWeights(const RecommendWeights& weights) {
    m_facts.recommender().setWeights(weights);
    if (m_column == ShortlistColumn::Recommended) {
        rebuild();
    }
}

void Shortlist::setOwnFavourable(std::optional<ElementSet> elements) {
    if (elements == m_facts.recommender().ownFavourable()) {
        return;
    }
    m_facts.recommender().setOwnFavourable(elements);
    // The own elements also stand for 补缺: its filter and its column's order change with them.
    if (m_column == ShortlistColumn::Recommended || m_column == ShortlistColumn::SuppliesMissingElement ||
        m_filter.suppliesMissingElement) {
        rebuild();
    }
}

Recommendation Shortlist::recommendationAt(std::size_t position) const {
    const StoredName& row = m_store.row(m_view[position]);
    return m_facts.recommender().recommend(refAt(position), row);
}

std::uint64_t Shortlist::pack(std::uint32_t key, std::uint32_t firstRow) const {
    const std::uint32_t ordered = m_descending ? ~key : key;
    return (static_cast<std::uint64_t>(ordered) << 32U) | firstRow;
}

std::uint64_t Shortlist::keyOfRow(std::uint32_t firstRow) const {
    const StoredName& row = m_store.row(firstRow);
    const auto ref = m_names.find(row);
    const std::uint32_t draws = ref ? m_names.name(*ref).draws : 0;
    return pack(ref ? m_facts.key(m_column, *ref, row, draws) : 0, firstRow);
}

void Shortlist::rebuild() {
    // Every name taken so far is shown from now on, the ones not merged yet included.
    m_facts.noteAdded(m_added);
    m_added.clear();
    if (m_added.capacity() > kRowsPerSlice * 4) {
        releaseMemory(m_added);
    }
    m_rebuildPending = false;
    m_facts.update();
    m_facts.prepareKeys(m_column);
    std::vector<std::uint64_t> keys;
    keys.reserve(m_names.size());
    m_names.forEach(
        [&](NameRef ref, const DistinctName& name) {
            const StoredName& row = m_store.row(name.firstRow);
            if (m_facts.passes(ref, row)) {
                keys.push_back(pack(m_facts.key(m_column, ref, row, name.draws), name.firstRow));
            }
        },
        true);
    std::vector<std::uint64_t> scratch;
    radixSort(keys, scratch);
    releaseMemory(scratch);
    std::vector<std::uint32_t> view(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        view[i] = static_cast<std::uint32_t>(keys[i]);
    }
    m_view = std::move(view);
    m_fences.clear();
    for (std::size_t i = 0; i < keys.size(); i += kFenceSpacing) {
        m_fences.push_back(keys[i]);
    }
    m_fences.shrink_to_fit();
}

void Shortlist::rebuildFences() {
    m_fences.clear();
    m_fences.reserve(m_view.size() / kFenceSpacing + 1);
    for (std::size_t i = 0; i < m_view.size(); i += kFenceSpacing) {
        m_fences.push_back(keyOfRow(m_view[i]));
    }
}

std::size_t Shortlist::lowerBound(std::uint64_t key, std::size_t from) const {
    // The fences (the keys at 0, 64, 128, ...) narrow the search to one block; inside it each probe works its key out
    // from the store. The answer is at `from` or after it.
    const std::size_t n = m_view.size();
    if (from >= n) {
        return n;
    }
    const auto firstFence = m_fences.begin() + static_cast<std::ptrdiff_t>(from / kFenceSpacing);
    const auto notBelow = std::lower_bound(firstFence, m_fences.end(), key);
    if (notBelow == firstFence) {
        return from; // every name from the fence at or before `from` on has a key not below `key`
    }
    const auto block = static_cast<std::size_t>(notBelow - m_fences.begin()) - 1; // its fence is below `key`
    std::size_t low = std::max(from, block * kFenceSpacing + 1);
    std::size_t high = std::min(n, (block + 1) * kFenceSpacing);
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (keyOfRow(m_view[mid]) < key) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    return low;
}

void Shortlist::merge(const std::vector<NameRef>& added) {
    m_facts.prepareKeys(m_column);
    std::vector<std::uint64_t> fresh;
    for (const NameRef ref : added) {
        const DistinctName& name = m_names.name(ref);
        const StoredName& row = m_store.row(name.firstRow);
        if (m_facts.passes(ref, row)) {
            fresh.push_back(pack(m_facts.key(m_column, ref, row, name.draws), name.firstRow));
        }
    }
    if (fresh.empty()) {
        return;
    }
    std::vector<std::uint64_t> scratch;
    radixSort(fresh, scratch);
    // Where each new name goes among the shown ones, found before anything moves; then the shown names move up from
    // the back in place, so a merge of a few names into many allocates nothing new (a fresh array of every shown
    // name per merge costs its page faults each time).
    std::vector<std::size_t> at(fresh.size());
    std::size_t from = 0;
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        at[i] = lowerBound(fresh[i], from);
        from = at[i];
    }
    std::size_t read = m_view.size();
    m_view.resize(m_view.size() + fresh.size());
    std::size_t write = m_view.size();
    for (std::size_t i = fresh.size(); i-- > 0;) {
        while (read > at[i]) {
            m_view[--write] = m_view[--read];
        }
        m_view[--write] = static_cast<std::uint32_t>(fresh[i]);
    }
    rebuildFences();
}

std::optional<std::size_t> Shortlist::positionOf(std::uint32_t firstRow) const {
    if (firstRow >= m_names.takenRows()) {
        return std::nullopt;
    }
    const StoredName& row = m_store.row(firstRow);
    const auto ref = m_names.find(row);
    if (!ref || m_names.name(*ref).firstRow != firstRow || !m_facts.passes(*ref, row)) {
        return std::nullopt;
    }
    const std::size_t at = lowerBound(keyOfRow(firstRow), 0);
    if (at < m_view.size() && m_view[at] == firstRow) {
        return at;
    }
    // Keys that changed since the last sort (draw counts, favourites) leave the order unsorted: look the plain way.
    const auto found = std::find(m_view.begin(), m_view.end(), firstRow);
    return found == m_view.end() ? std::nullopt
                                 : std::optional<std::size_t>(static_cast<std::size_t>(found - m_view.begin()));
}

NameRef Shortlist::refAt(std::size_t position) const {
    return *m_names.find(m_store.row(m_view[position]));
}

NameFacts Shortlist::factsAt(std::size_t position) const {
    const std::uint32_t firstRow = m_view[position];
    const StoredName& row = m_store.row(firstRow);
    const NameRef ref = *m_names.find(row);
    return m_facts.facts(ref, row, m_names.name(ref).draws, firstRow);
}

std::string Shortlist::pinyinAt(std::size_t position) const {
    return m_facts.pinyin(refAt(position));
}

std::size_t Shortlist::memoryBytes() const {
    return m_names.memoryBytes() + m_facts.memoryBytes() + m_view.capacity() * sizeof(std::uint32_t) +
           m_fences.capacity() * sizeof(std::uint64_t) + m_added.capacity() * sizeof(NameRef);
}

} // namespace namewright
