// Reading the favourites file at start: 100,000 favourites (target: under 0.5 s), and the same file with every name
// there twice (read, merged and set aside). Time grows with the entries, not with their square.

#include "app/favourites/FavouritesJson.h"
#include "app/favourites/FavouritesStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace namewright {
namespace {

Favourite numbered(int n) {
    Favourite f;
    f.familyText = "李";
    f.given = "名" + std::to_string(n);
    f.stars = 1 + n % 5;
    f.note = n % 3 == 0 ? "奶奶喜欢" : "";
    f.cells.texts = {f.familyText + f.given, "92", "8", "16", "21", "13", "28", "土土木", "火金木"};
    f.chart.fourPillars = "庚寅年 戊子月 丙辰日 己丑时";
    f.chart.favourableElement = "金";
    f.birth = {"2011", "1", "1", "1"};
    f.birth.minute = "10";
    f.added = "2024-05-01 09:30";
    return f;
}

QByteArray fileOf(int count, int copies) {
    std::vector<Favourite> favourites;
    favourites.reserve(static_cast<std::size_t>(count * copies));
    for (int copy = 0; copy < copies; ++copy) {
        for (int n = 0; n < count; ++n) {
            favourites.push_back(numbered(n));
        }
    }
    return favouritesToJson(favourites);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::abort();
    }
}

/// The store's start: the file read, checked and its favourites listed.
void loadFavourites(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const int copies = static_cast<int>(state.range(1));
    const QByteArray bytes = fileOf(count, copies);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("favourites.json"));
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(path, bytes); // a file with duplicates is set aside and rewritten by each load
        state.ResumeTiming();
        const FavouritesStore store(path);
        if (store.list().size() != static_cast<std::size_t>(count)) {
            state.SkipWithError("not every favourite was read");
        }
        state.PauseTiming();
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) {
            QFile::remove(folder.filePath(name));
        }
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
    state.SetComplexityN(count);
}

BENCHMARK(loadFavourites)
    ->ArgsProduct({{10'000, 20'000, 100'000}, {1}})
    ->Args({100'000, 2})
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
} // namespace namewright

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
