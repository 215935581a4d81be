// A file that opens but is no naming database: it lacks one of the six tables, or a column the program reads of
// one. Such a file is refused when it is opened, like a missing one, and the refusal names what it lacks.

#include "db/NamingSchema.h"
#include "db/NamingDatabase.h"
#include "db/OpenConnection.h"
#include "support/SmallKnowledgeFile.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <string>

namespace namewright {
namespace {

using testing::TempDatabase;

std::string sqlName(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

/// Makes the table again with the columns the program reads but one.
void dropColumn(TempDatabase& file, const NamingTable& table, std::size_t dropped) {
    std::string columns;
    for (std::size_t i = 0; i < table.columnCount; ++i) {
        if (i != dropped) {
            columns += (columns.empty() ? "" : ", ") + sqlName(table.columns[i]) + " TEXT";
        }
    }
    file.exec("DROP TABLE " + sqlName(table.name) + "; CREATE TABLE " + sqlName(table.name) + " (" + columns + ")");
}

void expectRefused(const std::filesystem::path& file, const std::string& lacking) {
    const OpenedConnection opened = openConnection(file);
    EXPECT_EQ(opened.failure, OpenFailure::NotANamingDatabase) << lacking;
    EXPECT_EQ(opened.detail, lacking);
    EXPECT_EQ(opened.connection, nullptr);
    NamingDatabase db = NamingDatabase::open(file);
    EXPECT_FALSE(db.isOpen()) << lacking;
    EXPECT_EQ(db.failure(), OpenFailure::NotANamingDatabase);
    EXPECT_EQ(db.failureDetail(), lacking);
    EXPECT_FALSE(db.wordRow("李")) << "a refused file answers no lookup";
}

TEST(NamingSchema, EachOfTheSixTablesMissingRefusesTheFile) {
    for (const NamingTable& table : kNamingTables) {
        TempDatabase file;
        file.exec("DROP TABLE " + sqlName(table.name));
        expectRefused(file.path(), "the table " + std::string(table.name));
    }
}

TEST(NamingSchema, EachColumnTheProgramReadsMissingRefusesTheFile) {
    for (const NamingTable& table : kNamingTables) {
        for (std::size_t i = 0; i < table.columnCount; ++i) {
            TempDatabase file;
            dropColumn(file, table, i);
            expectRefused(file.path(),
                          "the column " + std::string(table.columns[i]) + " of the table " + std::string(table.name));
        }
    }
}

TEST(NamingSchema, TheOtherShippedFileIsNoNamingDatabase) {
    // `--db characters.db` scored 李 as 0 and said nothing.
    const testing::SmallKnowledgeFile knowledge;
    expectRefused(knowledge.path(), "the table bazi");
}

TEST(NamingSchema, TablesAreFoundInAnyLetterCaseColumnsOnlyAsSpelled) {
    TempDatabase upper;
    upper.exec("ALTER TABLE bazi RENAME TO b; ALTER TABLE b RENAME TO BAZI; INSERT INTO BAZI VALUES ('甲子', '木水', "
               "'海中金');");
    NamingDatabase db = NamingDatabase::open(upper.path());
    ASSERT_TRUE(db.isOpen()) << db.failureDetail();
    EXPECT_TRUE(db.baziRow("甲子")) << "SQL finds the table whatever its case";

    // Rows are read by column name, and names compare exactly: `id` is not `ID`.
    TempDatabase lower;
    lower.exec("ALTER TABLE word1 RENAME COLUMN ID TO id");
    expectRefused(lower.path(), "the column ID of the table word1");
}

TEST(NamingSchema, ColumnsBeyondTheOnesReadAndEmptyTablesAreAccepted) {
    TempDatabase file;
    file.exec("ALTER TABLE word ADD COLUMN note TEXT; CREATE TABLE extra (x INTEGER);");
    const NamingDatabase db = NamingDatabase::open(file.path());
    EXPECT_TRUE(db.isOpen()) << db.failureDetail();
    EXPECT_EQ(db.failure(), OpenFailure::None);
    EXPECT_EQ(db.failureDetail(), "");
}

} // namespace
} // namespace namewright
