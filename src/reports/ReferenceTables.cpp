#include "reports/ReferenceTables.h"

#include "reports/CellText.h"

#include <array>
#include <span>

namespace namewright {

namespace {

constexpr std::array kNumerologyWidths{25, 30, 30, 200, 200, 200, 200, 200};
constexpr std::array kThreeTalentsWidths{25, 30, 50, 500, 30};

ReferenceTableListing listingOf(const TableListing& table, std::span<const int> widths) {
    ReferenceTableListing listing;
    if (table.columns.empty()) {
        return listing;
    }
    listing.headers.reserve(table.columns.size());
    for (const auto& column : table.columns) {
        listing.headers.push_back(column.name);
    }
    listing.rows.reserve(table.rows.size());
    for (const auto& values : table.rows) {
        std::vector<std::string> cells;
        cells.reserve(table.columns.size());
        for (std::size_t k = 0; k < table.columns.size(); ++k) {
            cells.push_back(k < values.size() ? cellText(values[k], table.columns[k].kind) : std::string());
        }
        listing.rows.push_back(std::move(cells));
    }
    const std::size_t gridColumns = table.columns.size() + 1;
    listing.columnWidths.reserve(gridColumns);
    for (std::size_t column = 0; column < gridColumns; ++column) {
        listing.columnWidths.push_back(column < widths.size() ? std::optional<int>(widths[column]) : std::nullopt);
    }
    return listing;
}

} // namespace

ReferenceTables::ReferenceTables(const std::filesystem::path& databaseFile)
    : m_database(NamingDatabase::open(databaseFile)) {}

ReferenceTableListing ReferenceTables::list(std::string_view selector) {
    if (selector == kNumerologyTableSelector) {
        return listingOf(m_database.listTable("sl"), kNumerologyWidths);
    }
    if (selector == kThreeTalentsTableSelector) {
        return listingOf(m_database.listTable("3cai"), kThreeTalentsWidths);
    }
    return {};
}

} // namespace namewright
