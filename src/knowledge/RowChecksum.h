#pragma once
// The checksum every row of characters.db carries in its column `checksum`, written by tools/make_knowledge_db
// (KnowledgeSeal.h) and checked by the reader whenever it reads the row (KnowledgeBase.cpp), so that one flipped bit
// in a value the program shows is caught where SQLite's own checks see a sound page.
//
// The checksum is the CRC-32 (zlib's, the polynomial of ISO 3309) of the row's values as SQLite stores them, in the
// order of KnowledgeTable::columns, each written as one type byte (1 integer, 2 real, 3 text, 4 blob, 5 null, as
// SQLite numbers its types) followed by: an integer as 8 bytes and a real as the 8 bytes of its IEEE double, both
// least significant byte first; a text (UTF-8) or a blob as its length in 4 bytes, least significant first, and its
// bytes; a null as nothing. A CRC-32 finds every single flipped bit and every burst of up to 32 bits; a row's key and
// id are among its values, so a row reached through a damaged index entry does not pass for the row asked for.
//
// A reader that reads rows one at a time checks each the same way: it selects rowChecksumTest() beside the columns,
// refuses a row whose test gives 0, and compares the row's key with the key it asked for.
//
// Each table's digest, its row count and the sum of its rows' checksums, stands in meta under digestKey(); the
// reader checks it for the tables it reads whole when it opens the file (KnowledgeTable::readWhole), which finds a
// row lost whole (a page's cell count with a flipped bit drops rows silently).

#include "knowledge/KnowledgeTables.h"

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;

namespace namewright {

/// Defines the SQL function row_checksum(value, ...) on a connection; false when SQLite refuses it.
bool registerRowChecksum(sqlite3* connection);

/// "checksum IS row_checksum(a, b, ...)" for the table's columns, each prefixed with `alias` and a dot when given:
/// 1 for a sound row, 0 for a damaged one.
std::string rowChecksumTest(const KnowledgeTable& table, std::string_view alias = {});

/// "row_checksum(a, b, ...)" for the table's columns.
std::string rowChecksumOf(const KnowledgeTable& table);

/// The meta key of a table's digest: "digest:characters".
std::string digestKey(const KnowledgeTable& table);

/// A table's digest as meta holds it: "<rows> <sum of the checksums>".
std::string digestText(std::int64_t rows, std::int64_t checksumSum);

} // namespace namewright
