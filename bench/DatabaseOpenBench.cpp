// Opening the shipped hun.mdb: what a connection costs, and what of that is the integrity check that refuses a
// damaged file (beside it the quick check it replaced, which compares no index with its table). Start-up opens two
// connections (the worker's and the interface thread's); only the first runs the check.

#include "db/NamingDatabase.h"
#include "support/TempDatabase.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace namewright {
namespace {

const std::filesystem::path kShipped = NAMEWRIGHT_SHIPPED_DATABASE;

/// A copy of the shipped file under a new name: a file the process has not checked yet.
class FreshCopy {
public:
    FreshCopy() { std::filesystem::copy_file(kShipped, m_path.path()); }
    const std::filesystem::path& path() const { return m_path.path(); }

private:
    testing::TempPath m_path{".mdb"};
};

/// NamingDatabase::open of a file already checked: format sniffing, read-only open, locking mode, schema read and the
/// check that the six tables and their columns are there.
void BM_OpenShippedDatabase(benchmark::State& state) {
    if (!NamingDatabase::open(kShipped).isOpen()) {
        state.SkipWithError("the shipped hun.mdb is missing or does not open");
        return;
    }
    for (auto _ : state) {
        NamingDatabase db = NamingDatabase::open(kShipped);
        benchmark::DoNotOptimize(db.isOpen());
    }
    state.counters["file_kib"] = static_cast<double>(std::filesystem::file_size(kShipped)) / 1024.0;
}
BENCHMARK(BM_OpenShippedDatabase)->Unit(benchmark::kMillisecond);

/// The same open without the check: the read-only connection, its two settings and a read of the schema.
void BM_OpenShippedDatabaseUnchecked(benchmark::State& state) {
    for (auto _ : state) {
        SQLite::Database db(kShipped.string(), SQLite::OPEN_READONLY);
        db.exec("PRAGMA query_only = 1");
        db.exec("PRAGMA locking_mode = EXCLUSIVE");
        SQLite::Statement schema(db, "SELECT count(*) FROM sqlite_master");
        benchmark::DoNotOptimize(schema.executeStep());
    }
}
BENCHMARK(BM_OpenShippedDatabaseUnchecked)->Unit(benchmark::kMillisecond);

/// A check alone, on a fresh connection each time (its page cache cold, as at start-up).
void runCheck(benchmark::State& state, const char* pragma) {
    for (auto _ : state) {
        state.PauseTiming();
        SQLite::Database db(kShipped.string(), SQLite::OPEN_READONLY);
        state.ResumeTiming();
        SQLite::Statement check(db, pragma);
        const bool ok = check.executeStep() && check.getColumn(0).getString() == "ok";
        if (!ok) {
            state.SkipWithError("the shipped hun.mdb fails the check");
            return;
        }
    }
}

/// What the program runs: every page read, every index compared with its table.
void BM_IntegrityCheckShipped(benchmark::State& state) {
    runCheck(state, "PRAGMA integrity_check(1)");
}
BENCHMARK(BM_IntegrityCheckShipped)->Unit(benchmark::kMillisecond);

/// What it ran before, for comparison: every page read, no index compared.
void BM_QuickCheckShipped(benchmark::State& state) {
    runCheck(state, "PRAGMA quick_check(1)");
}
BENCHMARK(BM_QuickCheckShipped)->Unit(benchmark::kMillisecond);

/// The first opening of a file: the integrity check and the check of the tables included.
void BM_OpenShippedDatabaseFirstTime(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const FreshCopy copy;
        state.ResumeTiming();
        NamingDatabase db = NamingDatabase::open(copy.path());
        benchmark::DoNotOptimize(db.isOpen());
        state.PauseTiming();
        db = NamingDatabase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenShippedDatabaseFirstTime)->Unit(benchmark::kMillisecond);

/// What start-up pays: the two connections the application context opens, to a file not yet checked.
void BM_StartUpConnections(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const FreshCopy copy;
        state.ResumeTiming();
        NamingDatabase worker = NamingDatabase::open(copy.path());
        NamingDatabase interface = NamingDatabase::open(copy.path());
        benchmark::DoNotOptimize(worker.isOpen() && interface.isOpen());
        state.PauseTiming();
        worker = NamingDatabase();
        interface = NamingDatabase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpConnections)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace namewright
