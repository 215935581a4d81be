#include "naming/ResultRowReader.h"

namespace namewright {

ResultRowReader::ResultRowReader(const ResultStore& store, std::function<std::string(std::string_view)> transform)
    : m_store(store), m_transform(std::move(transform)) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const std::string key = threeTalentsKey(static_cast<int>(i));
        m_keys[i] = m_transform ? m_transform(key) : key;
    }
}

std::string_view ResultRowReader::copyTextsUpTo(std::uint32_t id) {
    // Every text of a visible row was interned before the row was appended: one copy brings them all.
    const std::size_t known = m_texts.size();
    m_store.texts().copyTexts(static_cast<std::uint32_t>(known), m_texts);
    for (std::size_t i = known; i < m_texts.size(); ++i) {
        if (m_transform) {
            m_texts[i] = m_transform(m_texts[i]);
        }
        m_views.emplace_back(m_texts[i]);
    }
    return id < m_views.size() ? m_views[id] : std::string_view();
}

const ResultStore::FamilyRecord& ResultRowReader::copyFamiliesUpTo(std::uint32_t id) {
    while (id >= m_families.size() && m_families.size() < m_store.familyCount()) {
        m_families.push_back(m_store.family(static_cast<std::uint32_t>(m_families.size())));
    }
    if (id >= m_families.size()) {
        static const ResultStore::FamilyRecord kNone;
        return kNone;
    }
    return m_families[id];
}

} // namespace namewright
