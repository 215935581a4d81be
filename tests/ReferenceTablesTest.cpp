#include "reports/ReferenceTables.h"
#include "reports/CellText.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>

namespace namewright {
namespace {

using testing::TempDatabase;
using testing::TempPath;
using Widths = std::vector<std::optional<int>>;

TEST(ReferenceTables, ListsTheNumerologyTableInStoredOrderWithItsWidths) {
    TempDatabase file;
    file.exec(R"sql(
        INSERT INTO sl VALUES ('2', '吉', '两仪', '二基', '二家', '二健', '二含'),
                              ('1', '吉', '太极', '一基', '一家', '一健', '一含');
        INSERT INTO "3cai" VALUES (7, '金土水', '金土水之配置', '吉');
    )sql");
    ReferenceTables tables(file.path());
    ASSERT_TRUE(tables.isOpen());

    const ReferenceTableListing listing = tables.list(kNumerologyTableSelector);
    EXPECT_EQ(listing.headers,
              (std::vector<std::string>{"数理序号", "吉否", "一字描述", "基业", "家庭", "健康", "含意"}));
    ASSERT_EQ(listing.rowCount(), 2U);
    EXPECT_EQ(listing.rows[0], (std::vector<std::string>{"2", "吉", "两仪", "二基", "二家", "二健", "二含"}));
    EXPECT_EQ(listing.rows[1][2], "太极");
    EXPECT_EQ(listing.columnWidths, (Widths{25, 30, 30, 200, 200, 200, 200, 200}));
    EXPECT_EQ(listing.gridRowCount(), 3U);
    EXPECT_EQ(listing.gridColumnCount(), 8U);
}

TEST(ReferenceTables, ListsTheThreeTalentsTableWithItsIntegersInDecimal) {
    TempDatabase file;
    file.exec(R"sql(INSERT INTO "3cai" VALUES (7, '金土水', '金土水之配置', '吉'), (-12, '木木木', '', NULL);)sql");
    ReferenceTables tables(file.path());

    const ReferenceTableListing listing = tables.list(kThreeTalentsTableSelector);
    EXPECT_EQ(listing.headers, (std::vector<std::string>{"ID", "属性", "解释", "吉否"}));
    ASSERT_EQ(listing.rowCount(), 2U);
    EXPECT_EQ(listing.rows[0], (std::vector<std::string>{"7", "金土水", "金土水之配置", "吉"}));
    EXPECT_EQ(listing.rows[1], (std::vector<std::string>{"-12", "木木木", "", ""}));
    EXPECT_EQ(listing.columnWidths, (Widths{25, 30, 50, 500, 30}));
}

TEST(ReferenceTables, ListingAgainWithTheOtherSelectorShowsTheOtherTable) {
    TempDatabase file;
    file.exec(R"sql(INSERT INTO sl VALUES ('1', '吉', '太极', '', '', '', '');)sql");
    ReferenceTables tables(file.path());
    EXPECT_EQ(tables.list("三才").headers.front(), "ID");
    EXPECT_EQ(tables.list("").headers.front(), "数理序号");
    EXPECT_EQ(tables.list("").rowCount(), 1U);
}

TEST(ReferenceTables, AnEmptyTableShowsOnlyTheHeader) {
    TempDatabase file;
    ReferenceTables tables(file.path());
    const ReferenceTableListing listing = tables.list(kThreeTalentsTableSelector);
    EXPECT_FALSE(listing.isEmpty());
    EXPECT_EQ(listing.headers.size(), 4U);
    EXPECT_EQ(listing.rowCount(), 0U);
    EXPECT_EQ(listing.gridRowCount(), 1U);
    EXPECT_EQ(listing.columnWidths.size(), 5U);
}

TEST(ReferenceTables, AMemoColumnShowsEmptyCellsUnderItsName) {
    TempDatabase file;
    file.exec(R"sql(
        DROP TABLE sl;
        CREATE TABLE sl ("数理序号" TEXT(255), "吉否" TEXT(255), "备注" MEMO, "是否常用" BOOLEAN, "一字描述" TEXT(255),
                         "基业" TEXT(255), "家庭" TEXT(255), "健康" TEXT(255), "含意" TEXT(255));
        INSERT INTO sl VALUES ('1', '吉', '很长的说明', 1, '太极', '', '', '', ''),
                              ('2', '凶', '又一段', 0, '两仪', '', '', '', '');
    )sql");
    ReferenceTables tables(file.path());
    const ReferenceTableListing listing = tables.list("");
    EXPECT_EQ(listing.headers, (std::vector<std::string>{"数理序号", "吉否", "备注", "是否常用", "一字描述", "基业",
                                                         "家庭", "健康", "含意"}));
    ASSERT_EQ(listing.rowCount(), 2U);
    EXPECT_EQ(listing.rows[0], (std::vector<std::string>{"1", "吉", "", "", "太极", "", "", "", ""}));
    EXPECT_EQ(listing.rows[1], (std::vector<std::string>{"2", "凶", "", "", "两仪", "", "", "", ""}));
}

TEST(ReferenceTables, ColumnsBeyondTheWidthTableKeepTheDefaultWidth) {
    TempDatabase file;
    file.exec(R"sql(
        DROP TABLE sl;
        CREATE TABLE sl ("数理序号" TEXT, "吉否" TEXT, "一字描述" TEXT, "基业" TEXT, "家庭" TEXT, "健康" TEXT,
                         "含意" TEXT, h TEXT, i TEXT);
        DROP TABLE "3cai";
        CREATE TABLE "3cai" (a TEXT, "属性" TEXT, "解释" TEXT, "吉否" TEXT, e TEXT);
        CREATE TABLE unused (x TEXT);
    )sql");
    ReferenceTables tables(file.path());
    EXPECT_EQ(tables.list("").columnWidths, (Widths{25, 30, 30, 200, 200, 200, 200, 200, std::nullopt, std::nullopt}));
    EXPECT_EQ(tables.list("三才").columnWidths, (Widths{25, 30, 50, 500, 30, std::nullopt}));
}

TEST(ReferenceTables, FewerColumnsGetWidthsForTheColumnsThereAre) {
    TempDatabase file;
    file.exec(
        R"sql(DROP TABLE "3cai"; CREATE TABLE "3cai" ("属性" TEXT(255), "解释" TEXT(255), "吉否" TEXT(255));)sql");
    ReferenceTables tables(file.path());
    EXPECT_EQ(tables.list("三才").columnWidths, (Widths{25, 30, 50, 500}));
}

TEST(ReferenceTables, AnUnopenableDatabaseGivesAnEmptyListing) {
    TempPath missing(".mdb");
    ReferenceTables absent(missing.path());
    EXPECT_FALSE(absent.isOpen());
    EXPECT_TRUE(absent.list("").isEmpty());
    EXPECT_EQ(absent.list("三才"), ReferenceTableListing{});

    TempPath garbage(".mdb");
    testing::writeFile(garbage.path(), "this is not a database at all, just some bytes");
    ReferenceTables damaged(garbage.path());
    EXPECT_TRUE(damaged.list("").isEmpty());
    EXPECT_EQ(damaged.list("").gridRowCount(), 0U);
    EXPECT_EQ(damaged.list("").gridColumnCount(), 0U);
}

TEST(ReferenceTables, AFileWithoutTheTablesIsClosedAndListsNothing) {
    TempDatabase file(TempDatabase::Schema::Empty);
    ReferenceTables tables(file.path());
    EXPECT_FALSE(tables.isOpen());
    EXPECT_EQ(tables.database().failure(), OpenFailure::NotANamingDatabase);
    EXPECT_TRUE(tables.list("").isEmpty());
    EXPECT_TRUE(tables.list("三才").isEmpty());
}

TEST(ReferenceTables, AnotherSelectorGivesAnEmptyListing) {
    TempDatabase file;
    file.exec(R"sql(INSERT INTO sl VALUES ('1', '吉', '太极', '', '', '', '');)sql");
    ReferenceTables tables(file.path());
    for (const char* selector : {"sl", "3cai", "三才 ", " ", "数理"}) {
        EXPECT_TRUE(tables.list(selector).isEmpty()) << selector;
    }
}

struct CellCase {
    const char* what;
    CellValue value;
    ColumnKind kind;
    const char* text;
    friend void PrintTo(const CellCase& c, std::ostream* os) { *os << c.what; }
};

class CellTexts : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellTexts, RenderByColumnKind) {
    EXPECT_EQ(cellText(GetParam().value, GetParam().kind), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CellTexts,
    ::testing::Values(
        CellCase{"text", std::string("福寿"), ColumnKind::ShortText, "福寿"},
        CellCase{"integer_in_a_text_column", std::int64_t{15}, ColumnKind::ShortText, "15"},
        CellCase{"null_text", std::monostate{}, ColumnKind::ShortText, ""},
        CellCase{"integer", std::int64_t{-81}, ColumnKind::Integer, "-81"},
        CellCase{"large_integer", std::int64_t{9007199254740993}, ColumnKind::Integer, "9007199254740993"},
        CellCase{"double", 2.25, ColumnKind::Double, "2.25"}, CellCase{"double_tenth", 0.1, ColumnKind::Double, "0.1"},
        CellCase{"whole_double", 3.0, ColumnKind::Double, "3"},
        CellCase{"huge_double", 1e20, ColumnKind::Double, "1e+20"},
        CellCase{"single_rounds_to_single_precision", static_cast<double>(0.1F), ColumnKind::Single, "0.1"},
        CellCase{"same_value_as_double", static_cast<double>(0.1F), ColumnKind::Double, "0.10000000149011612"},
        CellCase{"single_beyond_its_range", 1e300, ColumnKind::Single, "1e+300"},
        CellCase{"integer_in_a_single_column", std::int64_t{2}, ColumnKind::Single, "2"},
        CellCase{"date", std::string("2011-01-01 08:30:00"), ColumnKind::DateTime, "2011-01-01 08:30:00"},
        CellCase{"memo", std::string("很长的说明"), ColumnKind::Other, ""},
        CellCase{"yes_no", std::int64_t{1}, ColumnKind::Other, ""}, CellCase{"currency", 3.5, ColumnKind::Other, ""}),
    [](const auto& test) { return std::string(test.param.what); });

} // namespace
} // namespace namewright
