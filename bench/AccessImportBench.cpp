// Cost of opening an Access hun.mdb: the import of a whole file into SQLite, and the copy of that import every
// further connection starts from. Reads the licensed sample files of ../shared/fixtures/access.
//
// The samples hold a handful of rows, so a larger table is made from testUnicodeCompV2003.mdb: its table "Table"
// keeps its 8 rows on data page 55, listed by the inline usage map in row 0 of page 54 (bitmap of pages 0..511).
// Copies of page 55 appended to the file and marked in the map give that table 8 more rows each.

#include "access/AccessConnection.h"
#include "access/AccessImport.h"

#include <benchmark/benchmark.h>

#include "support/Files.h"
#include "support/TempDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <string>

namespace namewright {
namespace {

const std::filesystem::path kSample = std::filesystem::path(NAMEWRIGHT_ACCESS_FIXTURES) / "testUnicodeCompV2003.mdb";
constexpr std::size_t kPage = 4096;

unsigned le16(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1]))
                                                       << 8;
}

/// The sample with `copies` more data pages for table "Table"; empty when the sample is not laid out as expected.
std::string grownSample(int copies) {
    std::string bytes = testing::readFile(kSample);
    constexpr std::size_t kDataPage = 55;
    constexpr std::size_t kMapPage = 54;
    constexpr std::size_t kRowCountOffset = 0x0c;
    const std::size_t pages = bytes.size() / kPage;
    if (bytes.size() != 72 * kPage || bytes[kDataPage * kPage] != 0x01 || le16(bytes, kDataPage * kPage + 4) != 53 ||
        pages + static_cast<std::size_t>(copies) > 512) {
        return {};
    }
    const std::string data = bytes.substr(kDataPage * kPage, kPage);
    const std::size_t map = kMapPage * kPage + (le16(bytes, kMapPage * kPage + kRowCountOffset + 2) & 0x1fff);
    if (bytes[map] != 0) { // an inline map
        return {};
    }
    for (int i = 0; i < copies; ++i) {
        const std::size_t page = pages + static_cast<std::size_t>(i);
        bytes += data;
        bytes[map + 5 + page / 8] = static_cast<char>(bytes[map + 5 + page / 8] | 1 << (page % 8));
    }
    return bytes;
}

/// The bytes in a temporary file, removed at the end of the benchmark.
struct TempFile {
    explicit TempFile(const std::string& bytes) { testing::writeFile(file.path(), bytes); }
    const std::filesystem::path& path() const { return file.path(); }
    testing::TempPath file{".mdb"};
};

/// Import of the whole file, without the cache: what the first connection to a file costs.
void BM_ImportAccessFile(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    const std::string bytes = grownSample(copies);
    if (bytes.empty()) {
        state.SkipWithError("the Access sample file is missing or not laid out as expected");
        return;
    }
    const TempFile file(bytes);
    for (auto _ : state) {
        SQLite::Database db(":memory:", SQLite::OPEN_READWRITE);
        if (importAccessDatabase(file.path(), db) != AccessFailure::None) {
            state.SkipWithError("the import failed");
            return;
        }
    }
    state.counters["rows"] = 8.0 * (copies + 1);
    state.counters["file_kib"] = static_cast<double>(bytes.size()) / 1024.0;
    state.SetItemsProcessed(state.iterations() * 8 * (copies + 1));
}
BENCHMARK(BM_ImportAccessFile)->Arg(0)->Arg(100)->Arg(430)->Unit(benchmark::kMillisecond);

/// A further connection to a file already imported: a copy of the import, deserialised.
void BM_OpenImportedAgain(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    const std::string bytes = grownSample(copies);
    if (bytes.empty()) {
        state.SkipWithError("the Access sample file is missing or not laid out as expected");
        return;
    }
    const TempFile file(bytes);
    // The reader's own connection: the sample is no naming database, which NamingDatabase::open would refuse.
    if (!openAccessConnection(file.path(), {}).connection) {
        state.SkipWithError("the import failed");
        return;
    }
    for (auto _ : state) {
        AccessConnection db = openAccessConnection(file.path(), {});
        benchmark::DoNotOptimize(db.connection);
    }
    state.counters["rows"] = 8.0 * (copies + 1);
}
BENCHMARK(BM_OpenImportedAgain)->Arg(0)->Arg(430)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace namewright
