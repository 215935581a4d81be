#pragma once
// One reference table (参考表) as the reference-tables window shows it: grid column 0 is a narrow empty leading
// column, database column k (from 0, stored order) is grid column k + 1; grid row 0 holds the column names and
// database row r (from 1, stored order) is grid row r.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace namewright {

struct ReferenceTableListing {
    std::vector<std::string> headers;           ///< the column names, stored order
    std::vector<std::vector<std::string>> rows; ///< every row, stored order; each has headers.size() cell texts
    /// Width in pixels of each grid column 0..headers.size(); std::nullopt keeps the grid's default width.
    std::vector<std::optional<int>> columnWidths;

    /// Nothing to show: the database could not be opened, the table is missing or the selector names no table.
    bool isEmpty() const { return headers.empty(); }
    /// Number of database rows (the grid has one more, the header row).
    std::size_t rowCount() const { return rows.size(); }
    /// Grid rows and columns: the header row and the leading column included; 0 for an empty listing.
    std::size_t gridRowCount() const { return isEmpty() ? 0 : rows.size() + 1; }
    std::size_t gridColumnCount() const { return isEmpty() ? 0 : headers.size() + 1; }

    bool operator==(const ReferenceTableListing&) const = default;
};

} // namespace namewright
