#include "knowledge/KnowledgeSeal.h"

#include "knowledge/RowChecksum.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <stdexcept>

namespace namewright {

void sealKnowledgeFile(const std::filesystem::path& file) {
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
    if (!registerRowChecksum(db.getHandle())) {
        throw std::runtime_error("cannot define row_checksum");
    }
    SQLite::Transaction transaction(db);
    SQLite::Statement digest(db, "INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)");
    for (const KnowledgeTable& table : kKnowledgeTables) {
        if (table.name == "meta") {
            continue;
        }
        db.exec("UPDATE " + std::string(table.name) + " SET checksum = " + rowChecksumOf(table));
        SQLite::Statement totals(db, "SELECT count(*), coalesce(sum(checksum), 0) FROM " + std::string(table.name));
        totals.executeStep();
        digest.bind(1, digestKey(table));
        digest.bind(2, digestText(totals.getColumn(0).getInt64(), totals.getColumn(1).getInt64()));
        digest.exec();
        digest.reset();
    }
    db.exec("UPDATE meta SET checksum = " + rowChecksumOf(knowledgeTable("meta")));
    transaction.commit();
}

} // namespace namewright
