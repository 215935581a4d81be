#pragma once
// Reads the rows of a result store in blocks, for formatting many rows at once (the command line's output): the rows
// are read in place without a lock, the pooled texts copied once into a cache of the reader's own (one lock of the
// pool for all texts new since the last copy), each family once, the five grids computed once a row and the
// three-talents key taken from a table of the 125 keys. ResultStore::rowCells() gives the same cells one row at a
// time.
//
// The reader belongs to one thread; the store may be appended to by its writer meanwhile. It must not outlive the
// store or see it cleared.

#include "naming/ResultStore.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace namewright {

class ResultRowReader {
public:
    /// `transform` maps every text (pooled texts and three-talents keys) once, before it is cached: the command line
    /// escapes its TSV cells that way. Without one the texts are kept as stored.
    explicit ResultRowReader(const ResultStore& store, std::function<std::string(std::string_view)> transform = {});

    /// One row: its texts (transformed) and numbers.
    struct Row {
        std::string_view family;
        std::string_view first;
        std::string_view second; ///< empty for a one-character name
        int score = 0;
        FiveGrids grids;
        std::string_view threeTalentsKey;
        std::string_view elementText;
    };

    /// Calls visit(const Row&) for rows `first` to `last` - 1, in order; `last` <= the store's rowCount().
    template <class Visit> void read(std::size_t first, std::size_t last, Visit&& visit) {
        while (first < last) {
            const std::span<const StoredName> block = m_store.rowBlock(first, last);
            for (const StoredName& name : block) {
                visit(rowOf(name));
            }
            first += block.size();
        }
    }

private:
    Row rowOf(const StoredName& name) {
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
    std::string_view text(std::uint32_t id) { return id < m_views.size() ? m_views[id] : copyTextsUpTo(id); }
    std::string_view copyTextsUpTo(std::uint32_t id);
    const ResultStore::FamilyRecord& family(std::uint32_t id) {
        return id < m_families.size() ? m_families[id] : copyFamiliesUpTo(id);
    }
    const ResultStore::FamilyRecord& copyFamiliesUpTo(std::uint32_t id);

    const ResultStore& m_store;
    std::function<std::string(std::string_view)> m_transform;
    std::deque<std::string> m_texts;       // a deque keeps the texts in place as it grows: rows hold views of them
    std::vector<std::string_view> m_views; // of m_texts, for a lookup by id without the deque's arithmetic
    std::vector<ResultStore::FamilyRecord> m_families;
    std::array<std::string, 125> m_keys;
};

} // namespace namewright
