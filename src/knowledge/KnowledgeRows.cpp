#include "knowledge/KnowledgeRows.h"

#include "knowledge/RowChecksum.h"

#include <SQLiteCpp/Column.h>

#include <stdexcept>

namespace namewright {

std::string checkedSelect(const KnowledgeTable& table) {
    return "SELECT " + std::string(table.columns) + ", checksum, " + rowChecksumTest(table) + " FROM " +
           std::string(table.name);
}

void checkRow(SQLite::Statement& rows, const KnowledgeTable& table, KnowledgeDigest& digest) {
    const int count = rows.getColumnCount();
    if (rows.getColumn(count - 1).getInt() != 1) {
        throw std::runtime_error("a row of " + std::string(table.name) + " fails its checksum (" +
                                 rows.getColumn(0).getString() + ")");
    }
    digest.rows += 1;
    digest.checksumSum += rows.getColumn(count - 2).getInt64();
}

void checkDigest(const KnowledgeDigests& digests, const KnowledgeTable& table, const KnowledgeDigest& digest) {
    const auto stored = digests.find(digestKey(table));
    if (stored == digests.end() || stored->second != digestText(digest.rows, digest.checksumSum)) {
        throw std::runtime_error("the rows of " + std::string(table.name) + " do not match its digest");
    }
}

} // namespace namewright
