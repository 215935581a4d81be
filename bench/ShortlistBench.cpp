// The shortlist (名单) against its targets:
//   - building it from a series of 1.45 M draws of the shipped tables (李, 男, the default threshold 80; the random
//     mode with neutral rows draws 1201 x 1201 times): under 200 ms, with and without the knowledge columns;
//   - re-filtering or re-sorting 1 M distinct names: under 100 ms;
//   - memory: at most 16 bytes per distinct name beyond the result store (counter bytes_per_name).
// The event loop while a run streams into an open shortlist is measured by bench_interface.

#include "db/NamingDatabase.h"
#include "knowledge/KnowledgeBase.h"
#include "naming/GenerationModes.h"
#include "shortlist/Shortlist.h"

#include "support/SyntheticStore.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace namewright {
namespace {

/// One random-mode series of the shipped tables, listed into a store once for all benchmarks.
struct ShippedSeries {
    ResultStore store;
    std::uint64_t draws = 0;
    bool ok = false;

    ShippedSeries() {
        NamingDatabase db = NamingDatabase::open(NAMEWRIGHT_SHIPPED_DATABASE);
        const auto firsts = db.word1ForDraws("男");
        const auto seconds = db.word2ForDraws("男");
        if (firsts.empty()) {
            return;
        }
        const LuckTables luck = LuckTables::load(db);
        InputsChannel inputs;
        RunState state;
        RandomSource random(2024);
        const auto series = state.beginSeries();
        store.clear(series);
        GenerationContext context{db, luck, inputs, state, store, random, {}, series};
        draws = firsts.size() * firsts.size();
        generateRandomNames(context, db.wordRow("李").value_or(WordRow{}), firsts, seconds, draws);
        ok = true;
    }
};

const ShippedSeries& shippedSeries() {
    static const ShippedSeries series;
    return series;
}

void BM_BuildShortlistOfShippedSeries(benchmark::State& state) {
    const ShippedSeries& series = shippedSeries();
    if (!series.ok) {
        state.SkipWithError("the shipped database has no word1 rows");
        return;
    }
    const bool withKnowledge = state.range(0) == 1;
    ShortlistSources sources;
    sources.missingElements = ElementSet{Element::Metal};
    if (withKnowledge) {
        sources.knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
        if (!sources.knowledge.isAvailable()) {
            state.SkipWithError("no characters.db");
            return;
        }
    }
    std::size_t distinct = 0;
    double bytes = 0;
    for (auto _ : state) {
        Shortlist shortlist(series.store, sources);
        shortlist.refresh();
        distinct = shortlist.distinctCount();
        bytes = static_cast<double>(shortlist.memoryBytes());
        benchmark::DoNotOptimize(shortlist.size());
    }
    state.counters["draws"] = static_cast<double>(series.draws);
    state.counters["rows_listed"] = static_cast<double>(series.store.rowCount());
    state.counters["distinct_names"] = static_cast<double>(distinct);
    state.counters["bytes_per_name"] = bytes / static_cast<double>(distinct);
}
BENCHMARK(BM_BuildShortlistOfShippedSeries)->ArgName("knowledge")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// 1,000 x 1,000 distinct names of one family, each listed once and 400,000 of them again.
struct MillionNames {
    testing::SyntheticStore synthetic;
    std::unique_ptr<Shortlist> shortlist;

    MillionNames() {
        const auto li = synthetic.family("李", 7, "火");
        synthetic.addEveryPair(li, 1000, 1000, 400'000, 7);
        ShortlistSources sources;
        sources.missingElements = ElementSet{Element::Metal, Element::Water};
        shortlist = std::make_unique<Shortlist>(synthetic.store, sources);
        shortlist->refresh();
    }
};

MillionNames& millionNames() {
    static MillionNames names;
    return names;
}

void BM_RefilterMillionNames(benchmark::State& state) {
    Shortlist& shortlist = *millionNames().shortlist;
    shortlist.sort(ShortlistColumn::Score, true);
    ShortlistFilter loose;
    ShortlistFilter tight;
    tight.minimumScore = 80;
    tight.suppliesMissingElement = true;
    tight.excludedCharacters = testing::SyntheticStore::character(3) + testing::SyntheticStore::character(1500);
    bool flip = false;
    for (auto _ : state) {
        shortlist.setFilter(flip ? loose : tight);
        flip = !flip;
        benchmark::DoNotOptimize(shortlist.size());
    }
    shortlist.setFilter({});
    state.counters["distinct_names"] = static_cast<double>(shortlist.distinctCount());
    state.counters["bytes_per_name"] =
        static_cast<double>(shortlist.memoryBytes()) / static_cast<double>(shortlist.distinctCount());
}
BENCHMARK(BM_RefilterMillionNames)->Unit(benchmark::kMillisecond);

void BM_ResortMillionNames(benchmark::State& state) {
    Shortlist& shortlist = *millionNames().shortlist;
    shortlist.setFilter({});
    const auto column = static_cast<ShortlistColumn>(state.range(0));
    bool descending = false;
    for (auto _ : state) {
        shortlist.sort(column, descending);
        descending = !descending;
        benchmark::DoNotOptimize(shortlist.firstRowAt(0));
    }
    state.SetLabel(std::string(shortlistColumnTitle(column)));
    state.counters["shown"] = static_cast<double>(shortlist.size());
}
BENCHMARK(BM_ResortMillionNames)
    ->Arg(static_cast<int>(ShortlistColumn::Score))
    ->Arg(static_cast<int>(ShortlistColumn::Name))
    ->Arg(static_cast<int>(ShortlistColumn::Total))
    ->Arg(static_cast<int>(ShortlistColumn::ElementText))
    ->Arg(static_cast<int>(ShortlistColumn::Draws))
    ->Arg(static_cast<int>(ShortlistColumn::Recommended))
    ->Unit(benchmark::kMillisecond);

/// The shipped series with the knowledge file, ordered by 推荐: built from the store and ordered (range 0), or
/// re-weighted by switching presets on a built shortlist (range 1).
void BM_RecommendedOrderOfShippedSeries(benchmark::State& state) {
    const ShippedSeries& series = shippedSeries();
    ShortlistSources sources;
    sources.missingElements = ElementSet{Element::Metal};
    sources.knowledge = KnowledgeBase::open(NAMEWRIGHT_KNOWLEDGE_FILE);
    if (!series.ok || !sources.knowledge.isAvailable()) {
        state.SkipWithError("no shipped database or characters.db");
        return;
    }
    const bool reweigh = state.range(0) == 1;
    Shortlist built(series.store, sources);
    built.refresh();
    built.sort(ShortlistColumn::Recommended, true);
    std::size_t preset = 0;
    for (auto _ : state) {
        if (reweigh) {
            preset = (preset + 1) % kRecommendPresets.size();
            built.setRecommendWeights(recommendWeights(kRecommendPresets[preset]));
            benchmark::DoNotOptimize(built.firstRowAt(0));
        } else {
            Shortlist shortlist(series.store, sources);
            shortlist.sort(ShortlistColumn::Recommended, true);
            shortlist.refresh();
            benchmark::DoNotOptimize(shortlist.firstRowAt(0));
        }
    }
    state.SetLabel(reweigh ? "re-weigh" : "build and order");
    state.counters["distinct_names"] = static_cast<double>(built.distinctCount());
    state.counters["bytes_per_name"] =
        static_cast<double>(built.memoryBytes()) / static_cast<double>(built.distinctCount());
    state.counters["recommend_bytes_per_name"] =
        static_cast<double>(built.facts().recommender().memoryBytes()) / static_cast<double>(built.distinctCount());
}
BENCHMARK(BM_RecommendedOrderOfShippedSeries)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// Names arriving while the shortlist is shown: 1 M names there, then 10,000 rows of about 1,000 new one-character
/// names merged in one refresh.
void BM_MergeNewNamesIntoMillion(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        testing::SyntheticStore synthetic;
        const auto li = synthetic.family("李", 7, "火");
        synthetic.addEveryPair(li, 1000, 1000, 0, 9);
        Shortlist shortlist(synthetic.store, ShortlistSources{});
        shortlist.refresh();
        synthetic.addRandom(li, 10'000, 1000, 1000, 1.0, 10); // one-character names: all new
        state.ResumeTiming();
        benchmark::DoNotOptimize(shortlist.refresh());
    }
}
BENCHMARK(BM_MergeNewNamesIntoMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace namewright
