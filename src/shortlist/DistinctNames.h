#pragma once
// DistinctNames (不重复的名字): the distinct names among the rows of the result store, each with its first listed row
// and how often it was listed (its draw count).
//
// A name is its family (StoredName::family: the family text as typed and the strokes it was scored with) and the texts
// of its given characters; a row of a name seen before is the same draw listed again. The first listed row of a name
// stands for it: its cells are the name's cells.
//
// Layout, about 8 bytes per name plus a few hundred bytes per group: names are grouped by (family, first given
// character); second characters get dense numbers in the order they first appear (0: no second character). A group
// holds a bitmap over the dense numbers and its names in dense order, so the name of a second character sits at the
// rank of its bit. A take() of many rows spreads each group's names once, so building from a long series costs two
// passes over its rows; entry arrays grow by a quarter at a time.
//
// Row indices are 32-bit: rows after the 4,294,967,294th are not taken in. Not thread-safe: one thread (the interface
// thread) takes rows and reads, while the generation worker may go on appending to the store.

#include "naming/ResultStore.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace namewright {

/// One distinct name: the index of its first listed row in the store and its draw count (saturating at 2^32 - 1).
struct DistinctName {
    static constexpr std::uint32_t kNoRow = 0xFFFFFFFFU;
    std::uint32_t firstRow = kNoRow;
    std::uint32_t draws = 0;
};

/// Where a name is kept: its group (family, first character) and the dense number of its second character. Stays
/// valid while the DistinctNames lives (until clear()).
struct NameRef {
    std::uint32_t group = 0;
    std::uint32_t second = 0;
    bool operator==(const NameRef&) const = default;
};

class DistinctNames {
public:
    explicit DistinctNames(const ResultStore& store);

    /// Takes in the store's rows from takenRows() up to `upTo` (clamped to rowCount()). Each name first seen among
    /// them is appended to `added`, when given, in the order of its first row.
    ///
    /// A group that gains names has all its names moved once (spread), so the work of a take grows with the names the
    /// gaining groups already hold, not with the rows taken. With `spreadLimit` the take stops before the row whose
    /// group would bring the names to move (each gaining group's names plus one) beyond it; the first group to gain
    /// always goes in, so a take makes progress. takenRows() tells where it stopped; the names and their order end the
    /// same however the rows are split.
    void take(std::size_t upTo, std::vector<NameRef>* added = nullptr,
              std::size_t spreadLimit = std::numeric_limits<std::size_t>::max());

    /// Rows taken in so far.
    std::size_t takenRows() const { return m_taken; }
    /// Distinct names so far.
    std::size_t size() const { return m_size; }

    /// The name a stored row belongs to (any row of it, not only its first); nothing for a name not taken in.
    std::optional<NameRef> find(const StoredName& row) const;
    std::optional<NameRef> find(std::uint32_t family, std::uint32_t firstCharacter,
                                std::uint32_t secondCharacter) const;
    /// The name at a ref returned by find(), take() or forEach().
    const DistinctName& name(NameRef ref) const;

    std::size_t groupCount() const { return m_groups.size(); }
    /// The family id and the first character's text id of a group.
    std::uint32_t groupFamily(std::uint32_t group) const { return m_groups[group].family; }
    std::uint32_t groupFirstCharacter(std::uint32_t group) const { return m_groups[group].first; }
    /// The text id of a dense second number; StoredName::kNoSecondCharacter for 0.
    std::uint32_t secondCharacter(std::uint32_t dense) const { return m_secondOf[dense]; }
    /// Dense second numbers in use, 0 included.
    std::size_t secondCount() const { return m_secondOf.size(); }

    /// Calls f(NameRef, const DistinctName&) for every name, group by group, each group in dense order. With
    /// `prefetchRows` the store rows of the names a few steps ahead are fetched into the cache meanwhile, for callers
    /// that read each name's row (the rows of a group lie far apart).
    template <typename F> void forEach(F&& f, bool prefetchRows) const {
        constexpr std::size_t kAhead = 8;
        for (std::uint32_t g = 0; g < m_groups.size(); ++g) {
            const Group& group = m_groups[g];
            if (prefetchRows) {
                for (std::size_t i = 0; i < kAhead && i < group.entries.size(); ++i) {
                    __builtin_prefetch(&m_store.row(group.entries[i].firstRow));
                }
            }
            std::size_t index = 0;
            for (std::size_t w = 0; w < group.present.size(); ++w) {
                for (std::uint64_t bits = group.present[w]; bits != 0; bits &= bits - 1) {
                    if (prefetchRows && index + kAhead < group.entries.size()) {
                        __builtin_prefetch(&m_store.row(group.entries[index + kAhead].firstRow));
                    }
                    const auto dense =
                        static_cast<std::uint32_t>(w * 64 + static_cast<unsigned>(__builtin_ctzll(bits)));
                    f(NameRef{g, dense}, group.entries[index++]);
                }
            }
        }
    }

    /// Forgets every name (after the store was cleared for a new series); the next take() starts at row `from`.
    void clear(std::size_t from = 0);

    /// Heap bytes held (entries, bitmaps, rank tables and the lookup tables).
    std::size_t memoryBytes() const;

private:
    struct Group {
        std::uint32_t family = 0;
        std::uint32_t first = 0;
        std::vector<std::uint64_t> present;    // bit d: a name with dense second number d
        std::vector<std::uint32_t> rankBefore; // names in the words before each word of `present`
        std::vector<DistinctName> entries;     // in dense order
        std::vector<std::uint64_t> before;     // `present` before the take() that is spreading it
        bool spreading = false;
    };

    std::uint32_t groupOf(std::uint32_t family, std::uint32_t first);
    std::uint32_t denseOf(std::uint32_t secondCharacter);
    static std::size_t rankOf(const Group& group, std::uint32_t dense);
    static bool has(const Group& group, std::uint32_t dense);
    static void spread(Group& group);

    const ResultStore& m_store;
    std::size_t m_taken = 0;
    std::size_t m_size = 0;
    std::vector<Group> m_groups;
    std::vector<std::vector<std::uint32_t>> m_groupOf; // [family][first text id]: group index + 1, 0 for none
    std::vector<std::uint32_t> m_denseOf;              // [text id]: dense second number, 0 for none yet
    std::vector<std::uint32_t> m_secondOf;             // [dense]: text id
    std::vector<NameRef> m_refs;                       // scratch of take(): the ref of each row taken
    std::vector<std::uint32_t> m_spreading;            // scratch of take(): groups that gained names
};

} // namespace namewright
