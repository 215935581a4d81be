// The shipped hun.mdb as a file: it passes the check every opening makes, and a copy of it with pages overwritten
// (as a disk or a careless edit might leave it) does not open.

#include "db/NamingDatabase.h"
#include "db/OpenConnection.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace namewright {
namespace {

const std::filesystem::path kShipped = NAMEWRIGHT_SHIPPED_DATABASE;

TEST(ShippedDatabaseFile, PassesTheIntegrityCheckAndHasEveryTable) {
    EXPECT_EQ(openConnection(kShipped).failure, OpenFailure::None);
}

TEST(ShippedDatabaseFile, ACopyWithPages20To79OverwrittenDoesNotOpen) {
    testing::TempPath copy(".mdb");
    std::filesystem::copy_file(kShipped, copy.path());
    ASSERT_TRUE(testing::overwriteSqlitePages(copy.path(), 20, 79));
    EXPECT_EQ(openConnection(copy.path()).failure, OpenFailure::FailedIntegrityCheck);
    NamingDatabase db = NamingDatabase::open(copy.path());
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.wordRow("李")) << "no lookup answers from the pages that survived";
}

} // namespace
} // namespace namewright
