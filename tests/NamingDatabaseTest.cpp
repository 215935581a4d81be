#include "db/NamingDatabase.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <fstream>
#include <sstream>

namespace namewright {
namespace {

using testing::TempDatabase;

class NamingDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_file.exec(R"sql(
            INSERT INTO bazi VALUES ('甲子', '木水', '海中金'), ('乙丑', '木土', '海中金');
            INSERT INTO word VALUES ('李', 7, '火'), ('哉', 9, '金'), ('栋', 12, '木'), ('''', 1, '土');
            INSERT INTO word1 VALUES (3, '明', 8, '火', '男'), (1, '安', 6, '土', '中'), (2, '丽', 19, '火', '女'),
                                     (5, '宁', 14, '火', '中'), (4, '杰', 12, '木', '男'), (6, '文', 4, '水', NULL);
            INSERT INTO word2 VALUES (1, '轩', 10, '土', '男'), (2, '涵', 12, '水', '女'), (3, '浩', 11, '水', '男');
            INSERT INTO sl VALUES ('15', '吉', '福寿', '基业15', '家庭15', '健康15', '含意15'),
                                  ('015', '凶', 'x', 'x', 'x', 'x', 'x'),
                                  ('15', '凶', '后来的重复行', '', '', '', '');
            INSERT INTO "3cai" VALUES (1, '金土水', '土生金', '吉'), (2, '木木木', '三木成林', '半吉');
        )sql");
        m_db = m_file.open();
        ASSERT_TRUE(m_db.isOpen());
    }

    TempDatabase m_file;
    NamingDatabase m_db;
};

TEST_F(NamingDatabaseTest, LooksUpSingleRowsByKey) {
    EXPECT_EQ(m_db.baziRow("甲子"), (BaziRow{"木水", "海中金"}));
    EXPECT_FALSE(m_db.baziRow("甲丑"));
    EXPECT_EQ(m_db.wordRow("栋"), (WordRow{"栋", 12, "木"}));
    EXPECT_FALSE(m_db.wordRow("无此字"));
    EXPECT_FALSE(m_db.wordRow(""));
    EXPECT_EQ(m_db.threeTalentsRow("金土水"), (ThreeTalentsRow{"金土水", "吉", "土生金"}));
}

TEST_F(NamingDatabaseTest, NumberKeysCompareAsTextAndTheFirstStoredRowWins) {
    const auto row = m_db.numerologyRow("15");
    ASSERT_TRUE(row);
    EXPECT_EQ(row->luck, "吉");
    EXPECT_EQ(row->description, "福寿");
    EXPECT_EQ(row->meaning, "含意15");
    EXPECT_EQ(m_db.numerologyRow("015")->luck, "凶");
    EXPECT_FALSE(m_db.numerologyRow("16"));
}

TEST_F(NamingDatabaseTest, ParametersWithQuotesAreJustKeys) {
    EXPECT_EQ(m_db.wordRow("'"), (WordRow{"'", 1, "土"}));
    EXPECT_FALSE(m_db.wordRow("李' OR '1'='1"));
    EXPECT_FALSE(m_db.baziRow("'; DROP TABLE bazi; --"));
    EXPECT_TRUE(m_db.baziRow("甲子")) << "the table survives";
    EXPECT_EQ(m_db.word1After(0, "'").size(), 5U) << "xb NULL never matches";
    EXPECT_TRUE(m_db.word1OfGender("男' OR 'a'='a").empty());
}

TEST_F(NamingDatabaseTest, WalksWord1AfterTheResumeMarkInAscendingIdOrder) {
    std::vector<int> ids;
    for (const auto& row : m_db.word1After(1, "女")) {
        ids.push_back(row.id);
    }
    // ID 1 is never a candidate of a run that starts at mark 1; neutral rows are kept, 女 and NULL rows are not.
    EXPECT_EQ(ids, (std::vector<int>{3, 4, 5}));

    const auto afterFour = m_db.word1After(4, "男");
    ASSERT_EQ(afterFour.size(), 1U);
    EXPECT_EQ(afterFour[0], (CandidateRow{5, "宁", 14, "火", "中"}));
    EXPECT_TRUE(m_db.word1After(6, "女").empty());
}

TEST_F(NamingDatabaseTest, ListsTheRowsOfAGenderInAscendingIdOrder) {
    const auto ids = [](const std::vector<CandidateRow>& rows) {
        std::vector<int> result;
        for (const CandidateRow& row : rows) {
            result.push_back(row.id);
        }
        return result;
    };
    EXPECT_EQ(ids(m_db.word1OfGender("男")), (std::vector<int>{3, 4}));
    EXPECT_EQ(ids(m_db.word1OfGender("中")), (std::vector<int>{1, 5}));
    EXPECT_TRUE(m_db.word1OfGender("").empty()) << "xb NULL is not the empty text";
    const auto boys = m_db.word2OfGender("男");
    ASSERT_EQ(boys.size(), 2U);
    EXPECT_EQ(boys[0], (CandidateRow{1, "轩", 10, "土", "男"}));
    EXPECT_EQ(boys[1].character, "浩");
}

TEST_F(NamingDatabaseTest, ListsTheRowsOfAGenderWithTheNeutralOnesForTheRandomDraws) {
    const auto ids = [](const std::vector<CandidateRow>& rows) {
        std::vector<int> result;
        for (const CandidateRow& row : rows) {
            result.push_back(row.id);
        }
        return result;
    };
    EXPECT_EQ(ids(m_db.word1ForDraws("男")), (std::vector<int>{1, 3, 4, 5})) << "中 rows beside 男, not 女 or NULL";
    EXPECT_EQ(ids(m_db.word1ForDraws("女")), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(ids(m_db.word2ForDraws("女")), (std::vector<int>{2}));
    EXPECT_TRUE(m_db.word1ForDraws("男' OR 'a'='a").size() == 2U) << "a quote is a mark like any other: neutral only";
}

TEST_F(NamingDatabaseTest, ListsAWholeTableWithItsColumnKinds) {
    const TableListing listing = m_db.listTable("3cai");
    ASSERT_EQ(listing.columns.size(), 4U);
    EXPECT_EQ(listing.columns[0], (ListingColumn{"ID", ColumnKind::Integer}));
    EXPECT_EQ(listing.columns[1], (ListingColumn{"属性", ColumnKind::ShortText}));
    EXPECT_EQ(listing.columns[3].name, "吉否");
    ASSERT_EQ(listing.rows.size(), 2U);
    EXPECT_EQ(listing.rows[0][0], CellValue(std::int64_t{1}));
    EXPECT_EQ(listing.rows[1][1], CellValue(std::string("木木木")));

    EXPECT_TRUE(m_db.listTable("no such table").columns.empty());
    EXPECT_TRUE(m_db.listTable("sl\" --").columns.empty());
}

TEST(NamingDatabaseListing, AnEmptyTableHasColumnsButNoRows) {
    TempDatabase file;
    NamingDatabase db = file.open();
    const TableListing listing = db.listTable("sl");
    EXPECT_EQ(listing.columns.size(), 7U);
    EXPECT_TRUE(listing.rows.empty());
}

TEST(NamingDatabaseListing, ReportsEveryKindOfDeclaredColumn) {
    TempDatabase file;
    file.exec(R"sql(
        CREATE TABLE kinds (t TEXT(255), m MEMO, i LONG, s SINGLE, d DOUBLE, w DATETIME, b BOOLEAN, c CURRENCY);
        INSERT INTO kinds VALUES ('x', 'long text', 12, 1.5, 2.25, '2011-01-01 00:00:00', 1, 3.5);
    )sql");
    NamingDatabase db = file.open();
    const TableListing listing = db.listTable("kinds");
    const std::vector<ColumnKind> expected{ColumnKind::ShortText, ColumnKind::Other,  ColumnKind::Integer,
                                           ColumnKind::Single,    ColumnKind::Double, ColumnKind::DateTime,
                                           ColumnKind::Other,     ColumnKind::Other};
    ASSERT_EQ(listing.columns.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(listing.columns[i].kind, expected[i]) << listing.columns[i].name;
    }
    EXPECT_EQ(listing.rows.at(0).at(4), CellValue(2.25));
}

TEST(NamingDatabaseReadOnly, QueriesLeaveTheFileUntouchedAndWritesAreRefused) {
    TempDatabase file;
    file.exec("INSERT INTO word VALUES ('李', 7, '火');");
    const auto readAll = [&] {
        std::ifstream in(file.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    };
    const std::string before = readAll();
    {
        NamingDatabase db = file.open();
        EXPECT_TRUE(db.wordRow("李"));
        EXPECT_FALSE(db.wordRow("x'); DELETE FROM word; --"));
        EXPECT_TRUE(db.wordRow("李"));
    }
    EXPECT_EQ(readAll(), before);
}

TEST(ColumnKindFromDeclaredType, IgnoresCaseAndSize) {
    EXPECT_EQ(columnKindFromDeclaredType("text(255)"), ColumnKind::ShortText);
    EXPECT_EQ(columnKindFromDeclaredType("VARCHAR (50)"), ColumnKind::ShortText);
    EXPECT_EQ(columnKindFromDeclaredType("Integer"), ColumnKind::Integer);
    EXPECT_EQ(columnKindFromDeclaredType("double"), ColumnKind::Double);
    EXPECT_EQ(columnKindFromDeclaredType(""), ColumnKind::Other);
    EXPECT_EQ(columnKindFromDeclaredType("BLOB"), ColumnKind::Other);
}

} // namespace
} // namespace namewright
