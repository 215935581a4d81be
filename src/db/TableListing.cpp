#include "db/TableListing.h"

#include "text/SqlIdentifier.h"

#include <SQLiteCpp/SQLiteCpp.h>

namespace namewright {

namespace {

CellValue cellOf(const SQLite::Column& column) {
    if (column.isInteger()) {
        return static_cast<std::int64_t>(column.getInt64());
    }
    if (column.isFloat()) {
        return column.getDouble();
    }
    if (column.isText()) {
        return column.getString();
    }
    return std::monostate{};
}

} // namespace

TableListing listTable(SQLite::Database& connection, std::string_view table) {
    TableListing listing;
    try {
        const std::string quoted = quoteIdentifier(table);
        SQLite::Statement info(connection, "PRAGMA table_info(" + quoted + ")");
        while (info.executeStep()) {
            listing.columns.push_back(ListingColumn{info.getColumn(1).getString(),
                                                    columnKindFromDeclaredType(info.getColumn(2).getString())});
        }
        if (listing.columns.empty()) {
            return listing;
        }
        SQLite::Statement all(connection, "SELECT * FROM " + quoted);
        const auto width = static_cast<int>(listing.columns.size());
        while (all.executeStep()) {
            std::vector<CellValue> row;
            row.reserve(listing.columns.size());
            for (int column = 0; column < width; ++column) {
                row.push_back(cellOf(all.getColumn(column)));
            }
            listing.rows.push_back(std::move(row));
        }
    } catch (const SQLite::Exception&) {
        return TableListing{};
    }
    return listing;
}

} // namespace namewright
