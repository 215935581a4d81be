#include "reports/ListedName.h"

namespace namewright {

ListedName listedNameOfRow(const ResultStore& store, std::size_t index, const SeriesRecord* record) {
    const StoredName& row = store.row(index);
    ListedName name;
    name.familyText = store.texts().text(store.family(row.family).text);
    name.given = store.texts().text(row.firstCharacter);
    if (!row.isOneCharacter()) {
        store.texts().appendTo(name.given, row.secondCharacter);
    }
    name.cells = store.rowCells(index);
    if (record != nullptr) {
        name.chart = record->chart;
        name.birth = record->moment;
    }
    return name;
}

} // namespace namewright
