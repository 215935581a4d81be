// Opening a naming database file: which check refuses which file, that a damaged SQLite file is refused before
// any lookup can answer from what is left of it, and that a file in WAL mode opens with nothing written beside it.

#include "db/OpenConnection.h"
#include "db/NamingDatabase.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <set>
#include <string>

namespace namewright {
namespace {

using testing::TempDatabase;
using testing::TempPath;
using testing::writeFile;

TEST(OpenConnection, NamesTheReasonAFileDoesNotOpen) {
    TempPath missing(".mdb");
    EXPECT_EQ(openConnection(missing.path()).failure, OpenFailure::Unreadable);
    EXPECT_EQ(openConnection(std::filesystem::temp_directory_path()).failure, OpenFailure::Unreadable);

    TempPath text(".mdb");
    writeFile(text.path(), "plain text");
    EXPECT_EQ(openConnection(text.path()).failure, OpenFailure::UnknownFormat);

    // The right magic followed by garbage: recognised as SQLite, refused by the check.
    TempPath garbage(".mdb");
    writeFile(garbage.path(), std::string("SQLite format 3\0", 16) + std::string(200, '\x7f'));
    EXPECT_EQ(openConnection(garbage.path()).failure, OpenFailure::FailedIntegrityCheck);

    TempPath truncatedJet(".mdb");
    writeFile(truncatedJet.path(), std::string("\x00\x01\x00\x00Standard Jet DB\0", 20));
    const OpenedConnection jet = openConnection(truncatedJet.path());
    EXPECT_EQ(jet.failure, OpenFailure::AccessRefused);
    EXPECT_EQ(jet.accessFailure, AccessFailure::NotAnAccessFile);
    EXPECT_EQ(jet.connection, nullptr);
}

TEST(OpenConnection, AnIntactFileOpensReadOnlyAsOftenAsAsked) {
    TempDatabase file;
    file.exec("INSERT INTO word VALUES ('李', 7, '火');");
    const OpenedConnection opened = openConnection(file.path());
    ASSERT_EQ(opened.failure, OpenFailure::None);
    ASSERT_NE(opened.connection, nullptr);
    EXPECT_THROW(opened.connection->exec("DELETE FROM word"), SQLite::Exception);
    // A second connection while the first holds its shared lock: the check it skips is the one the first passed.
    const OpenedConnection again = openConnection(file.path());
    ASSERT_EQ(again.failure, OpenFailure::None);
    SQLite::Statement lookup(*again.connection, "SELECT bh FROM word WHERE zi = '李'");
    ASSERT_TRUE(lookup.executeStep());
    EXPECT_EQ(lookup.getColumn(0).getInt(), 7);
}

/// A database of the shipped schema large enough that pages 20 to 79 hold table and index rows (about 190 pages).
class DamagedDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        m_file.exec(R"sql(
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
            INSERT INTO word SELECT '字' || i, i % 30 + 1, '金' FROM n;
            INSERT INTO word VALUES ('李', 7, '火');
        )sql");
        ASSERT_TRUE(m_file.open().isOpen());
        ASSERT_TRUE(testing::overwriteSqlitePages(m_file.path(), 20, 79));
    }

    TempDatabase m_file;
};

// The fixture opened the intact file first, so this also shows that a file written since it passed is checked again.
TEST_F(DamagedDatabase, OverwrittenPagesAreRefusedByTheIntegrityCheck) {
    const OpenedConnection opened = openConnection(m_file.path());
    EXPECT_EQ(opened.failure, OpenFailure::FailedIntegrityCheck);
    EXPECT_FALSE(opened.detail.empty());
    EXPECT_EQ(opened.connection, nullptr);
}

TEST_F(DamagedDatabase, WithoutTheCheckTheFileOpensAndLosesItsRows) {
    // What the check guards against: the schema on page 1 is intact, so SQLite opens the file and reads its schema,
    // and then a lookup of a row stored on the overwritten pages (row 5000 of 20000) fails or finds nothing.
    SQLite::Database raw(m_file.path().string(), SQLite::OPEN_READONLY);
    SQLite::Statement schema(raw, "SELECT count(*) FROM sqlite_master");
    ASSERT_TRUE(schema.executeStep());
    EXPECT_GT(schema.getColumn(0).getInt(), 0);
    bool found = false;
    try {
        SQLite::Statement lookup(raw, "SELECT bh FROM word WHERE zi = '字5000'");
        found = lookup.executeStep();
    } catch (const SQLite::Exception&) {
        found = false;
    }
    EXPECT_FALSE(found);
}

TEST_F(DamagedDatabase, OpensLikeAMissingFile) {
    NamingDatabase db = NamingDatabase::open(m_file.path());
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.wordRow("李"));
}

TEST(DamagedIndex, OneFlippedBitInAnIndexEntryIsFoundThoughTheQuickCheckPassesIt) {
    TempDatabase file;
    file.exec("INSERT INTO word VALUES ('欧', 15, '土'), ('美', 9, '水'), ('丽', 19, '火');");
    ASSERT_TRUE(testing::flipBitInIndexEntry(file.path(), "word_by_character", "美"));
    {
        // What the quick check misses: every page is sound, but the index no longer leads to 美.
        SQLite::Database raw(file.path().string(), SQLite::OPEN_READONLY);
        EXPECT_EQ(raw.execAndGet("PRAGMA quick_check").getString(), "ok");
        SQLite::Statement lookup(raw, "SELECT bh FROM word WHERE zi = '美'");
        EXPECT_FALSE(lookup.executeStep()) << "the lookup goes through the damaged index";
    }
    const OpenedConnection opened = openConnection(file.path());
    EXPECT_EQ(opened.failure, OpenFailure::FailedIntegrityCheck);
    EXPECT_NE(opened.detail.find("word_by_character"), std::string::npos) << opened.detail;
    NamingDatabase db = NamingDatabase::open(file.path());
    EXPECT_FALSE(db.isOpen()) << "欧美丽 would be scored as 欧 alone";
    EXPECT_EQ(db.failure(), OpenFailure::FailedIntegrityCheck);
}

/// The names of the files in the folder of `file` that begin with its name: the file and whatever SQLite put beside it.
std::set<std::string> filesBeside(const std::filesystem::path& file) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(file.filename().string())) {
            names.insert(name);
        }
    }
    return names;
}

TEST(WalModeDatabase, OpensAndAnswersWithNothingWrittenBesideIt) {
    TempDatabase file;
    file.exec("PRAGMA journal_mode = WAL; INSERT INTO word VALUES ('李', 7, '火');");
    // The writer has closed: the log is merged into the file and removed, and the header still says WAL.
    ASSERT_EQ(filesBeside(file.path()), std::set<std::string>{file.path().filename().string()});
    const std::string before = testing::readFile(file.path());
    {
        NamingDatabase first = NamingDatabase::open(file.path());
        NamingDatabase second = NamingDatabase::open(file.path());
        ASSERT_TRUE(first.isOpen()) << first.failure() << ": " << first.failureDetail();
        ASSERT_TRUE(second.isOpen());
        EXPECT_EQ(first.wordRow("李"), (WordRow{"李", 7, "火"}));
        EXPECT_EQ(second.wordRow("李"), (WordRow{"李", 7, "火"}));
        EXPECT_EQ(filesBeside(file.path()), std::set<std::string>{file.path().filename().string()})
            << "no -wal or -shm file while it is open";
    }
    EXPECT_EQ(filesBeside(file.path()), std::set<std::string>{file.path().filename().string()});
    EXPECT_EQ(testing::readFile(file.path()), before);
}

TEST(WalModeDatabase, ALogHoldingChangesNotYetInTheFileRefusesIt) {
    TempDatabase file;
    file.exec("PRAGMA journal_mode = WAL;");
    {
        // A program that has the file open for writing: its change is in the log only, until it closes.
        SQLite::Database writer(file.path().string(), SQLite::OPEN_READWRITE);
        writer.exec("PRAGMA wal_autocheckpoint = 0; INSERT INTO word VALUES ('李', 7, '火');");
        const OpenedConnection opened = openConnection(file.path());
        EXPECT_EQ(opened.failure, OpenFailure::PendingWriteAhead);
        EXPECT_NE(opened.detail.find(file.path().filename().string() + "-wal"), std::string::npos) << opened.detail;
        EXPECT_EQ(opened.connection, nullptr);
    }
    NamingDatabase db = NamingDatabase::open(file.path());
    ASSERT_TRUE(db.isOpen()) << "once the writer has closed, its change is in the file";
    EXPECT_TRUE(db.wordRow("李"));
}

} // namespace
} // namespace namewright
