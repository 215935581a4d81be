// The checks of characters.db's content: the checksum of every row, read at opening or later, the digest of every
// table read whole, and a file in WAL mode read with nothing written beside it.

#include "knowledge/KnowledgeBase.h"
#include "knowledge/NameDescription.h"
#include "knowledge/RowChecksum.h"

#include "support/Files.h"
#include "support/SmallKnowledgeFile.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <set>

namespace namewright {
namespace {

using testing::SmallKnowledgeFile;

TEST(RowChecksum, IsTheCrc32OfTheValuesWithTheirTypesAsDocumented) {
    // The bytes: 01 + 8-byte 1; 03 + 4-byte length 3 + 李; 05; 04 + length 2 + 00 ff; 02 + 2.5 as a double; 01 + -7.
    // Their CRC-32, worked out apart from this code (Python's zlib.crc32), is 795552306; of no values, 0.
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    ASSERT_TRUE(registerRowChecksum(db.getHandle()));
    EXPECT_EQ(db.execAndGet("SELECT row_checksum(1, '李', NULL, x'00ff', 2.5, -7)").getInt64(), 795552306);
    EXPECT_EQ(db.execAndGet("SELECT row_checksum()").getInt64(), 0);
    EXPECT_NE(db.execAndGet("SELECT row_checksum('1')").getInt64(), db.execAndGet("SELECT row_checksum(1)").getInt64())
        << "the type is part of the value";
    EXPECT_EQ(rowChecksumTest(knowledgeTable("verses"), "v"), "v.checksum IS row_checksum(v.id, v.poem, v.text)");
}

TEST(KnowledgeTables, CoverEveryColumnOfTheSchemaButTheChecksumInItsOrder) {
    const SmallKnowledgeFile file;
    SQLite::Database db(file.path().string(), SQLite::OPEN_READONLY);
    std::set<std::string> tables;
    SQLite::Statement names(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    while (names.executeStep()) {
        tables.insert(names.getColumn(0).getString());
    }
    EXPECT_EQ(tables.size(), kKnowledgeTables.size());
    for (const KnowledgeTable& table : kKnowledgeTables) {
        std::string columns;
        SQLite::Statement info(db, "SELECT name FROM pragma_table_info(?)");
        info.bind(1, std::string(table.name));
        while (info.executeStep()) {
            const std::string column = info.getColumn(0).getString();
            if (column != "checksum") {
                columns += (columns.empty() ? "" : ", ") + column;
            }
        }
        EXPECT_TRUE(tables.contains(std::string(table.name)));
        EXPECT_EQ(columns, table.columns) << table.name;
    }
}

/// A sealed small file with one bit flipped where `bytes` first stand.
struct FlippedFile {
    explicit FlippedFile(std::string_view bytes) { flipped = testing::flipBitInFile(file.path(), bytes); }
    SmallKnowledgeFile file;
    bool flipped = false;
};

TEST(RowChecksum, OneFlippedBitInARowReadAtOpeningRefusesTheFile) {
    // Values, none of them a key, in each table read whole: 婧's pinyin "jìng", 曾's syllables, 饭桶's syllables and
    // the first characters of the verse index.
    for (const auto& [bytes, table] :
         {std::pair{"jìng", "characters"}, std::pair{"zeng1", "surnames"}, std::pair{"fan4 tong3", "unfortunate_words"},
          std::pair{"思统", "verse_index"}}) {
        const FlippedFile damaged(bytes);
        ASSERT_TRUE(damaged.flipped) << bytes;
        const KnowledgeBase knowledge = KnowledgeBase::open(damaged.file.path());
        EXPECT_FALSE(knowledge.isAvailable()) << bytes;
        EXPECT_EQ(knowledge.failure().find(std::string("a row of ") + table + " fails its checksum"), 0U)
            << knowledge.failure();
        EXPECT_EQ(knowledge.character("婧"), nullptr) << "never jìnf";
    }
}

TEST(RowChecksum, OneFlippedBitInAVerseRowGivesNoVerseAndSaysSo) {
    const KnowledgeBase intact = KnowledgeBase::open(SmallKnowledgeFile().path());
    ASSERT_EQ(intact.verses("思", "远").size(), 2U);
    EXPECT_EQ(intact.damage(), "");
    // The text of verse 2, and the title of the poem of verse 1.
    for (const auto& [bytes, verse] : {std::pair{"无思远人", "2"}, std::pair{"载驰", "1"}}) {
        const FlippedFile damaged(bytes);
        ASSERT_TRUE(damaged.flipped) << bytes;
        const KnowledgeBase knowledge = KnowledgeBase::open(damaged.file.path());
        ASSERT_TRUE(knowledge.isAvailable()) << "verses are read when asked for: " << knowledge.failure();
        EXPECT_TRUE(knowledge.verses("思", "远").empty()) << bytes;
        EXPECT_EQ(knowledge.damage(), std::string("a row of verses or poems fails its checksum (") + verse + ")");
    }
}

TEST(RowChecksum, ARowLostWholeIsFoundByItsTablesDigestOrItsListing) {
    for (const char* table : {"characters", "surnames", "unfortunate_words"}) {
        SmallKnowledgeFile file;
        SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE)
            .exec("DELETE FROM " + std::string(table) + " WHERE rowid = (SELECT max(rowid) FROM " + table + ")");
        const KnowledgeBase knowledge = KnowledgeBase::open(file.path());
        EXPECT_FALSE(knowledge.isAvailable()) << table;
        EXPECT_EQ(knowledge.failure(), "the rows of " + std::string(table) + " do not match its digest");
    }
    SmallKnowledgeFile file;
    SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE).exec("DELETE FROM verses WHERE id = 2");
    const KnowledgeBase knowledge = KnowledgeBase::open(file.path());
    EXPECT_TRUE(knowledge.verses("思", "远").empty()) << "not the first verse alone";
    EXPECT_EQ(knowledge.damage(), "a verse that verse_pairs lists is missing (2)");
}

std::set<std::string> filesBeside(const std::filesystem::path& file) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
        if (entry.path().filename().string().starts_with(file.filename().string())) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

TEST(KnowledgeFileInWalMode, OpensAndReadsVersesWithNothingWrittenBesideIt) {
    SmallKnowledgeFile file;
    SQLite::Database(file.path().string(), SQLite::OPEN_READWRITE).exec("PRAGMA journal_mode = WAL");
    const std::set<std::string> alone{file.path().filename().string()};
    ASSERT_EQ(filesBeside(file.path()), alone);
    {
        const KnowledgeBase knowledge = KnowledgeBase::open(file.path());
        ASSERT_TRUE(knowledge.isAvailable()) << knowledge.failure();
        EXPECT_EQ(knowledge.verses("思", "远").size(), 2U);
        EXPECT_EQ(describeName(knowledge, "范", "统").pinyinText(), "fàn tǒng");
        EXPECT_EQ(filesBeside(file.path()), alone) << "describe left -wal and -shm files beside it";
    }
    EXPECT_EQ(filesBeside(file.path()), alone);

    // A writer still at work: its log holds what the file lacks, so the file is refused rather than read stale.
    SQLite::Database writer(file.path().string(), SQLite::OPEN_READWRITE);
    writer.exec("PRAGMA wal_autocheckpoint = 0; UPDATE characters SET level = 1");
    const KnowledgeBase refused = KnowledgeBase::open(file.path());
    EXPECT_FALSE(refused.isAvailable());
    EXPECT_NE(refused.failure().find("-wal holds changes"), std::string::npos) << refused.failure();
}

} // namespace
} // namespace namewright
