#pragma once
// The tables and columns of the naming database that the program reads, and the check that a file has them.

#include <SQLiteCpp/Database.h>

#include <array>
#include <string>
#include <string_view>

namespace namewright {

/// One table and the columns the query catalogue (NamingDatabase.cpp) reads of it, by name.
struct NamingTable {
    std::string_view name;
    std::array<std::string_view, 7> columns; ///< the first `columnCount` are used
    std::size_t columnCount = 0;
};

/// The six tables: `bazi`, `word`, `word1`, `word2`, `sl`, `3cai` (data/schema.sql), with the columns read of each.
extern const std::array<NamingTable, 6> kNamingTables;

/// What the connection lacks of kNamingTables, in words: "the table word1" or "the column xb of the table word1" (the
/// first found, in the order above); empty when it has them all. A table is found as SQL finds it, whatever its
/// letter case; a column only when spelled exactly so, since rows are read by column name. Throws SQLite::Exception
/// when the schema cannot be read.
std::string missingFromNamingSchema(SQLite::Database& connection);

} // namespace namewright
