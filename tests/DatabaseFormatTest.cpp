#include "db/DatabaseFormat.h"
#include "db/NamingDatabase.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <string>

namespace namewright {
namespace {

using testing::TempDatabase;
using testing::TempPath;
using testing::writeFile;

TEST(DatabaseFormat, RecognisesSqliteAndAccessHeaders) {
    TempDatabase sqlite;
    EXPECT_EQ(sniffDatabaseFormat(sqlite.path()), DatabaseFormat::Sqlite);

    TempPath jet(".mdb");
    writeFile(jet.path(), std::string("\x00\x01\x00\x00Standard Jet DB\0\x01\x00\x00\x00", 24));
    EXPECT_EQ(sniffDatabaseFormat(jet.path()), DatabaseFormat::Access);

    TempPath ace(".accdb");
    writeFile(ace.path(), std::string("\x00\x01\x00\x00Standard ACE DB\0", 20));
    EXPECT_EQ(sniffDatabaseFormat(ace.path()), DatabaseFormat::Access);
}

TEST(DatabaseFormat, AnythingElseIsUnknownOrUnreadable) {
    TempPath text(".mdb");
    writeFile(text.path(), "hello, this is not a database at all");
    EXPECT_EQ(sniffDatabaseFormat(text.path()), DatabaseFormat::Unknown);

    TempPath empty(".mdb");
    writeFile(empty.path(), "");
    EXPECT_EQ(sniffDatabaseFormat(empty.path()), DatabaseFormat::Unknown);

    TempPath shortHeader(".mdb");
    writeFile(shortHeader.path(), std::string("SQLite format 3", 15)); // lacks the terminating NUL
    EXPECT_EQ(sniffDatabaseFormat(shortHeader.path()), DatabaseFormat::Unknown);

    TempPath missing(".mdb");
    EXPECT_EQ(sniffDatabaseFormat(missing.path()), DatabaseFormat::Unreadable);
    EXPECT_EQ(sniffDatabaseFormat(std::filesystem::temp_directory_path()), DatabaseFormat::Unreadable);
}

TEST(NamingDatabaseOpen, FailsQuietlyOnFilesThatAreNotUsable) {
    TempPath missing(".mdb");
    EXPECT_FALSE(NamingDatabase::open(missing.path()).isOpen());

    TempPath text(".mdb");
    writeFile(text.path(), "plain text");
    EXPECT_FALSE(NamingDatabase::open(text.path()).isOpen());

    // The right magic followed by garbage: recognised as SQLite, but the file is damaged.
    TempPath damaged(".mdb");
    writeFile(damaged.path(), std::string("SQLite format 3\0", 16) + std::string(200, '\x7f'));
    EXPECT_FALSE(NamingDatabase::open(damaged.path()).isOpen());

    TempPath truncatedJet(".mdb");
    writeFile(truncatedJet.path(), std::string("\x00\x01\x00\x00Standard Jet DB\0", 20));
    EXPECT_FALSE(NamingDatabase::open(truncatedJet.path()).isOpen());
}

TEST(NamingDatabaseOpen, EveryLookupOfAClosedDatabaseFindsNothing) {
    TempPath missing(".mdb");
    NamingDatabase db = NamingDatabase::open(missing.path());
    EXPECT_FALSE(db.baziRow("甲子"));
    EXPECT_FALSE(db.wordRow("李"));
    EXPECT_TRUE(db.word1After(1, "女").empty());
    EXPECT_TRUE(db.word1OfGender("男").empty());
    EXPECT_TRUE(db.word2OfGender("男").empty());
    EXPECT_FALSE(db.numerologyRow("1"));
    EXPECT_FALSE(db.threeTalentsRow("木木木"));
    EXPECT_TRUE(db.allNumerologyRows().empty());
    EXPECT_TRUE(db.listTable("sl").columns.empty());
}

TEST(NamingDatabaseOpen, AFileWithTheWrongTablesIsRefusedAndAnswersNoRowPerLookup) {
    TempDatabase wrong(TempDatabase::Schema::Empty);
    NamingDatabase db = wrong.open();
    ASSERT_FALSE(db.isOpen());
    EXPECT_EQ(db.failure(), OpenFailure::NotANamingDatabase);
    EXPECT_EQ(db.failureDetail(), "the table bazi");
    EXPECT_FALSE(db.baziRow("甲子"));
    EXPECT_FALSE(db.wordRow("李"));
    EXPECT_TRUE(db.word1After(0, "女").empty());
    EXPECT_TRUE(db.word1OfGender("男").empty());
    EXPECT_FALSE(db.numerologyRow("1"));
    EXPECT_TRUE(db.listTable("sl").columns.empty());
}

TEST(NamingDatabaseOpen, AColumnMissingFromATableRefusesTheFile) {
    TempDatabase odd;
    odd.exec("DROP TABLE word; CREATE TABLE word (zi TEXT, bh INTEGER); INSERT INTO word VALUES ('李', 7);");
    NamingDatabase db = odd.open();
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.failureDetail(), "the column yongtu of the table word");
    EXPECT_FALSE(db.wordRow("李"));
}

} // namespace
} // namespace namewright
