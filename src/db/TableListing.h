#pragma once
// A whole table read for display: its columns in stored order and every row's values.

#include "db/ColumnKind.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace SQLite { // NOLINT(readability-identifier-naming): SQLiteCpp's own namespace
class Database;
}

namespace namewright {

struct ListingColumn {
    std::string name;
    ColumnKind kind = ColumnKind::Other;
    bool operator==(const ListingColumn&) const = default;
};

/// A stored value: NULL, an integer, a floating-point number or a text (UTF-8; dates arrive as text).
using CellValue = std::variant<std::monostate, std::int64_t, double, std::string>;

struct TableListing {
    std::vector<ListingColumn> columns;
    std::vector<std::vector<CellValue>> rows; ///< each row has columns.size() values, in stored row order
};

/// A whole table of a connection, its column kinds from the declared types (ColumnKind.h). Any table name is quoted
/// as an identifier; a missing table, or one that cannot be read to its end, gives an empty listing (no columns, no
/// rows). Never throws. NamingDatabase::listTable lists through this; so do the Access reader's tests, on files that
/// are no naming databases.
TableListing listTable(SQLite::Database& connection, std::string_view table);

} // namespace namewright
