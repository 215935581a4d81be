#pragma once
// WordKeyTable: an open-addressing table from a packed syllable key to a word number, for the sound checks' many
// lookups per name (one probe, usually one cache line, no allocation).

#include <cstdint>
#include <vector>

namespace namewright {

class WordKeyTable {
public:
    /// Adds key -> word unless the key is there already (the first word listed wins). Key 0 is never stored.
    void insert(std::uint64_t key, int word);
    /// The word of a key, or -1.
    int find(std::uint64_t key) const {
        if (m_slots.empty() || key == 0) {
            return -1;
        }
        for (std::size_t i = slotOf(key);; i = (i + 1) & m_mask) {
            if (m_slots[i].key == key) {
                return m_slots[i].word;
            }
            if (m_slots[i].key == 0) {
                return -1;
            }
        }
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        int word = -1;
    };
    std::size_t slotOf(std::uint64_t key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> m_shift) & m_mask;
    }
    void grow();

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    int m_shift = 64;
    std::size_t m_count = 0;
};

} // namespace namewright
