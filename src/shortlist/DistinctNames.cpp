#include "shortlist/DistinctNames.h"

#include <algorithm>
#include <limits>

namespace namewright {

namespace {

/// Empties a vector and gives its memory back (assigning {} would keep the capacity).
template <typename Vector> void releaseMemory(Vector& vector) {
    Vector().swap(vector);
}

constexpr std::size_t kMaxRows = DistinctName::kNoRow; // the last 32-bit index marks "no row"
// Scratch larger than this is given back after a take(), so that one long build does not keep megabytes.
constexpr std::size_t kKeptScratch = std::size_t{1} << 16;

std::uint64_t lowBits(unsigned count) {
    return count == 0 ? 0 : (~std::uint64_t{0} >> (64U - count));
}

} // namespace

DistinctNames::DistinctNames(const ResultStore& store) : m_store(store), m_secondOf{StoredName::kNoSecondCharacter} {}

void DistinctNames::clear(std::size_t from) {
    m_taken = from;
    m_size = 0;
    releaseMemory(m_groups);
    releaseMemory(m_groupOf);
    releaseMemory(m_denseOf);
    m_secondOf = {StoredName::kNoSecondCharacter};
    releaseMemory(m_refs);
    releaseMemory(m_spreading);
}

std::uint32_t DistinctNames::groupOf(std::uint32_t family, std::uint32_t first) {
    if (family >= m_groupOf.size()) {
        m_groupOf.resize(family + std::size_t{1});
    }
    std::vector<std::uint32_t>& byFirst = m_groupOf[family];
    if (first >= byFirst.size()) {
        byFirst.resize(std::max<std::size_t>(first + std::size_t{1}, byFirst.size() + byFirst.size() / 2));
    }
    if (byFirst[first] == 0) {
        m_groups.push_back(Group{family, first, {}, {}, {}, {}, false});
        byFirst[first] = static_cast<std::uint32_t>(m_groups.size());
    }
    return byFirst[first] - 1;
}

std::uint32_t DistinctNames::denseOf(std::uint32_t secondCharacter) {
    if (secondCharacter == StoredName::kNoSecondCharacter) {
        return 0;
    }
    if (secondCharacter >= m_denseOf.size()) {
        m_denseOf.resize(std::max<std::size_t>(secondCharacter + std::size_t{1}, m_denseOf.size() * 3 / 2));
    }
    if (m_denseOf[secondCharacter] == 0) {
        m_denseOf[secondCharacter] = static_cast<std::uint32_t>(m_secondOf.size());
        m_secondOf.push_back(secondCharacter);
    }
    return m_denseOf[secondCharacter];
}

bool DistinctNames::has(const Group& group, std::uint32_t dense) {
    const std::size_t word = dense / 64;
    return word < group.present.size() && ((group.present[word] >> (dense % 64)) & 1U) != 0;
}

std::size_t DistinctNames::rankOf(const Group& group, std::uint32_t dense) {
    const std::size_t word = dense / 64;
    return group.rankBefore[word] +
           static_cast<std::size_t>(__builtin_popcountll(group.present[word] & lowBits(dense % 64)));
}

void DistinctNames::spread(Group& group) {
    // Walk the new bitmap from its top bit down, moving each old name to its new rank and leaving an empty entry for
    // each new bit: a name only ever moves up, so the walk works in place.
    std::size_t count = 0;
    for (const std::uint64_t word : group.present) {
        count += static_cast<std::size_t>(__builtin_popcountll(word));
    }
    std::size_t read = group.entries.size();
    if (count > group.entries.capacity()) {
        const std::size_t grown = group.entries.capacity() + group.entries.capacity() / 4;
        group.entries.reserve(std::max(count, read == 0 ? count : grown));
    }
    group.entries.resize(count);
    std::size_t write = count;
    for (std::size_t w = group.present.size(); w-- > 0;) {
        const std::uint64_t old = w < group.before.size() ? group.before[w] : 0;
        for (std::uint64_t bits = group.present[w]; bits != 0;) {
            const unsigned top = 63U - static_cast<unsigned>(__builtin_clzll(bits));
            bits &= ~(std::uint64_t{1} << top);
            --write;
            group.entries[write] = ((old >> top) & 1U) != 0 ? group.entries[--read] : DistinctName{};
        }
    }
    group.rankBefore.resize(group.present.size());
    std::uint32_t rank = 0;
    for (std::size_t w = 0; w < group.present.size(); ++w) {
        group.rankBefore[w] = rank;
        rank += static_cast<std::uint32_t>(__builtin_popcountll(group.present[w]));
    }
    releaseMemory(group.before);
    group.spreading = false;
}

void DistinctNames::take(std::size_t upTo, std::vector<NameRef>* added, std::size_t spreadLimit) {
    upTo = std::min({upTo, m_store.rowCount(), kMaxRows});
    if (upTo <= m_taken) {
        return;
    }
    std::size_t count = upTo - m_taken;
    m_refs.resize(count);
    std::size_t toMove = 0; // names the gaining groups hold: what spreading them moves
    // Pass 1: the ref of every row; the bits of new names, each gaining group remembering its bitmap before.
    for (std::size_t i = 0; i < count; ++i) {
        const StoredName& row = m_store.row(m_taken + i);
        const std::uint32_t g = groupOf(row.family, row.firstCharacter);
        const std::uint32_t dense = denseOf(row.secondCharacter);
        Group& group = m_groups[g];
        if (!has(group, dense)) {
            if (!group.spreading) {
                const std::size_t moves = group.entries.size() + 1;
                if (toMove > 0 && moves > spreadLimit - std::min(toMove, spreadLimit)) {
                    count = i; // this row and the ones after it wait for the next take
                    break;
                }
                toMove += moves;
                group.spreading = true;
                group.before = group.present;
                m_spreading.push_back(g);
            }
            if (dense / 64 >= group.present.size()) {
                group.present.resize(dense / 64 + 1);
            }
            group.present[dense / 64] |= std::uint64_t{1} << (dense % 64);
        }
        m_refs[i] = NameRef{g, dense};
    }
    for (const std::uint32_t g : m_spreading) {
        spread(m_groups[g]);
    }
    m_spreading.clear();
    // Pass 2: first rows and draw counts.
    for (std::size_t i = 0; i < count; ++i) {
        Group& group = m_groups[m_refs[i].group];
        DistinctName& name = group.entries[rankOf(group, m_refs[i].second)];
        if (name.firstRow == DistinctName::kNoRow) {
            name.firstRow = static_cast<std::uint32_t>(m_taken + i);
            ++m_size;
            if (added != nullptr) {
                added->push_back(m_refs[i]);
            }
        }
        if (name.draws != std::numeric_limits<std::uint32_t>::max()) {
            ++name.draws;
        }
    }
    m_taken += count;
    if (m_refs.capacity() > kKeptScratch) {
        releaseMemory(m_refs);
    }
    if (m_spreading.capacity() > kKeptScratch) {
        releaseMemory(m_spreading);
    }
}

std::optional<NameRef> DistinctNames::find(std::uint32_t family, std::uint32_t firstCharacter,
                                           std::uint32_t secondCharacter) const {
    if (family >= m_groupOf.size() || firstCharacter >= m_groupOf[family].size() ||
        m_groupOf[family][firstCharacter] == 0) {
        return std::nullopt;
    }
    std::uint32_t dense = 0;
    if (secondCharacter != StoredName::kNoSecondCharacter) {
        if (secondCharacter >= m_denseOf.size() || m_denseOf[secondCharacter] == 0) {
            return std::nullopt;
        }
        dense = m_denseOf[secondCharacter];
    }
    const std::uint32_t g = m_groupOf[family][firstCharacter] - 1;
    const Group& group = m_groups[g];
    if (!has(group, dense) || group.entries[rankOf(group, dense)].firstRow == DistinctName::kNoRow) {
        return std::nullopt;
    }
    return NameRef{g, dense};
}

std::optional<NameRef> DistinctNames::find(const StoredName& row) const {
    return find(row.family, row.firstCharacter, row.secondCharacter);
}

const DistinctName& DistinctNames::name(NameRef ref) const {
    const Group& group = m_groups[ref.group];
    return group.entries[rankOf(group, ref.second)];
}

std::size_t DistinctNames::memoryBytes() const {
    std::size_t bytes = m_groups.capacity() * sizeof(Group) +
                        m_groupOf.capacity() * sizeof(std::vector<std::uint32_t>) +
                        m_denseOf.capacity() * sizeof(std::uint32_t) + m_secondOf.capacity() * sizeof(std::uint32_t) +
                        m_refs.capacity() * sizeof(NameRef) + m_spreading.capacity() * sizeof(std::uint32_t);
    for (const auto& byFirst : m_groupOf) {
        bytes += byFirst.capacity() * sizeof(std::uint32_t);
    }
    for (const Group& group : m_groups) {
        bytes += group.present.capacity() * sizeof(std::uint64_t) +
                 group.rankBefore.capacity() * sizeof(std::uint32_t) + group.entries.capacity() * sizeof(DistinctName) +
                 group.before.capacity() * sizeof(std::uint64_t);
    }
    return bytes;
}

} // namespace namewright
