#pragma once
// KnowledgeRows: reading the tables of characters.db that are read whole when the file is opened, each row checked
// against its checksum and each table against its digest in meta (RowChecksum.h). Used by the knowledge base's
// loaders only.

#include "knowledge/KnowledgeTables.h"

#include <SQLiteCpp/Statement.h>

#include <cstdint>
#include <string>
#include <unordered_map>

namespace namewright {

/// meta's digest rows, by key ("digest:characters").
using KnowledgeDigests = std::unordered_map<std::string, std::string>;

/// The row count and checksum sum of a table read whole, for its digest.
struct KnowledgeDigest {
    std::int64_t rows = 0;
    std::int64_t checksumSum = 0;
};

/// "SELECT <columns>, checksum, <test> FROM <table>": the table's columns, then its stored checksum and the test of it.
std::string checkedSelect(const KnowledgeTable& table);

/// Throws std::runtime_error unless the checksum of the current row of a checkedSelect() holds; counts the row into
/// `digest`.
void checkRow(SQLite::Statement& rows, const KnowledgeTable& table, KnowledgeDigest& digest);

/// Throws std::runtime_error unless `digest` equals the table's digest in `digests`.
void checkDigest(const KnowledgeDigests& digests, const KnowledgeTable& table, const KnowledgeDigest& digest);

} // namespace namewright
