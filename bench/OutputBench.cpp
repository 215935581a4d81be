// generate's output path: rows of a result store written as TSV to /dev/null, by the command line's block reader
// (writeResultRows), by the row-at-a-time cells it replaced (rowCells + writeTsvRow), and by a tight formatter that
// writes the same shape of bytes from compact records: the bound bench/batch_peers/compare.py holds a whole generate
// process against (at most 3x that plus one process start). BM_GenerateDefaultRun is that whole run in-process
// (opening the database, the worker's queries, the draws, the store and the output together), without the process
// start.

#include "cli/CommandLine.h"
#include "cli/OutputFile.h"
#include "cli/Tsv.h"
#include "naming/ResultRowReader.h"

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace namewright {
namespace {

constexpr std::size_t kRows = 879'978; // the default random series of the shipped database

const std::array<std::string, 5> kElements{"木", "火", "土", "金", "水"};

std::string character(std::size_t i) {
    std::string text;
    const auto code = static_cast<char32_t>(0x4E00 + i);
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
    return text;
}

/// A store of kRows two-character names of family 李 from 938 first and 938 second characters, as a random run
/// lists them.
const ResultStore& filledStore() {
    static ResultStore* const store = [] {
        auto* filled = new ResultStore(kRows);
        filled->clear(1);
        const std::uint32_t family = filled->internFamily("李", 7, "火");
        std::vector<StoredName> rows;
        rows.reserve(kRows);
        for (std::size_t i = 0; i < kRows; ++i) {
            StoredName row;
            row.family = family;
            row.firstCharacter = filled->texts().intern(character(i % 938));
            row.secondCharacter = filled->texts().intern(character(1000 + (i / 938) % 938));
            row.firstStrokes = static_cast<std::int32_t>(2 + i % 21);
            row.secondStrokes = static_cast<std::int32_t>(2 + (i / 938) % 19);
            row.elementText = filled->texts().intern("火" + kElements[i % 5] + kElements[(i / 938) % 5]);
            row.score = static_cast<std::uint8_t>(80 + i % 20);
            rows.push_back(row);
        }
        filled->append(1, rows);
        return filled;
    }();
    return *store;
}

int devNull() {
    static const int descriptor = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    return descriptor;
}

void BM_BlockReaderFormatter(benchmark::State& state) {
    const ResultStore& store = filledStore();
    for (auto _ : state) {
        cli::OutputFile file(devNull());
        std::ostream out(&file);
        ResultRowReader reader(store, cli::tsvCell);
        std::string buffer;
        cli::writeResultRows(out, reader, 0, store.rowCount(), buffer);
        out.flush();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}
BENCHMARK(BM_BlockReaderFormatter)->Unit(benchmark::kMillisecond);

void BM_RowCellsFormatter(benchmark::State& state) {
    const ResultStore& store = filledStore();
    for (auto _ : state) {
        cli::OutputFile file(devNull());
        std::ostream out(&file);
        for (std::size_t i = 0; i < store.rowCount(); ++i) {
            cli::writeTsvRow(out, store.rowCells(i).texts);
        }
        out.flush();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}
BENCHMARK(BM_RowCellsFormatter)->Unit(benchmark::kMillisecond);

/// The bound: rows as compact records (text indexes and small numbers, the grids and key already worked out), written
/// as the same TSV shape into one buffer and out with write(2).
struct CompactRow {
    std::uint16_t first;
    std::uint16_t second;
    std::uint16_t element;
    std::uint8_t key;
    std::uint8_t score;
    std::array<std::uint8_t, 5> grids;
};

void BM_TightFormatter(benchmark::State& state) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < 2000; ++i) {
        texts.push_back(character(i));
    }
    std::vector<std::string> keys(125, "金土水");
    std::vector<CompactRow> rows(kRows);
    for (std::size_t i = 0; i < kRows; ++i) {
        const auto b1 = static_cast<std::uint8_t>(2 + i % 21);
        const auto b2 = static_cast<std::uint8_t>(2 + (i / 938) % 19);
        rows[i] = CompactRow{
            static_cast<std::uint16_t>(i % 938),
            static_cast<std::uint16_t>(1000 + (i / 938) % 938),
            static_cast<std::uint16_t>(i % 25),
            static_cast<std::uint8_t>(i % 125),
            static_cast<std::uint8_t>(80 + i % 20),
            std::array<std::uint8_t, 5>{8, static_cast<std::uint8_t>(7 + b1), static_cast<std::uint8_t>(b1 + b2),
                                        static_cast<std::uint8_t>(b2 + 1), static_cast<std::uint8_t>(7 + b1 + b2)}};
    }
    std::vector<std::string> elements;
    for (std::size_t i = 0; i < 25; ++i) {
        elements.push_back("火" + kElements[i % 5] + kElements[i / 5]);
    }
    std::vector<char> buffer(std::size_t{1} << 16);
    for (auto _ : state) {
        std::size_t used = 0;
        const auto put = [&](std::string_view text) {
            std::memcpy(buffer.data() + used, text.data(), text.size());
            used += text.size();
        };
        for (const CompactRow& row : rows) {
            put("李");
            put(texts[row.first]);
            put(texts[row.second]);
            buffer[used++] = '\t';
            used = static_cast<std::size_t>(
                std::to_chars(buffer.data() + used, buffer.data() + buffer.size(), row.score).ptr - buffer.data());
            for (const std::uint8_t grid : row.grids) {
                buffer[used++] = '\t';
                used = static_cast<std::size_t>(
                    std::to_chars(buffer.data() + used, buffer.data() + buffer.size(), grid).ptr - buffer.data());
            }
            buffer[used++] = '\t';
            put(keys[row.key]);
            buffer[used++] = '\t';
            put(elements[row.element]);
            buffer[used++] = '\n';
            if (used > buffer.size() - 256) {
                benchmark::DoNotOptimize(::write(devNull(), buffer.data(), used));
                used = 0;
            }
        }
        benchmark::DoNotOptimize(::write(devNull(), buffer.data(), used));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRows));
}
BENCHMARK(BM_TightFormatter)->Unit(benchmark::kMillisecond);

/// generate --family 李 --gender 男 --seed 1 --date 2011-01-01 --hour 1 on the shipped database, into /dev/null.
void BM_GenerateDefaultRun(benchmark::State& state) {
    const std::vector<std::string> words{"generate", "--family", "李",         "--gender", "男", "--seed",
                                         "1",        "--date",   "2011-01-01", "--hour",   "1"};
    std::size_t rows = 0;
    for (auto _ : state) {
        cli::OutputFile file(devNull());
        std::ostream out(&file);
        std::ostringstream err;
        if (cli::runCommandLine(words, NAMEWRIGHT_SHIPPED_DATABASE, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            return;
        }
        out.flush();
    }
    // The rows of one run, counted once outside the timing.
    std::ostringstream counted;
    cli::runCommandLine(words, NAMEWRIGHT_SHIPPED_DATABASE, counted, std::cerr);
    for (const char c : counted.str()) {
        rows += c == '\n' ? 1 : 0;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * (rows - 1)));
}
BENCHMARK(BM_GenerateDefaultRun)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace namewright
