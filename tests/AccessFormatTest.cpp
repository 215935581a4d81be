// Pieces of the Access import that need no Access file: long-value chains on hand-made pages, date and currency
// texts, and the declared types the import gives each Access column kind.

#include "access/AccessKind.h"
#include "access/AccessLongValue.h"
#include "access/AccessValues.h"
#include "db/ColumnKind.h"

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace namewright {
namespace {

// ---- Long values -------------------------------------------------------------------------------------------------

constexpr DataPageLayout kJet4Layout{4096, 0x0c};

/// A file of hand-made data pages: each page's rows are placed from the end of the page, as Jet places them.
class PageFile {
public:
    /// Adds a data page holding `rows` and returns its page number (page 0 is the header and is never added).
    std::uint32_t addPage(const std::vector<std::string>& rows) {
        std::vector<unsigned char> page(kJet4Layout.pageSize, 0);
        page[0] = 0x01;
        put16(page, kJet4Layout.rowCountOffset, rows.size());
        std::size_t end = page.size();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::size_t start = end - rows[i].size();
            std::copy(rows[i].begin(), rows[i].end(), page.begin() + static_cast<std::ptrdiff_t>(start));
            put16(page, kJet4Layout.rowCountOffset + 2 + 2 * i, start);
            end = start;
        }
        m_pages[m_next] = std::move(page);
        return m_next++;
    }

    std::vector<unsigned char>& page(std::uint32_t number) { return m_pages.at(number); }

    PageSource source() {
        return [this](std::uint32_t number) -> std::span<const unsigned char> {
            ++m_reads;
            const auto found = m_pages.find(number);
            return found == m_pages.end() ? std::span<const unsigned char>() : std::span(found->second);
        };
    }

    int reads() const { return m_reads; }

private:
    static void put16(std::vector<unsigned char>& page, std::size_t at, std::size_t value) {
        page[at] = static_cast<unsigned char>(value);
        page[at + 1] = static_cast<unsigned char>(value >> 8);
    }

    std::map<std::uint32_t, std::vector<unsigned char>> m_pages;
    std::uint32_t m_next = 1;
    int m_reads = 0;
};

std::string le32(std::uint32_t value) {
    return {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
            static_cast<char>(value >> 24)};
}

/// A 12-byte long-value reference: length with flags, page and row of the data, 4 unused bytes.
std::string reference(std::uint32_t flags, std::uint32_t length, std::uint32_t page, std::uint32_t row) {
    return le32(flags | length) + le32(page << 8 | row) + le32(0);
}

std::span<const unsigned char> bytesOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

TEST(AccessLongValue, ReadsDataHeldInTheReferenceItself) {
    PageFile file;
    const std::string field = reference(0x80000000, 5, 0, 0) + "hello";
    EXPECT_EQ(readLongValue(bytesOf(field), kJet4Layout, file.source()), "hello");
    EXPECT_EQ(file.reads(), 0);
    const std::string claimsMore = reference(0x80000000, 6, 0, 0) + "hello";
    EXPECT_FALSE(readLongValue(bytesOf(claimsMore), kJet4Layout, file.source()));
}

TEST(AccessLongValue, ReadsDataHeldInOneRowOfAnotherPage) {
    PageFile file;
    const std::uint32_t page = file.addPage({"first row", "the memo text", "third"});
    EXPECT_EQ(readLongValue(bytesOf(reference(0x40000000, 13, page, 1)), kJet4Layout, file.source()), "the memo text");
    EXPECT_EQ(readLongValue(bytesOf(reference(0x40000000, 3, page, 1)), kJet4Layout, file.source()), "the");
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 14, page, 1)), kJet4Layout, file.source()))
        << "a row shorter than the length";
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 1, page, 3)), kJet4Layout, file.source()))
        << "no row 3 on the page";
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 1, page + 1, 0)), kJet4Layout, file.source()))
        << "a page outside the file";
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 1, 0, 0)), kJet4Layout, file.source()))
        << "the header page";
}

TEST(AccessLongValue, FollowsAChainOfRowsAcrossPages) {
    PageFile file;
    const std::uint32_t second = file.addPage({"unrelated", le32(0) + "chain."});
    const std::uint32_t first = file.addPage({le32(second << 8 | 1) + "a long "});
    const std::string text = "a long chain.";
    EXPECT_EQ(readLongValue(bytesOf(reference(0, 13, first, 0)), kJet4Layout, file.source()), text);
    // A length shorter than the chain stops early; a longer one finds the chain ending too soon.
    EXPECT_EQ(readLongValue(bytesOf(reference(0, 4, first, 0)), kJet4Layout, file.source()), "a lo");
    EXPECT_FALSE(readLongValue(bytesOf(reference(0, 14, first, 0)), kJet4Layout, file.source()));
}

TEST(AccessLongValue, AChainThatComesBackToARowItPassedEnds) {
    PageFile file;
    // Page 1 row 0 points to page 2 row 0, which points back to page 1 row 0; neither adds a byte of data, which
    // would keep a reader that only counts bytes going forever.
    const std::uint32_t one = file.addPage({le32((2U << 8) | 0)});
    file.addPage({le32((one << 8) | 0)});
    EXPECT_FALSE(readLongValue(bytesOf(reference(0, 100, one, 0)), kJet4Layout, file.source()));
    EXPECT_LE(file.reads(), 3);
}

TEST(AccessLongValue, RejectsPagesThatAreNotDataPagesAndRowsOutsideTheirPage) {
    PageFile file;
    const std::uint32_t page = file.addPage({"row zero", "row one"});
    file.page(page)[0] = 0x02; // a table definition page
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 3, page, 0)), kJet4Layout, file.source()));

    const std::uint32_t damaged = file.addPage({"row zero", "row one"});
    file.page(damaged)[kJet4Layout.rowCountOffset + 4] = 0xff; // row 1 starting beyond the end of row 0...
    file.page(damaged)[kJet4Layout.rowCountOffset + 5] = 0x1f; // ...and of the page
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 3, damaged, 1)), kJet4Layout, file.source()));
    const std::uint32_t tooManyRows = file.addPage({"row"});
    file.page(tooManyRows)[kJet4Layout.rowCountOffset + 1] = 0x0f; // 3841 row offsets cannot fit on the page
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x40000000, 3, tooManyRows, 0)), kJet4Layout, file.source()));
}

TEST(AccessLongValue, AFieldShorterThanAReferenceIsEmptyAndUnknownFlagsAreDamage) {
    PageFile file;
    EXPECT_EQ(readLongValue({}, kJet4Layout, file.source()), "");
    EXPECT_EQ(readLongValue(bytesOf("short"), kJet4Layout, file.source()), "");
    EXPECT_FALSE(readLongValue(bytesOf(reference(0x20000000, 1, 1, 0)), kJet4Layout, file.source()));
}

// ---- Dates and currency ------------------------------------------------------------------------------------------

struct DateCase {
    double days;
    const char* text;
};

void PrintTo(const DateCase& c, std::ostream* out) {
    *out << "day count " << c.days;
}

class AccessDateText : public ::testing::TestWithParam<DateCase> {};

TEST_P(AccessDateText, WritesTheDateAndTimeOfADayCount) {
    EXPECT_EQ(accessDateText(GetParam().days), std::optional<std::string>(GetParam().text));
}

// Day counts as Access stores them; 38751.33333 is a value of the test2 sample files (mdb-export: 2006-02-03 08:00).
INSTANTIATE_TEST_SUITE_P(
    Cases, AccessDateText,
    ::testing::Values(DateCase{0.0, "1899-12-30 00:00:00"}, DateCase{1.0, "1899-12-31 00:00:00"},
                      DateCase{2.0, "1900-01-01 00:00:00"}, DateCase{61.0, "1900-03-01 00:00:00"},
                      DateCase{-1.25, "1899-12-29 06:00:00"}, DateCase{-0.5, "1899-12-30 12:00:00"},
                      DateCase{36526.5, "2000-01-01 12:00:00"}, DateCase{36585.0, "2000-02-29 00:00:00"},
                      DateCase{38751.333333333336, "2006-02-03 08:00:00"},
                      DateCase{1.0 - 0.6 / 86400.0, "1899-12-30 23:59:59"},
                      DateCase{1.0 - 0.4 / 86400.0, "1899-12-31 00:00:00"}, // rounds into the next day
                      DateCase{-657434.0, "0100-01-01 00:00:00"},
                      DateCase{2958465.0 + 86399.0 / 86400.0, "9999-12-31 23:59:59"}));

TEST(AccessDateTextRange, ValuesOutsideTheAccessRangeHaveNoText) {
    EXPECT_FALSE(accessDateText(-657435.0));
    EXPECT_FALSE(accessDateText(2958466.0));
    EXPECT_FALSE(accessDateText(2958465.0 + 86399.9 / 86400.0)) << "rounds to 10000-01-01";
    EXPECT_FALSE(accessDateText(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(accessDateText(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(accessDateText(1e300));
}

TEST(AccessDateTextRange, ConsecutiveDayCountsAreConsecutiveCalendarDays) {
    // Every day of years 1800 to 2200: each text is a valid date one day after the previous one.
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    const auto daysInMonth = [](int y, unsigned m) {
        constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
        return m == 2 && leap ? 29U : kDays[m - 1];
    };
    for (int count = -36522; count <= 109575; ++count) {
        const auto text = accessDateText(count);
        ASSERT_TRUE(text) << count;
        int y = 0;
        unsigned m = 0;
        unsigned d = 0;
        ASSERT_EQ(std::sscanf(text->c_str(), "%d-%u-%u 00:00:00", &y, &m, &d), 3) << *text;
        if (count > -36522) {
            const bool nextDay = y == year && m == month && d == day + 1;
            const bool nextMonth = y == year && m == month + 1 && d == 1 && day == daysInMonth(year, month);
            const bool nextYear = y == year + 1 && m == 1 && d == 1 && month == 12 && day == 31;
            ASSERT_TRUE(nextDay || nextMonth || nextYear) << *text << " after day count " << count - 1;
        }
        year = y;
        month = m;
        day = d;
    }
    EXPECT_EQ(*accessDateText(-36522), "1800-01-01 00:00:00");
    EXPECT_EQ(year, 2200);
}

TEST(CurrencyText, WritesTenThousandthsExactlyWithFourDecimals) {
    EXPECT_EQ(currencyText(0), "0.0000");
    EXPECT_EQ(currencyText(35000), "3.5000");
    EXPECT_EQ(currencyText(-1), "-0.0001");
    EXPECT_EQ(currencyText(-123400), "-12.3400");
    EXPECT_EQ(currencyText(std::numeric_limits<std::int64_t>::max()), "922337203685477.5807");
    EXPECT_EQ(currencyText(std::numeric_limits<std::int64_t>::min()), "-922337203685477.5808");
}

// ---- Declared types ----------------------------------------------------------------------------------------------

struct KindCase {
    AccessKind access;
    ColumnKind listed;
    const char* value;    ///< an SQL literal the import could store in such a column
    const char* storedAs; ///< typeof() the value must keep
};

void PrintTo(const KindCase& c, std::ostream* out) {
    *out << declaredTypeOf(c.access) << " storing " << c.value;
}

class AccessDeclaredType : public ::testing::TestWithParam<KindCase> {};

TEST_P(AccessDeclaredType, GivesTheListingKindAndKeepsTheStoredValue) {
    const KindCase& c = GetParam();
    std::string declared(declaredTypeOf(c.access));
    if (c.access == AccessKind::Text) {
        declared += "(50)";
    }
    EXPECT_EQ(columnKindFromDeclaredType(declared), c.listed) << declared;

    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    db.exec("CREATE TABLE t (v " + declared + ")");
    db.exec(std::string("INSERT INTO t VALUES (") + c.value + ")");
    SQLite::Statement read(db, std::string("SELECT typeof(v), v IS ") + c.value + " FROM t");
    ASSERT_TRUE(read.executeStep());
    EXPECT_EQ(read.getColumn(0).getString(), c.storedAs) << declared << " affinity changed " << c.value;
    EXPECT_EQ(read.getColumn(1).getInt(), 1) << declared << " changed " << c.value;
}

// Texts that look like numbers are the values an unlucky affinity would turn into numbers.
INSTANTIATE_TEST_SUITE_P(
    EveryKind, AccessDeclaredType,
    ::testing::Values(KindCase{AccessKind::Text, ColumnKind::ShortText, "'007'", "text"},
                      KindCase{AccessKind::Memo, ColumnKind::Other, "'007'", "text"},
                      KindCase{AccessKind::Byte, ColumnKind::Integer, "255", "integer"},
                      KindCase{AccessKind::Integer, ColumnKind::Integer, "-32768", "integer"},
                      KindCase{AccessKind::LongInteger, ColumnKind::Integer, "2147483647", "integer"},
                      KindCase{AccessKind::Single, ColumnKind::Single, "0.0", "real"},
                      KindCase{AccessKind::Double, ColumnKind::Double, "3.0", "real"},
                      KindCase{AccessKind::DateTime, ColumnKind::DateTime, "'2006-02-03 08:00:00'", "text"},
                      KindCase{AccessKind::YesNo, ColumnKind::Other, "1", "integer"},
                      KindCase{AccessKind::Currency, ColumnKind::Other, "'3.5000'", "text"},
                      KindCase{AccessKind::Decimal, ColumnKind::Other, "'12345678901234567890.12'", "text"},
                      KindCase{AccessKind::ReplicationId, ColumnKind::Other, "'{0E6A3B5C-0000-4000-8000-00AA00BB00CC}'",
                               "text"},
                      KindCase{AccessKind::Binary, ColumnKind::Other, "x'00ff'", "blob"},
                      KindCase{AccessKind::OleObject, ColumnKind::Other, "NULL", "null"},
                      KindCase{AccessKind::Complex, ColumnKind::Other, "NULL", "null"},
                      KindCase{AccessKind::Unknown, ColumnKind::Other, "NULL", "null"}));

} // namespace
} // namespace namewright
