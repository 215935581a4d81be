#include "naming/ResultStore.h"
#include "naming/RunState.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <thread>

namespace namewright {
namespace {

StoredName nameOf(ResultStore& store, std::string_view family, std::string_view first, std::string_view second,
                  int strokes, std::uint8_t score) {
    StoredName row;
    row.family = store.internFamily(family, 7);
    row.firstCharacter = store.texts().intern(first);
    if (!second.empty()) {
        row.secondCharacter = store.texts().intern(second);
        row.secondStrokes = strokes + 1;
    }
    row.elementText = store.texts().intern("火金木");
    row.firstStrokes = strokes;
    row.score = score;
    return row;
}

TEST(ResultStore, ShowsEachRowAsTheGridsNineTexts) {
    ResultStore store;
    store.clear(1);
    ASSERT_TRUE(store.append(1, nameOf(store, "李", "哉", "栋", 9, 98)));
    ASSERT_TRUE(store.append(1, nameOf(store, "欧阳", "明", "", 8, 95)));
    ASSERT_EQ(store.rowCount(), 2U);
    EXPECT_EQ(store.rowCells(0), (ResultRowCells{"李哉栋", "98", "8", "16", "19", "11", "26", "金土水", "火金木"}));
    EXPECT_EQ(store.rowCells(1), (ResultRowCells{"欧阳明", "95", "8", "15", "9", "2", "15", "金土水", "火金木"}));
}

TEST(ResultStore, KeepsEachRowsFamilyTextAndStrokesApart) {
    ResultStore store;
    store.clear(1);
    StoredName row = nameOf(store, "李", "明", "", 8, 90);
    store.append(1, row);
    row.family = store.internFamily("李四", 7);
    store.append(1, row);
    row.family = store.internFamily("欧阳", 15);
    store.append(1, row);
    EXPECT_EQ(store.cellText(0, ResultColumn::Name), "李明");
    EXPECT_EQ(store.cellText(1, ResultColumn::Name), "李四明");
    EXPECT_EQ(store.cellText(2, ResultColumn::Name), "欧阳明");
    EXPECT_EQ(store.grids(2), gridNumbers(15, 8));
    EXPECT_EQ(store.internFamily("李", 7), store.internFamily("李", 7));
    EXPECT_NE(store.internFamily("李", 7), store.internFamily("李", 8));
}

TEST(ResultStore, ABatchBecomesVisibleWholeOrNotAtAll) {
    ResultStore store;
    store.clear(5);
    std::vector<StoredName> batch(300, nameOf(store, "李", "明", "", 8, 90));
    EXPECT_TRUE(store.append(5, batch));
    EXPECT_EQ(store.rowCount(), 300U);
    EXPECT_FALSE(store.append(4, batch));
    EXPECT_EQ(store.rowCount(), 300U);
}

TEST(ResultStore, ClearEmptiesAndRefusesRowsOfAnOlderSeries) {
    ResultStore store;
    store.clear(1);
    store.append(1, nameOf(store, "李", "明", "", 8, 90));
    store.clear(2);
    EXPECT_EQ(store.rowCount(), 0U);
    EXPECT_FALSE(store.append(1, nameOf(store, "李", "明", "", 8, 90)));
    EXPECT_TRUE(store.append(2, nameOf(store, "李", "亮", "", 9, 90)));
    ASSERT_EQ(store.rowCount(), 1U);
    EXPECT_EQ(store.cellText(0, ResultColumn::Name), "李亮");
}

TEST(ResultStore, GrowsAcrossChunksAndKeepsOrder) {
    ResultStore store;
    store.clear(3);
    const StoredName row = nameOf(store, "李", "明", "亮", 1, 80);
    constexpr std::size_t kRows = 4 * 65'536 + 10; // several chunks
    for (std::size_t i = 0; i < kRows; ++i) {
        StoredName numbered = row;
        numbered.firstStrokes = static_cast<std::int32_t>(i);
        ASSERT_TRUE(store.append(3, numbered));
    }
    ASSERT_EQ(store.rowCount(), kRows);
    for (std::size_t i = 0; i < kRows; i += 997) {
        EXPECT_EQ(store.row(i).firstStrokes, static_cast<std::int32_t>(i));
    }
    static_assert(sizeof(StoredName) <= 28);
    const std::size_t oneChunk = ResultStore::kChunkBytes;
    EXPECT_GE(store.memoryBytes(), 5 * oneChunk) << "every chunk's whole memory counts";
    EXPECT_LE(store.memoryBytes(), kRows * ResultStore::kBytesPerRow + oneChunk + (1U << 20U))
        << "rows, at most one partly used chunk, the chunk table and the texts";
    store.clear(4);
    EXPECT_LT(store.memoryBytes(), 4U << 20U) << "clearing gives the chunks back";
}

TEST(ResultStoreThreads, AReaderSeesOnlyCompleteRowsWhileTheWriterAppends) {
    ResultStore store;
    store.clear(1);
    const std::uint32_t family = store.internFamily("李", 7);
    constexpr int kRows = 300'000;
    std::thread writer([&] {
        for (int i = 0; i < kRows; ++i) {
            StoredName row;
            row.family = family;
            row.firstCharacter = store.texts().intern(i % 1000 == 0 ? std::to_string(i) : "明");
            row.firstStrokes = -i;
            row.secondStrokes = 2 * i;
            row.score = static_cast<std::uint8_t>(i % 101);
            if (i % 7 == 0) {
                const std::array<StoredName, 1> single{row};
                store.append(1, single);
            } else {
                store.append(1, row);
            }
        }
    });
    std::size_t seen = 0;
    std::optional<std::size_t> firstWrong;
    // Reads every row as soon as it is counted, as the grid does; stops at the first row not whole.
    const bool readAll = testing::waitUntil(
        [&] {
            const std::size_t count = store.rowCount();
            for (std::size_t i = seen; i < count && !firstWrong; ++i) {
                const StoredName& row = store.row(i);
                const auto n = static_cast<std::int32_t>(i);
                if (row.firstStrokes != -n || row.secondStrokes != 2 * n || row.score != i % 101 ||
                    (i % 1000 == 0 && store.cellText(i, ResultColumn::Name) != "李" + std::to_string(i))) {
                    firstWrong = i;
                }
            }
            seen = count;
            return firstWrong || seen >= static_cast<std::size_t>(kRows);
        },
        testing::kWaitDeadline, {});
    writer.join();
    EXPECT_FALSE(firstWrong) << "row " << firstWrong.value_or(0) << " was visible before it was whole";
    EXPECT_TRUE(readAll);
}

TEST(RunState, AStaleWorkerCannotMoveTheResumeMarkOfANewSeries) {
    RunState state;
    EXPECT_EQ(state.resumeMark(SequentialMode::SingleCharacter, state.currentSeries()), 1);
    const auto first = state.beginSeries();
    state.setResumeMark(SequentialMode::SingleCharacter, first, 50);
    state.setResumeMark(SequentialMode::FixedCharacter, first, 7);
    EXPECT_EQ(state.resumeMark(SequentialMode::SingleCharacter, first), 50);
    EXPECT_EQ(state.resumeMark(SequentialMode::FixedCharacter, first), 7);

    const auto second = state.beginSeries();
    EXPECT_EQ(state.resumeMark(SequentialMode::SingleCharacter, second), 1);
    state.setResumeMark(SequentialMode::SingleCharacter, first, 70); // the previous series' worker, finishing late
    EXPECT_EQ(state.resumeMark(SequentialMode::SingleCharacter, second), 1);
    EXPECT_EQ(state.resumeMark(SequentialMode::FixedCharacter, second), 1);
}

} // namespace
} // namespace namewright
