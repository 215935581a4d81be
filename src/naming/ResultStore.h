#pragma once
// The result store (结果存储): every listed name of the current series, append-only and in listing order.
//
// One writer (the generation worker holding the generation lock) appends; the interface thread reads at the same
// time. A row becomes visible (rowCount() includes it) only after all its values are written. Rows are kept
// compactly, 28 bytes each: ids of interned texts and the stroke counts from which the grid numbers and the
// three-talents key are rebuilt on demand.
//
// clear() must not run while the interface thread reads (both happen on the interface thread).
//
// The store is bounded: it keeps at most rowLimit() rows (defaultRowLimit(): an eighth of the machine's memory, at most
// 33,554,432 rows, about 1 GB in chunks of 2 MiB). A database of the user's own with 22,103 rows in the word tables
// made a random run of 488 million draws that grew without end and ended in an uncaught std::bad_alloc; now an append
// that would pass the limit, or for which memory runs out, is refused, isFull() turns true and the generation modes
// stop at their next candidate. The window pauses the run and says so; namewright-cli generate stops with status 1.

#include "calendar/Element.h"
#include "naming/FiveGrids.h"
#include "naming/ResultRows.h"
#include "naming/TextPool.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

namespace namewright {

/// One listed name in compact form (28 bytes).
struct StoredName {
    static constexpr std::uint32_t kNoSecondCharacter = 0xFFFFFFFFU;

    std::uint32_t family = 0;                           ///< ResultStore::internFamily id: text as typed, strokes
    std::uint32_t firstCharacter = 0;                   ///< text id of the first given character's `zi`
    std::uint32_t secondCharacter = kNoSecondCharacter; ///< text id of the second, or none for a one-character name
    std::uint32_t elementText = 0;                      ///< text id of the name's element text
    std::int32_t firstStrokes = 0;
    std::int32_t secondStrokes = 0;
    std::uint8_t score = 0;   ///< 0..100
    ElementSet givenElements; ///< the elements of the given characters' `yongtu` texts (the family's left out)

    bool isOneCharacter() const { return secondCharacter == kNoSecondCharacter; }
};
static_assert(sizeof(StoredName) <= 28);

class ResultStore final : public ResultRows {
public:
    /// The most rows a store keeps by default: an eighth of the machine's physical memory in rows of
    /// kBytesPerRow bytes, within 1,048,576 (more than the longest series of the shipped database, 879,978) and
    /// 33,554,432.
    static std::size_t defaultRowLimit();

    /// Rows are kept in chunks of 65,536 rows; each chunk's memory is rounded up to a huge page (2 MiB) and aligned to
    /// one, so that the first row written faults the whole chunk in at once where the kernel grants huge pages.
    static constexpr std::size_t kChunkBits = 16;
    static constexpr std::size_t kChunkRows = std::size_t{1} << kChunkBits;
    static constexpr std::size_t kHugePage = std::size_t{1} << 21;
    static constexpr std::size_t kChunkBytes =
        (kChunkRows * sizeof(StoredName) + kHugePage - 1) / kHugePage * kHugePage;
    /// The memory a kept row takes, its chunk's rounding included (32 bytes for a row of 28).
    static constexpr std::size_t kBytesPerRow = kChunkBytes / kChunkRows;

    explicit ResultStore(std::size_t rowLimit = defaultRowLimit());
    ~ResultStore() override;
    ResultStore(const ResultStore&) = delete;
    ResultStore& operator=(const ResultStore&) = delete;

    /// Texts of the rows; the writer interns through it before appending.
    TextPool& texts() { return m_texts; }
    const TextPool& texts() const { return m_texts; }

    /// The id of a family (the family text as typed and the family character's strokes) for StoredName::family.
    /// `element` is the family character's element text (`yongtu`), the start of every element text of its rows; a
    /// family already interned keeps the element it was first interned with.
    std::uint32_t internFamily(std::string_view familyText, int strokes, std::string_view element = {});

    /// A family as interned: text ids of its text and element, and its strokes.
    struct FamilyRecord {
        std::uint32_t text = 0;
        std::int32_t strokes = 0;
        std::uint32_t element = 0;
    };
    /// The family of an id; FamilyRecord{} for an id never returned by internFamily.
    FamilyRecord family(std::uint32_t id) const;
    /// Number of families interned so far (ids are 0 .. familyCount() - 1).
    std::size_t familyCount() const;

    /// The series whose rows the store accepts (the one of the last clear()).
    std::uint32_t series() const { return m_series.load(std::memory_order_acquire); }

    /// Empties the store and accepts rows of `series` only from now on; the store is no longer full.
    void clear(std::uint32_t series);

    /// Appends rows if they belong to the accepted series, all becoming visible at once; returns whether they were
    /// all kept. Rows of another series are not kept. Of rows that would pass rowLimit() those that fit are kept and
    /// the rest refused; rows whose memory cannot be had are all refused; either makes the store full.
    bool append(std::uint32_t series, std::span<const StoredName> rows);
    bool append(std::uint32_t series, const StoredName& row) { return append(series, std::span(&row, 1)); }

    std::size_t rowCount() const override { return m_size.load(std::memory_order_acquire); }
    /// Row `index` < rowCount().
    const StoredName& row(std::size_t index) const;
    /// The rows from `first` on, as many as lie together in memory before `last` (at least one when first < last;
    /// `last` <= rowCount()); read without a lock, for reading many rows (ResultRowReader.h).
    std::span<const StoredName> rowBlock(std::size_t first, std::size_t last) const;
    /// The five grid numbers of row `index`.
    FiveGrids grids(std::size_t index) const;
    ResultRowCells rowCells(std::size_t index) const override;
    /// One cell of row `index`.
    std::string cellText(std::size_t index, ResultColumn column) const;

    /// Heap bytes held by rows and texts.
    std::size_t memoryBytes() const;

    std::size_t rowLimit() const { return m_rowLimit.load(std::memory_order_relaxed); }
    /// Sets the limit for the rows appended from now on (a test's small limit); rows already kept stay.
    void setRowLimit(std::size_t rowLimit) { m_rowLimit.store(rowLimit, std::memory_order_relaxed); }
    /// True once rows were refused for the limit or for memory (or markFull() was called), until the next clear().
    bool isFull() const { return m_full.load(std::memory_order_acquire); }
    /// Makes the store full: the worker calls it when memory ran out outside the store (std::bad_alloc), so that the
    /// run stops and is reported like one at the limit.
    void markFull() { m_full.store(true, std::memory_order_release); }

private:
    static constexpr std::size_t kMaxChunks = std::size_t{1} << 16;

    static StoredName* allocateChunk();
    static void freeChunk(StoredName* chunk);

    using Family = FamilyRecord;
    Family familyOf(const StoredName& row) const;

    TextPool m_texts;
    mutable std::mutex m_familyMutex;
    std::vector<Family> m_families;
    std::unique_ptr<std::atomic<StoredName*>[]> m_chunks;
    std::atomic<std::size_t> m_size{0};
    std::atomic<std::size_t> m_rowLimit;
    std::atomic<bool> m_full{false};
    std::mutex m_writeMutex;
    std::uint32_t m_acceptedSeries = 0;
    std::atomic<std::uint32_t> m_series{0};
    std::size_t m_allocatedChunks = 0;
};

} // namespace namewright
