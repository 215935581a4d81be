#include "knowledge/WordKeyTable.h"

namespace namewright {

void WordKeyTable::insert(std::uint64_t key, int word) {
    if (key == 0 || find(key) >= 0) {
        return;
    }
    // At most half full, so a probe for a missing key ends soon.
    if ((m_count + 1) * 2 > m_slots.size()) {
        grow();
    }
    std::size_t i = slotOf(key);
    while (m_slots[i].key != 0) {
        i = (i + 1) & m_mask;
    }
    m_slots[i] = Slot{key, word};
    ++m_count;
}

void WordKeyTable::grow() {
    const auto old = std::move(m_slots);
    const std::size_t size = old.empty() ? 64 : old.size() * 2;
    m_slots.assign(size, Slot{});
    m_mask = size - 1;
    m_shift = 64;
    for (std::size_t s = size; s > 1; s /= 2) {
        --m_shift;
    }
    m_count = 0;
    for (const auto& slot : old) {
        if (slot.key != 0) {
            std::size_t i = slotOf(slot.key);
            while (m_slots[i].key != 0) {
                i = (i + 1) & m_mask;
            }
            m_slots[i] = slot;
            ++m_count;
        }
    }
}

} // namespace namewright
