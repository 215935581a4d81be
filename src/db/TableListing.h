#pragma once
// A whole table read for display: its columns in stored order and every row's values.

#include "db/ColumnKind.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

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

} // namespace namewright
