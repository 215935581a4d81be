// The reference-tables listing of the shipped hun.mdb: both tables list whole, every cell shows text.

#include "reports/ReferenceTables.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace namewright {
namespace {

TEST(ShippedReferenceTables, TheNumerologyTableShowsEightyTwoGridRows) {
    ReferenceTables tables(NAMEWRIGHT_SHIPPED_DATABASE);
    ASSERT_TRUE(tables.isOpen());
    const ReferenceTableListing listing = tables.list(kNumerologyTableSelector);
    EXPECT_EQ(listing.headers,
              (std::vector<std::string>{"数理序号", "吉否", "一字描述", "基业", "家庭", "健康", "含意"}));
    ASSERT_EQ(listing.gridRowCount(), 82U);
    for (std::size_t r = 0; r < listing.rowCount(); ++r) {
        EXPECT_EQ(listing.rows[r][0], std::to_string(r + 1)) << "numbers are stored in order";
        for (std::size_t k = 1; k < listing.headers.size(); ++k) {
            EXPECT_FALSE(listing.rows[r][k].empty()) << "number " << r + 1 << ", column " << listing.headers[k];
        }
    }
}

TEST(ShippedReferenceTables, TheThreeTalentsTableShowsEveryKeyAndColumn) {
    ReferenceTables tables(NAMEWRIGHT_SHIPPED_DATABASE);
    const ReferenceTableListing listing = tables.list(kThreeTalentsTableSelector);
    EXPECT_EQ(listing.headers, (std::vector<std::string>{"ID", "属性", "解释", "吉否"}));
    ASSERT_EQ(listing.rowCount(), 125U);
    for (const auto& row : listing.rows) {
        for (const auto& cell : row) {
            EXPECT_FALSE(cell.empty()) << row[1];
        }
    }
    EXPECT_EQ(listing.columnWidths, (std::vector<std::optional<int>>{25, 30, 50, 500, 30}));
}

} // namespace
} // namespace namewright
