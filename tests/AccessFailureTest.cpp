// Why an Access file does not open, on files made from scratch (no sample file needed): each check of the reader
// names itself.

#include "access/AccessHeader.h"
#include "access/AccessImport.h"
#include "support/AccessHeaderPage.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <limits>
#include <string>

namespace namewright {
namespace {

using testing::AccessHeaderFields;
using testing::accessHeaderPage;

std::span<const unsigned char> bytesOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

AccessFailure importOf(const std::string& bytes) {
    std::vector<unsigned char> image(bytes.begin(), bytes.end());
    SQLite::Database target(":memory:", SQLite::OPEN_READWRITE);
    return importAccessBytes(image, target);
}

TEST(AccessHeaderPage, ReadsBackAsTheFieldsItWasMadeOf) {
    for (const AccessVersion version : {AccessVersion::Jet3, AccessVersion::Jet4, AccessVersion::Ace}) {
        for (const std::string password : {"", "secret"}) {
            const auto header = readAccessHeader(bytesOf(accessHeaderPage({version, 936, password})));
            ASSERT_TRUE(header);
            EXPECT_EQ(header->version, version);
            EXPECT_EQ(header->pageSize, version == AccessVersion::Jet3 ? 2048U : 4096U);
            EXPECT_EQ(header->codePage, 936);
            EXPECT_EQ(header->hasPassword, !password.empty());
        }
    }
}

TEST(AccessFailure, APasswordIsNamed) {
    const std::string page = accessHeaderPage({AccessVersion::Jet4, 0, "a"});
    EXPECT_EQ(importOf(page + std::string(2 * page.size(), '\0')), AccessFailure::PasswordProtected);
}

TEST(AccessFailure, ACreationDateAccessCannotWriteIsNoAccessHeader) {
    AccessHeaderFields fields;
    fields.creationDate = std::numeric_limits<double>::quiet_NaN();
    const std::string page = accessHeaderPage(fields);
    EXPECT_EQ(importOf(page + std::string(2 * page.size(), '\0')), AccessFailure::NotAnAccessFile);
    EXPECT_EQ(importOf(page.substr(0, kAccessHeaderBytes - 1)), AccessFailure::NotAnAccessFile);
}

TEST(AccessFailure, AFileOfPartPagesOrWithoutItsObjectTablePageIsNotWholePages) {
    const std::string page = accessHeaderPage({});
    EXPECT_EQ(importOf(page), AccessFailure::NotWholePages);
    EXPECT_EQ(importOf(page + page), AccessFailure::NotWholePages);
    EXPECT_EQ(importOf(page + std::string(2 * page.size() + 1, '\0')), AccessFailure::NotWholePages);
}

TEST(AccessFailure, ACodePageWithoutADecoderIsNamed) {
    const std::string page = accessHeaderPage({AccessVersion::Jet3, 1, ""});
    EXPECT_EQ(importOf(page + std::string(2 * page.size(), '\0')), AccessFailure::UnsupportedCodePage);
}

TEST(AccessFailure, AnObjectTablePageOfZerosIsADamagedObjectTable) {
    for (const AccessVersion version : {AccessVersion::Jet3, AccessVersion::Jet4}) {
        const std::string page = accessHeaderPage({version, 936, ""});
        EXPECT_EQ(importOf(page + std::string(2 * page.size(), '\0')), AccessFailure::DamagedObjectTable);
    }
}

TEST(AccessFailure, AMissingFileIsUnreadableAndNothingIsLeftInTheTarget) {
    testing::TempPath missing(".mdb");
    SQLite::Database target(":memory:", SQLite::OPEN_READWRITE);
    EXPECT_EQ(importAccessDatabase(missing.path(), target), AccessFailure::FileUnreadable);
    EXPECT_EQ(importAccessDatabase(std::filesystem::temp_directory_path(), target), AccessFailure::FileUnreadable);
    SQLite::Statement tables(target, "SELECT count(*) FROM sqlite_master");
    ASSERT_TRUE(tables.executeStep());
    EXPECT_EQ(tables.getColumn(0).getInt(), 0);
}

} // namespace
} // namespace namewright
