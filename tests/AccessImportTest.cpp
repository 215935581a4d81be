// Opening Access files: the licensed sample files of ../shared/fixtures/access (see PROVENANCE.txt there) and
// copies of them that the tests cut short, damage or protect with a password in a temporary folder. The expected
// tables, kinds and values are those mdbtools' own mdb-tables, mdb-schema and mdb-export print for the files.

#include "access/AccessImport.h"
#include "access/AccessConnection.h"
#include "access/AccessHeader.h"
#include "db/NamingDatabase.h"
#include "db/OpenConnection.h"
#include "support/Files.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace namewright {
namespace {

using testing::readFile;
using testing::TempPath;
using testing::writeFile;

const std::filesystem::path kFixtures = NAMEWRIGHT_ACCESS_FIXTURES;

#ifdef NAMEWRIGHT_REQUIRE_ACCESS_FIXTURES
constexpr bool kFixturesRequired = true;
#else
constexpr bool kFixturesRequired = false;
#endif

// Without the sample files the tests skip, or fail where the build requires the files (CI).
#define SKIP_WITHOUT_FIXTURES()                                                                                        \
    if (!std::filesystem::is_directory(kFixtures)) {                                                                   \
        if (kFixturesRequired) {                                                                                       \
            GTEST_FAIL() << "the licensed Access sample files are not in " << kFixtures                                \
                         << " and this build requires them (NAMEWRIGHT_REQUIRE_ACCESS_FIXTURES)";                      \
        }                                                                                                              \
        GTEST_SKIP() << "the licensed Access sample files are not in " << kFixtures                                    \
                     << " (they are kept outside the repository, beside it in shared/fixtures/access)";                \
    }

std::span<const unsigned char> bytesOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

struct SampleTable {
    const char* name;
    std::size_t columns;
    std::size_t rows;
};

struct SampleFile {
    const char* file;
    AccessVersion version;
    std::uint16_t codePage;
    std::vector<SampleTable> tables; ///< user tables in catalogue order, as mdb-tables lists them
};

void PrintTo(const SampleFile& sample, std::ostream* out) {
    *out << sample.file;
}

const std::vector<SampleFile>& sampleFiles() {
    static const std::vector<SampleFile> files{
        {"cjkV1997_cp936.mdb",
         AccessVersion::Jet3,
         936,
         {{"Table1", 9, 2}, {"Table2", 89, 0}, {"Table3", 2, 0}, {"Table4", 2, 0}}},
        {"test2V1997.mdb", AccessVersion::Jet3, 1252, {{"MSP_PROJECTS", 74, 1}}},
        {"test2V2000.mdb", AccessVersion::Jet4, 1252, {{"MSP_PROJECTS", 74, 1}}},
        {"testUnicodeCompV2003.mdb", AccessVersion::Jet4, 1252, {{"Table", 2, 8}}},
    };
    return files;
}

std::string nameOf(const ::testing::TestParamInfo<SampleFile>& info) {
    std::string name = info.param.file;
    name.erase(name.find('.'));
    return name;
}

/// The Access reader's own connection to a file, without the naming database's check of the six tables: the sample
/// files are no naming databases.
struct Imported {
    AccessConnection access;
    bool isOpen() const { return access.connection != nullptr; }
    TableListing listTable(std::string_view table) {
        return access.connection ? namewright::listTable(*access.connection, table) : TableListing{};
    }
};

Imported importFile(const std::filesystem::path& file) {
    return Imported{openAccessConnection(file, {})};
}

/// Every user table of an open database, listed; the names come from the sample's table list.
std::vector<TableListing> listAll(Imported& db, const SampleFile& sample) {
    std::vector<TableListing> listings;
    for (const SampleTable& table : sample.tables) {
        listings.push_back(db.listTable(table.name));
    }
    return listings;
}

bool sameListings(const std::vector<TableListing>& a, const std::vector<TableListing>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TableListing& x, const TableListing& y) {
        return x.columns == y.columns && x.rows == y.rows;
    });
}

/// A reason that says the file's pages are damaged, as opposed to its header, its size or the system.
bool isDamage(AccessFailure failure) {
    switch (failure) {
    case AccessFailure::LibraryRefused:
    case AccessFailure::DamagedObjectTable:
    case AccessFailure::DamagedTableDefinition:
    case AccessFailure::DamagedRow:
    case AccessFailure::MissingRows:
    case AccessFailure::DamagedValue:
        return true;
    default:
        return false;
    }
}

CellValue text(const char* value) {
    return std::string(value);
}
CellValue integer(std::int64_t value) {
    return value;
}
const CellValue kNull = std::monostate{};

// ---- Each sample file -------------------------------------------------------------------------------------------

class AccessSample : public ::testing::TestWithParam<SampleFile> {
protected:
    void SetUp() override { SKIP_WITHOUT_FIXTURES(); }
    std::filesystem::path path() const { return kFixtures / GetParam().file; }
};

TEST_P(AccessSample, HeaderGivesVersionPageSizeAndCodePage) {
    const std::string bytes = readFile(path());
    const auto header = readAccessHeader(bytesOf(bytes));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->version, GetParam().version);
    EXPECT_EQ(header->pageSize, GetParam().version == AccessVersion::Jet3 ? 2048U : 4096U);
    EXPECT_EQ(header->codePage, GetParam().codePage);
    EXPECT_FALSE(header->hasPassword);
}

TEST_P(AccessSample, ImportsEveryUserTableAndNoSystemTable) {
    SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
    ASSERT_EQ(importAccessDatabase(path(), db), AccessFailure::None);
    std::vector<std::string> names;
    SQLite::Statement tables(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid");
    while (tables.executeStep()) {
        names.push_back(tables.getColumn(0).getString());
    }
    std::vector<std::string> expected;
    for (const SampleTable& table : GetParam().tables) {
        expected.push_back(table.name);
        SQLite::Statement count(db, "SELECT count(*) FROM \"" + std::string(table.name) + "\"");
        ASSERT_TRUE(count.executeStep());
        EXPECT_EQ(count.getColumn(0).getInt64(), static_cast<std::int64_t>(table.rows)) << table.name;
    }
    EXPECT_EQ(names, expected);
}

TEST_P(AccessSample, ImportsWithEveryTableListedButIsNoNamingDatabase) {
    Imported imported = importFile(path());
    ASSERT_TRUE(imported.isOpen());
    for (const SampleTable& table : GetParam().tables) {
        const TableListing listing = imported.listTable(table.name);
        EXPECT_EQ(listing.columns.size(), table.columns) << table.name;
        EXPECT_EQ(listing.rows.size(), table.rows) << table.name;
        for (const auto& row : listing.rows) {
            EXPECT_EQ(row.size(), listing.columns.size());
        }
    }
    // The catalogue's own tables are not in these files: as the naming database, the file is refused like a
    // missing one, and the refusal names the first table it lacks.
    const OpenedConnection opened = openConnection(path());
    EXPECT_EQ(opened.failure, OpenFailure::NotANamingDatabase);
    EXPECT_EQ(opened.accessFailure, AccessFailure::None);
    EXPECT_EQ(opened.detail, "the table bazi");
    NamingDatabase db = NamingDatabase::open(path());
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.baziRow("甲子"));
    EXPECT_FALSE(db.wordRow("李"));
    EXPECT_TRUE(db.word1After(0, "女").empty());
    EXPECT_TRUE(db.listTable(GetParam().tables.front().name).columns.empty());
}

TEST_P(AccessSample, APasswordMakesTheFileUnopenable) {
    std::string bytes = readFile(path());
    // The password lies masked at 0x42; without one it unmasks to zeros (Jet 3) or to the creation-date mask
    // (Jet 4). XOR-ing a byte into the masked form sets the first password character to 'a'.
    bytes[0x42] = static_cast<char>(bytes[0x42] ^ 'a');
    const auto header = readAccessHeader(bytesOf(bytes));
    ASSERT_TRUE(header);
    EXPECT_TRUE(header->hasPassword);

    TempPath copy(".mdb");
    writeFile(copy.path(), bytes);
    const OpenedConnection opened = openConnection(copy.path());
    EXPECT_EQ(opened.failure, OpenFailure::AccessRefused);
    EXPECT_EQ(opened.accessFailure, AccessFailure::PasswordProtected);
    EXPECT_FALSE(NamingDatabase::open(copy.path()).isOpen());
}

TEST_P(AccessSample, ACopyCutShortNeverOpensWithPartOfItsData) {
    const std::string bytes = readFile(path());
    const std::size_t pageSize = GetParam().version == AccessVersion::Jet3 ? 2048 : 4096;
    Imported whole = importFile(path());
    const auto complete = listAll(whole, GetParam());

    TempPath copy(".mdb");
    std::size_t opened = 0;
    std::size_t firstOpenedCut = bytes.size();
    for (std::size_t cut = 0; cut < bytes.size(); cut += pageSize) {
        for (const std::size_t length : {cut, cut + 1, cut + pageSize - 1}) {
            writeFile(copy.path(), std::string_view(bytes).substr(0, length));
            Imported db = importFile(copy.path());
            if (length < 20) {
                EXPECT_EQ(openConnection(copy.path()).failure, OpenFailure::UnknownFormat) << "cut at " << length;
            } else if (length < kAccessHeaderBytes) {
                EXPECT_EQ(db.access.failure, AccessFailure::NotAnAccessFile) << "cut at " << length;
            } else if (length % pageSize != 0 || length < 3 * pageSize) {
                EXPECT_EQ(db.access.failure, AccessFailure::NotWholePages) << "cut at " << length;
            } else if (!db.isOpen()) {
                EXPECT_TRUE(isDamage(db.access.failure)) << "cut at " << length << ": " << db.access.failure;
            }
            if (length % pageSize == 0 && db.isOpen()) {
                ++opened;
                firstOpenedCut = std::min(firstOpenedCut, length);
                EXPECT_TRUE(sameListings(listAll(db, GetParam()), complete)) << "cut at " << length;
            }
        }
    }
    // A cut opens only when it loses pages the tables do not use. In test2V2000.mdb the last three pages hold an
    // index page (indexes are not read: the import scans tables) and two table definitions no object refers to.
    if (std::string_view(GetParam().file) == "test2V2000.mdb") {
        EXPECT_EQ(opened, 3U);
        EXPECT_EQ(firstOpenedCut, bytes.size() - 3 * pageSize);
    } else {
        EXPECT_EQ(opened, 0U);
    }
}

TEST_P(AccessSample, RandomlyDamagedCopiesOpenOrFailButNeverCrash) {
    const std::string bytes = readFile(path());
    const std::size_t pageSize = GetParam().version == AccessVersion::Jet3 ? 2048 : 4096;
    const std::size_t pages = bytes.size() / pageSize;
    std::mt19937 random(20240521);
    TempPath copy(".mdb");
    int failed = 0;
    for (int round = 0; round < 60; ++round) {
        std::string damaged = bytes;
        const std::size_t page = 1 + random() % (pages - 1);
        const int kind = round % 3;
        for (std::size_t i = 0; i < pageSize; ++i) {
            char& byte = damaged[page * pageSize + i];
            if (kind == 0 && random() % 64 == 0) {
                byte = static_cast<char>(random()); // scattered bytes
            } else if (kind == 1) {
                byte = 0; // a page of zeros
            } else if (kind == 2 && random() % 512 == 0) {
                byte = static_cast<char>(random() % 2 == 0 ? 0xff : 0x7f); // large counts and offsets
            }
        }
        writeFile(copy.path(), damaged);
        Imported db = importFile(copy.path());
        if (!db.isOpen()) {
            ++failed;
            EXPECT_TRUE(isDamage(db.access.failure)) << "page " << page << ": " << db.access.failure;
        }
        for (const TableListing& listing : listAll(db, GetParam())) {
            for (const auto& row : listing.rows) {
                ASSERT_EQ(row.size(), listing.columns.size());
            }
        }
    }
    EXPECT_GT(failed, 0);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, AccessSample, ::testing::ValuesIn(sampleFiles()), nameOf);

// ---- Values --------------------------------------------------------------------------------------------------

class AccessValues : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_FIXTURES(); }
};

TEST_F(AccessValues, Jet3TableListsEveryKindAsMdbExportPrintsIt) {
    Imported db = importFile(kFixtures / "cjkV1997_cp936.mdb");
    const TableListing listing = db.listTable("Table1");
    // mdb-schema: Text (50), Text (100), Byte, Integer, Long Integer, Double, DateTime, Currency, Boolean.
    const std::vector<ListingColumn> columns{
        {"A", ColumnKind::ShortText}, {"B", ColumnKind::ShortText}, {"C", ColumnKind::Integer},
        {"D", ColumnKind::Integer},   {"E", ColumnKind::Integer},   {"F", ColumnKind::Double},
        {"G", ColumnKind::DateTime},  {"H", ColumnKind::Other},     {"I", ColumnKind::Other}};
    EXPECT_EQ(listing.columns, columns);
    // mdb-export -T '%Y-%m-%d %H:%M:%S': "a","b",0,0,0,0,"1981-12-12 00:00:00",0.0000,0 and
    // "abcdefg","出生日期A",2,222,333333333,444.555,"1974-09-21 00:00:00",3.5000,1.
    const std::vector<std::vector<CellValue>> rows{{text("a"), text("b"), integer(0), integer(0), integer(0), 0.0,
                                                    text("1981-12-12 00:00:00"), text("0.0000"), integer(0)},
                                                   {text("abcdefg"), text("出生日期A"), integer(2), integer(222),
                                                    integer(333333333), 444.555, text("1974-09-21 00:00:00"),
                                                    text("3.5000"), integer(1)}};
    EXPECT_EQ(listing.rows, rows);
}

TEST_F(AccessValues, Jet3GbkTextIsDecodedByTheFilesCodePage) {
    Imported db = importFile(kFixtures / "cjkV1997_cp936.mdb");
    const TableListing listing = db.listTable("Table1");
    ASSERT_EQ(listing.rows.size(), 2U);
    EXPECT_EQ(listing.rows[1][1], text("出生日期A")); // stored as the GBK bytes b3f6 c9fa c8d5 c6da 41
}

TEST_F(AccessValues, Jet4TextsAreDecodedFromUtf16WithAndWithoutCompression) {
    Imported db = importFile(kFixtures / "testUnicodeCompV2003.mdb");
    const TableListing listing = db.listTable("Table");
    EXPECT_EQ(listing.columns,
              (std::vector<ListingColumn>{{"ID", ColumnKind::Integer}, {"Unicode", ColumnKind::ShortText}}));
    std::string everyLatin1Character;
    for (int c = 1; c <= 0xff; ++c) {
        everyLatin1Character +=
            c < 0x80 ? std::string(1, static_cast<char>(c))
                     : std::string{static_cast<char>(0xc0 | c >> 6), static_cast<char>(0x80 | (c & 0x3f))};
    }
    // Row 4 is polytonic Greek (ὶ U+1F76, ό U+1F79, ύ U+1F7B), row 6 holds control characters, row 8 every
    // character from U+0001 to U+00FF.
    const std::vector<std::vector<CellValue>> rows{
        {integer(1), text("only ascii chars")},
        {integer(2), text("ääkkösiä")},
        {integer(3), text("Мир")},
        {integer(4), text("\xCF\xB0\xCE\xB1\xE1\xBD\xB6 \xCF\x84\xE1\xBD\xB9\xCF\x84' \xE1\xBC\x90\xCE\xB3\xE1\xBD\xBC "
                          "\xCE\x9A\xE1\xBD\xBB\xCF\xB0\xCE\xBB\xCF\x89\xCF\x80\xCE\xB1")},
        {integer(5), text("漢字仮名交じり文")},
        {integer(6), text("3L9\x1D"
                          "52\x02_AB(¥\x05!!V")},
        {integer(7), text("ümlaut")},
        {integer(8), everyLatin1Character}};
    EXPECT_EQ(listing.rows, rows);
}

TEST_F(AccessValues, CharactersOutsideTheBasicMultilingualPlaneAreRead) {
    std::string bytes = readFile(kFixtures / "testUnicodeCompV2003.mdb");
    // Replace the UTF-16 of "漢字" in row 5 by the surrogate pair of U+20BB7 𠮷; a lone high surrogate reads "?".
    const std::string kanji("\x22\x6f\x57\x5b", 4);
    const std::size_t at = bytes.find(kanji);
    ASSERT_NE(at, std::string::npos);
    TempPath copy(".mdb");
    for (const auto& [utf16, expected] : {std::pair{std::string("\x42\xd8\xb7\xdf", 4), "𠮷仮名交じり文"},
                                          std::pair{std::string("\x42\xd8\x41\x00", 4), "?A仮名交じり文"}}) {
        std::string patched = bytes;
        patched.replace(at, utf16.size(), utf16);
        writeFile(copy.path(), patched);
        Imported db = importFile(copy.path());
        const TableListing listing = db.listTable("Table");
        ASSERT_EQ(listing.rows.size(), 8U);
        EXPECT_EQ(listing.rows[4][1], text(expected));
    }
}

class AccessProjectRow : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { SKIP_WITHOUT_FIXTURES(); }
};

TEST_P(AccessProjectRow, EveryKindOfColumnReadsAsMdbExportPrintsIt) {
    Imported db = importFile(kFixtures / GetParam());
    const TableListing listing = db.listTable("MSP_PROJECTS");
    ASSERT_EQ(listing.rows.size(), 1U);
    const auto column = [&](const char* name) {
        const auto found = std::find_if(listing.columns.begin(), listing.columns.end(),
                                        [&](const ListingColumn& c) { return c.name == name; });
        EXPECT_NE(found, listing.columns.end()) << name;
        const auto index = static_cast<std::size_t>(found - listing.columns.begin());
        return std::pair{found->kind, listing.rows[0].at(index)};
    };
    const std::string author =
        "Jon Iles this is a a vawesrasoih aksdkl fas dlkjflkasjd flkjaslkdjflkajlksj dfl lkasjdf lkjaskldfj lkas dlk "
        "lkjsjdfkl; aslkdf lkasjkldjf lka skldf lka sdkjfl;kasjd falksjdfljaslkdjf laskjdfk jalskjd flkj "
        "aslkdjflkjkjasljdflkjas jf;lkasjd fjkas dasdf asd fasdf asdf asdmhf lksaiyudfoi jasodfj902384jsdf9 aw90se "
        "fisajldkfj lkasj dlkfslkd jflksjadf as";
    EXPECT_EQ(column("PROJ_ID"), std::pair(ColumnKind::Integer, integer(1)));                  // Long Integer
    EXPECT_EQ(column("PROJ_NAME"), std::pair(ColumnKind::ShortText, text("Project1")));        // Text (255)
    EXPECT_EQ(column("PROJ_PROP_AUTHOR"), std::pair(ColumnKind::Other, CellValue(author)));    // Memo, 348 characters
    EXPECT_EQ(column("PROJ_PROP_COMPANY"), std::pair(ColumnKind::Other, text("T")));           // Memo
    EXPECT_EQ(column("PROJ_PROP_CATEGORY"), std::pair(ColumnKind::Other, kNull));              // Memo, NULL
    EXPECT_EQ(column("PROJ_OPT_CALC_ACT_COSTS"), std::pair(ColumnKind::Other, integer(1)));    // Boolean
    EXPECT_EQ(column("PROJ_IS_RES_POOL"), std::pair(ColumnKind::Other, integer(0)));           // Boolean
    EXPECT_EQ(column("PROJ_OPT_CURRENCY_DIGITS"), std::pair(ColumnKind::Integer, integer(2))); // Integer
    EXPECT_EQ(column("PROJ_OPT_CURRENCY_SYMBOL"), std::pair(ColumnKind::ShortText, text("£")));
    EXPECT_EQ(column("PROJ_OPT_MINUTES_PER_WEEK"), std::pair(ColumnKind::Integer, integer(2400)));
    EXPECT_EQ(column("PROJ_OPT_DEF_OVT_RATE"), std::pair(ColumnKind::Double, CellValue(0.0)));
    EXPECT_EQ(column("PROJ_OPT_DEF_FINISH_TIME"), std::pair(ColumnKind::DateTime, text("2006-02-03 17:00:00")));
    EXPECT_EQ(column("PROJ_CREATION_DATE_EX"), std::pair(ColumnKind::DateTime, text("2006-02-03 22:11:05")));
    EXPECT_EQ(column("PROJ_INFO_STATUS_DATE"), std::pair(ColumnKind::DateTime, kNull));
    EXPECT_EQ(column("PROJ_DATA_SOURCE"), std::pair(ColumnKind::ShortText, text("Z:\\temp\\Project1.mpd")));
    EXPECT_EQ(column("PROJ_MACHINE_ID"), std::pair(ColumnKind::ShortText, kNull));
    EXPECT_EQ(column("RESERVED_BINARY_DATA"), std::pair(ColumnKind::Other, kNull)); // OLE: not read
}

INSTANTIATE_TEST_SUITE_P(Jet3AndJet4, AccessProjectRow, ::testing::Values("test2V1997.mdb", "test2V2000.mdb"),
                         [](const auto& file) { return std::string(file.param).substr(0, 10); });

// ---- Damage that once made libmdb hang -------------------------------------------------------------------------

TEST_F(AccessValues, DamagedStructuresFailQuietly) {
    const std::string bytes = readFile(kFixtures / "cjkV1997_cp936.mdb");
    constexpr std::size_t kPage = 2048;
    TempPath copy(".mdb");
    // Page 2 holds the object table, page 29 the definition of Table1, page 46 property blobs of the object table
    // (a page of zeros there made libmdb's own catalogue reader loop forever).
    for (const auto& [page, reason] :
         {std::pair{2U, AccessFailure::DamagedObjectTable}, std::pair{29U, AccessFailure::DamagedTableDefinition},
          std::pair{46U, AccessFailure::DamagedValue}}) {
        std::string damaged = bytes;
        std::fill_n(damaged.begin() + static_cast<std::ptrdiff_t>(page * kPage), kPage, '\0');
        writeFile(copy.path(), damaged);
        EXPECT_EQ(openConnection(copy.path()).accessFailure, reason) << "page " << page << " zeroed";
        EXPECT_FALSE(NamingDatabase::open(copy.path()).isOpen()) << "page " << page << " zeroed";
    }
}

// ---- Several connections ---------------------------------------------------------------------------------------

TEST_F(AccessValues, EveryConnectionGetsItsOwnCopyOfOneImport) {
    TempPath copy(".mdb");
    const std::string bytes = readFile(kFixtures / "cjkV1997_cp936.mdb");
    writeFile(copy.path(), bytes);
    Imported first = importFile(copy.path());
    Imported second = importFile(copy.path());
    ASSERT_TRUE(first.isOpen());
    ASSERT_TRUE(second.isOpen());
    const TableListing listing = first.listTable("Table1");
    first = Imported{};
    EXPECT_EQ(second.listTable("Table1").rows, listing.rows) << "closing one connection leaves the other";

    // A file that changed is imported again: cut short, it no longer opens.
    writeFile(copy.path(), std::string_view(bytes).substr(0, bytes.size() / 2));
    EXPECT_FALSE(importFile(copy.path()).isOpen());
    writeFile(copy.path(), bytes);
    EXPECT_TRUE(importFile(copy.path()).isOpen());
}

TEST_F(AccessValues, IndexStatementsRunOnTheImportAndOnesThatFailAreSkipped) {
    const std::array<const char*, 3> statements{"CREATE INDEX by_b ON Table1 (B)", "CREATE INDEX x ON word (zi)",
                                                "CREATE INDEX by_a ON Table3 (a)"};
    const auto connection = openAccessConnection(kFixtures / "cjkV1997_cp936.mdb", statements).connection;
    ASSERT_TRUE(connection);
    std::vector<std::string> indexes;
    SQLite::Statement names(*connection, "SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name");
    while (names.executeStep()) {
        indexes.push_back(names.getColumn(0).getString());
    }
    EXPECT_EQ(indexes, (std::vector<std::string>{"by_a", "by_b"}));
    SQLite::Statement plan(*connection, "EXPLAIN QUERY PLAN SELECT * FROM Table1 WHERE B = '出生日期A'");
    ASSERT_TRUE(plan.executeStep());
    EXPECT_NE(plan.getColumn(3).getString().find("by_b"), std::string::npos);
    EXPECT_THROW(connection->exec("DELETE FROM Table1"), SQLite::Exception) << "connections are read-only";
}

TEST_F(AccessValues, ThreadsOpeningAtOnceAllGetTheSameTables) {
    const std::vector<std::filesystem::path> files{kFixtures / "cjkV1997_cp936.mdb", kFixtures / "test2V2000.mdb"};
    std::vector<TableListing> seen(8);
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < seen.size(); ++i) {
            threads.emplace_back([&, i] {
                Imported db = importFile(files[i % files.size()]);
                seen[i] = db.listTable(i % files.size() == 0 ? "Table1" : "MSP_PROJECTS");
            });
        }
    }
    for (std::size_t i = 2; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].rows, seen[i % 2].rows);
        EXPECT_FALSE(seen[i].rows.empty());
    }
}

} // namespace
} // namespace namewright
