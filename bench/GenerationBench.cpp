// Generation throughput: candidates scored per second by the sequential and random loops, and rows listed per
// second by the result store while a reader thread follows it.

#include "naming/GenerationModes.h"
#include "naming/NameScoring.h"

#include "support/ShapedTables.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>

namespace namewright {
namespace {

std::vector<CandidateRow> candidateRows(std::size_t count) {
    const char* elements[] = {"木", "火", "土", "金", "水"};
    std::vector<CandidateRow> rows;
    rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        rows.push_back(CandidateRow{static_cast<int>(i + 2), "字" + std::to_string(i % 3000),
                                    static_cast<int>(2 + i * 7 % 23), elements[i % 5], "男"});
    }
    return rows;
}

/// The surroundings of one worker without a database: the loops get their rows directly.
struct Bench {
    explicit Bench(const char* threshold) {
        GenerationInputs in;
        in.ownThreshold = true;
        in.thresholdText = threshold;
        inputs.publish(in);
        series = state.beginSeries();
        store.clear(series);
    }
    GenerationContext context() { return GenerationContext{database, luck, inputs, state, store, random, {}, series}; }

    NamingDatabase database;
    LuckTables luck = testing::shapedLuckTables();
    InputsChannel inputs;
    RunState state;
    ResultStore store;
    RandomSource random{1};
    std::uint32_t series = 0;
};

const WordRow kFamily{"李", 7, "火"};

// Arguments: threshold ("100" lists almost nothing, so the figure is the scoring loop; "80" lists the usual share)
// and table size (2,500 rows like the shipped word1; 1,000,000 rows to show the loop on a table far beyond the cache).
void BM_SequentialFixedMode(benchmark::State& state) {
    const auto rows = candidateRows(static_cast<std::size_t>(state.range(1)));
    Bench bench(state.range(0) == 0 ? "100" : "80");
    for (auto _ : state) {
        bench.store.clear(bench.series);
        auto context = bench.context();
        generateFixedCharacterNames(context, kFamily, WordRow{"安", 6, "土"}, true, rows);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
    state.counters["listed_share"] = static_cast<double>(bench.store.rowCount()) / static_cast<double>(rows.size());
}
BENCHMARK(BM_SequentialFixedMode)->ArgsProduct({{0, 1}, {2500, 1'000'000}})->Unit(benchmark::kMicrosecond);

void BM_SequentialSingleMode(benchmark::State& state) {
    const auto rows = candidateRows(static_cast<std::size_t>(state.range(1)));
    Bench bench(state.range(0) == 0 ? "100" : "80");
    for (auto _ : state) {
        bench.store.clear(bench.series);
        auto context = bench.context();
        generateSingleCharacterNames(context, kFamily, rows);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(BM_SequentialSingleMode)->ArgsProduct({{0, 1}, {2500, 1'000'000}})->Unit(benchmark::kMicrosecond);

void BM_RandomMode(benchmark::State& state) {
    const auto firsts = candidateRows(2500);
    const auto seconds = candidateRows(2400);
    Bench bench(state.range(0) == 0 ? "100" : "80");
    constexpr std::uint64_t kDraws = 2'000'000;
    for (auto _ : state) {
        bench.store.clear(bench.series);
        auto context = bench.context();
        generateRandomNames(context, kFamily, firsts, seconds, kDraws);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kDraws));
    state.counters["listed_share"] = static_cast<double>(bench.store.rowCount()) / kDraws;
}
BENCHMARK(BM_RandomMode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The shipped tables: boys' first and second characters and the shipped luck of numbers and keys, family 李.
void BM_RandomModeShippedTables(benchmark::State& state) {
    NamingDatabase shipped = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto firsts = shipped.word1OfGender("男");
    const auto seconds = shipped.word2OfGender("男");
    if (firsts.empty()) {
        state.SkipWithError("the shipped database has no word1 rows");
        return;
    }
    Bench bench("80");
    bench.luck = LuckTables::load(shipped);
    const WordRow family = shipped.wordRow("李").value_or(WordRow{});
    const std::uint64_t draws = firsts.size() * firsts.size();
    for (auto _ : state) {
        bench.store.clear(bench.series);
        auto context = bench.context();
        generateRandomNames(context, family, firsts, seconds, draws);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(draws));
    state.counters["listed_share"] = static_cast<double>(bench.store.rowCount()) / static_cast<double>(draws);
}
BENCHMARK(BM_RandomModeShippedTables)->Unit(benchmark::kMillisecond);

void BM_SingleModeShippedTables(benchmark::State& state) {
    NamingDatabase shipped = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
    const auto rows = shipped.word1After(1, "女");
    Bench bench("80");
    bench.luck = LuckTables::load(shipped);
    const WordRow family = shipped.wordRow("李").value_or(WordRow{});
    for (auto _ : state) {
        bench.store.clear(bench.series);
        auto context = bench.context();
        generateSingleCharacterNames(context, family, rows);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(rows.size()));
}
BENCHMARK(BM_SingleModeShippedTables)->Unit(benchmark::kMicrosecond);

// Appends 10 million rows while another thread keeps reading the newest rows' texts, as the grid does.
void BM_ListingWithReader(benchmark::State& state) {
    constexpr std::size_t kRows = 10'000'000;
    double bytesPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<ResultStore>();
        store->clear(1);
        StoredName row;
        row.family = store->internFamily("李", 7);
        row.firstCharacter = store->texts().intern("哉");
        row.secondCharacter = store->texts().intern("栋");
        row.elementText = store->texts().intern("火金木");
        std::atomic<bool> done{false};
        std::thread reader([&] {
            std::size_t reads = 0;
            while (!done.load(std::memory_order_acquire)) {
                const std::size_t count = store->rowCount();
                if (count > 0) {
                    benchmark::DoNotOptimize(store->rowCells(count - 1));
                    ++reads;
                }
            }
            benchmark::DoNotOptimize(reads);
        });
        // Batches of the size the generation worker hands over (state.range(0) = 1: row by row).
        const auto batchRows = static_cast<std::size_t>(state.range(0));
        std::vector<StoredName> batch(batchRows, row);
        state.ResumeTiming();
        for (std::size_t i = 0; i < kRows; i += batchRows) {
            for (std::size_t j = 0; j < batchRows; ++j) {
                batch[j].firstStrokes = static_cast<std::int32_t>((i + j) & 31U);
            }
            store->append(1, batch);
        }
        state.PauseTiming();
        done.store(true, std::memory_order_release);
        reader.join();
        bytesPerRow = static_cast<double>(store->memoryBytes()) / kRows;
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRows));
    state.counters["bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_ListingWithReader)->Arg(256)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace namewright
