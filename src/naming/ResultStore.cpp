#include "naming/ResultStore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>

#include <sys/mman.h>
#include <unistd.h>

namespace namewright {

// Chunks are raw memory whose rows are constructed as they are written and never destroyed one by one.
static_assert(std::is_trivially_destructible_v<StoredName> && std::is_trivially_copyable_v<StoredName>);

StoredName* ResultStore::allocateChunk() {
    // A chunk's bytes rounded up to a huge page of the x86-64 and arm64 kernels, which is also its alignment.
    // A chunk lies on a huge page where the kernel gives them on request: the first row written faults in the whole
    // chunk at once instead of one page of 4 KiB after the other, which was a fifth of a long run's time.
    void* memory = std::aligned_alloc(kHugePage, kChunkBytes);
    if (memory != nullptr) {
        ::madvise(memory, kChunkBytes, MADV_HUGEPAGE); // only advice: without huge pages the chunk works as well
    }
    return static_cast<StoredName*>(memory);
}

void ResultStore::freeChunk(StoredName* chunk) {
    std::free(chunk); // NOLINT(cppcoreguidelines-no-malloc): allocated by std::aligned_alloc
}

std::size_t ResultStore::defaultRowLimit() {
    constexpr std::size_t kFewest = std::size_t{1} << 20;
    constexpr std::size_t kMost = std::size_t{1} << 25;
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) {
        return kFewest;
    }
    const std::size_t memory = static_cast<std::size_t>(pages) * static_cast<std::size_t>(pageSize);
    return std::clamp(memory / 8 / kBytesPerRow, kFewest, kMost);
}

ResultStore::ResultStore(std::size_t rowLimit)
    : m_chunks(std::make_unique<std::atomic<StoredName*>[]>(kMaxChunks)), m_rowLimit(rowLimit) {
    for (std::size_t i = 0; i < kMaxChunks; ++i) {
        m_chunks[i].store(nullptr, std::memory_order_relaxed);
    }
}

ResultStore::~ResultStore() {
    for (std::size_t i = 0; i < m_allocatedChunks; ++i) {
        freeChunk(m_chunks[i].load(std::memory_order_relaxed));
    }
}

void ResultStore::clear(std::uint32_t series) {
    const std::lock_guard lock(m_writeMutex);
    m_acceptedSeries = series;
    m_size.store(0, std::memory_order_release);
    m_full.store(false, std::memory_order_release);
    m_series.store(series, std::memory_order_release);
    // Give back all but the first chunk: a long run may have listed millions of rows.
    for (std::size_t i = 1; i < m_allocatedChunks; ++i) {
        freeChunk(m_chunks[i].exchange(nullptr, std::memory_order_relaxed));
    }
    m_allocatedChunks = m_allocatedChunks > 0 ? 1 : 0;
}

std::uint32_t ResultStore::internFamily(std::string_view familyText, int strokes, std::string_view element) {
    const std::uint32_t text = m_texts.intern(familyText);
    const std::uint32_t elementText = m_texts.intern(element);
    const std::lock_guard lock(m_familyMutex);
    for (std::size_t i = m_families.size(); i-- > 0;) {
        if (m_families[i].text == text && m_families[i].strokes == strokes) {
            return static_cast<std::uint32_t>(i);
        }
    }
    m_families.push_back(Family{text, strokes, elementText});
    return static_cast<std::uint32_t>(m_families.size() - 1);
}

ResultStore::FamilyRecord ResultStore::family(std::uint32_t id) const {
    const std::lock_guard lock(m_familyMutex);
    return id < m_families.size() ? m_families[id] : Family{};
}

std::size_t ResultStore::familyCount() const {
    const std::lock_guard lock(m_familyMutex);
    return m_families.size();
}

ResultStore::Family ResultStore::familyOf(const StoredName& row) const {
    const std::lock_guard lock(m_familyMutex);
    return row.family < m_families.size() ? m_families[row.family] : Family{};
}

bool ResultStore::append(std::uint32_t series, std::span<const StoredName> rows) {
    const std::lock_guard lock(m_writeMutex);
    if (series != m_acceptedSeries) {
        return false;
    }
    std::size_t index = m_size.load(std::memory_order_relaxed);
    const std::size_t limit = std::min(rowLimit(), kMaxChunks * kChunkRows);
    const std::size_t room = index < limit ? limit - index : 0;
    const bool fits = rows.size() <= room;
    if (!fits) {
        // The rows that fit are kept, so that a full store holds exactly its limit.
        rows = rows.first(room);
        m_full.store(true, std::memory_order_release);
    }
    while (!rows.empty()) {
        const std::size_t chunk = index >> kChunkBits;
        if (chunk == m_allocatedChunks) {
            // The rows written so far stay invisible: m_size moves only once all are written.
            // Raw memory: rows are copied in as they are written (rows are read only once visible), so a chunk is not
            // written twice, which cost a sixth of a long run.
            StoredName* rowsOfChunk = allocateChunk();
            if (rowsOfChunk == nullptr) {
                m_full.store(true, std::memory_order_release);
                return false;
            }
            m_chunks[chunk].store(rowsOfChunk, std::memory_order_release);
            ++m_allocatedChunks;
        }
        // As many rows as the chunk still has room for, in one copy.
        const std::size_t inChunk = index & (kChunkRows - 1);
        const std::size_t count = std::min(rows.size(), kChunkRows - inChunk);
        std::memcpy(static_cast<void*>(m_chunks[chunk].load(std::memory_order_relaxed) + inChunk), rows.data(),
                    count * sizeof(StoredName));
        index += count;
        rows = rows.subspan(count);
    }
    m_size.store(index, std::memory_order_release);
    return fits;
}

const StoredName& ResultStore::row(std::size_t index) const {
    return m_chunks[index >> kChunkBits].load(std::memory_order_acquire)[index & (kChunkRows - 1)];
}

std::span<const StoredName> ResultStore::rowBlock(std::size_t first, std::size_t last) const {
    if (first >= last) {
        return {};
    }
    const std::size_t inChunk = first & (kChunkRows - 1);
    const std::size_t count = std::min(last - first, kChunkRows - inChunk);
    return {m_chunks[first >> kChunkBits].load(std::memory_order_acquire) + inChunk, count};
}

FiveGrids ResultStore::grids(std::size_t index) const {
    const StoredName& name = row(index);
    const int family = familyOf(name).strokes;
    return name.isOneCharacter() ? gridNumbers(family, name.firstStrokes)
                                 : gridNumbers(family, name.firstStrokes, name.secondStrokes);
}

std::string ResultStore::cellText(std::size_t index, ResultColumn column) const {
    const StoredName& name = row(index);
    switch (column) {
    case ResultColumn::Name: {
        std::string text;
        m_texts.appendTo(text, familyOf(name).text);
        m_texts.appendTo(text, name.firstCharacter);
        if (!name.isOneCharacter()) {
            m_texts.appendTo(text, name.secondCharacter);
        }
        return text;
    }
    case ResultColumn::Score:
        return std::to_string(name.score);
    case ResultColumn::Heaven:
        return std::to_string(grids(index).heaven);
    case ResultColumn::Person:
        return std::to_string(grids(index).person);
    case ResultColumn::Earth:
        return std::to_string(grids(index).earth);
    case ResultColumn::Outer:
        return std::to_string(grids(index).outer);
    case ResultColumn::Total:
        return std::to_string(grids(index).total);
    case ResultColumn::ThreeTalentsKey:
        return threeTalentsKey(grids(index));
    case ResultColumn::ElementText:
        break;
    }
    return m_texts.text(name.elementText);
}

ResultRowCells ResultStore::rowCells(std::size_t index) const {
    ResultRowCells cells;
    for (const ResultColumn column : kResultColumns) {
        cells[column] = cellText(index, column);
    }
    return cells;
}

std::size_t ResultStore::memoryBytes() const {
    std::size_t chunks = 0;
    for (std::size_t i = 0; i < kMaxChunks && m_chunks[i].load(std::memory_order_acquire) != nullptr; ++i) {
        ++chunks;
    }
    std::size_t families = 0;
    {
        const std::lock_guard lock(m_familyMutex);
        families = m_families.capacity() * sizeof(Family);
    }
    return chunks * kChunkBytes + kMaxChunks * sizeof(std::atomic<StoredName*>) + m_texts.memoryBytes() + families;
}

} // namespace namewright
