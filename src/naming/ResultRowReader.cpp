#include "naming/ResultRowReader.h"

namespace namewright {

ResultRowReader::ResultRowReader(const ResultStore& store, std::function<std::string(std::string_view)> transform)
    : m_store(store), m_transform(std::move(transform)) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const std::string key = threeTalentsKey(static_cast<int>(i));
        m_keys[i] = m_transform ? m_transform(key) : key;
    }
}

const std::string& ResultRowReader::text(std::uint32_t id) {
    if (id >= m_texts.size()) {
        // Every text of a visible row was interned before the row was appended: one copy brings them all.
        const std::size_t known = m_texts.size();
        m_store.texts().copyTexts(static_cast<std::uint32_t>(known), m_texts);
        if (m_transform) {
            for (std::size_t i = known; i < m_texts.size(); ++i) {
                m_texts[i] = m_transform(m_texts[i]);
            }
        }
        if (id >= m_texts.size()) {
            static const std::string kNone;
            return kNone;
        }
    }
    return m_texts[id];
}

const ResultStore::FamilyRecord& ResultRowReader::family(std::uint32_t id) {
    while (id >= m_families.size() && m_families.size() < m_store.familyCount()) {
        m_families.push_back(m_store.family(static_cast<std::uint32_t>(m_families.size())));
    }
    if (id >= m_families.size()) {
        static const ResultStore::FamilyRecord kNone;
        return kNone;
    }
    return m_families[id];
}

ResultRowReader::Row ResultRowReader::rowOf(const StoredName& name) {
    const ResultStore::FamilyRecord own = family(name.family);
    Row row;
    row.family = text(own.text);
    row.first = text(name.firstCharacter);
    row.score = name.score;
    if (name.isOneCharacter()) {
        row.grids = gridNumbers(own.strokes, name.firstStrokes);
    } else {
        row.second = text(name.secondCharacter);
        row.grids = gridNumbers(own.strokes, name.firstStrokes, name.secondStrokes);
    }
    row.threeTalentsKey = m_keys[static_cast<std::size_t>(threeTalentsIndex(row.grids))];
    row.elementText = text(name.elementText);
    return row;
}

} // namespace namewright
