#include "naming/ResultRowReader.h"

#include <gtest/gtest.h>

#include <string>

namespace namewright {
namespace {

StoredName nameOf(ResultStore& store, std::string_view family, int familyStrokes, std::string_view first,
                  std::string_view second, int strokes) {
    StoredName row;
    row.family = store.internFamily(family, familyStrokes);
    row.firstCharacter = store.texts().intern(first);
    if (!second.empty()) {
        row.secondCharacter = store.texts().intern(second);
        row.secondStrokes = strokes + 3;
    }
    row.elementText = store.texts().intern(std::string(first) + "火");
    row.firstStrokes = strokes;
    row.score = static_cast<std::uint8_t>(60 + strokes % 40);
    return row;
}

/// The nine cells of a row the reader gives, joined as the store's rowCells() joins them.
ResultRowCells cellsOf(const ResultRowReader::Row& row) {
    const FiveGrids& g = row.grids;
    return ResultRowCells{{std::string(row.family) + std::string(row.first) + std::string(row.second),
                           std::to_string(row.score), std::to_string(g.heaven), std::to_string(g.person),
                           std::to_string(g.earth), std::to_string(g.outer), std::to_string(g.total),
                           std::string(row.threeTalentsKey), std::string(row.elementText)}};
}

TEST(ResultRowReader, GivesTheCellsOfRowCellsAcrossChunksAndTextsInternedAfterItWasMade) {
    ResultStore store;
    store.clear(1);
    ResultRowReader reader(store);
    constexpr std::size_t kRows = 65'536 + 700; // a block ends at a chunk's end
    const std::array<std::string, 4> characters{"明", "亮", "哉", "栋"};
    for (std::size_t i = 0; i < kRows; ++i) {
        const int strokes = static_cast<int>(i % 31);
        // New families and texts keep coming while the reader reads: one family of its own every 1,000 rows.
        const std::string family = i % 1000 == 0 ? "姓" + std::to_string(i) : "欧阳";
        const std::string_view second = i % 3 == 0 ? std::string_view() : characters[(i / 3) % 4];
        ASSERT_TRUE(
            store.append(1, nameOf(store, family, static_cast<int>(i % 17), characters[i % 4], second, strokes)));
        if (i == 123 || i == 66'000) {
            std::size_t index = i == 123 ? 0 : 124;
            reader.read(index, i + 1, [&](const ResultRowReader::Row& row) {
                EXPECT_EQ(cellsOf(row), store.rowCells(index)) << index;
                ++index;
            });
        }
    }
    std::size_t index = 66'001;
    reader.read(index, kRows, [&](const ResultRowReader::Row& row) {
        EXPECT_EQ(cellsOf(row), store.rowCells(index)) << index;
        ++index;
    });
    EXPECT_EQ(index, kRows);
}

TEST(ResultRowReader, TransformsEveryTextOnce) {
    ResultStore store;
    store.clear(1);
    ASSERT_TRUE(store.append(1, nameOf(store, "李\t", 7, "哉", "栋", 9)));
    int calls = 0;
    ResultRowReader reader(store, [&calls](std::string_view text) {
        ++calls;
        return "<" + std::string(text) + ">";
    });
    const int keyCalls = calls;
    EXPECT_EQ(keyCalls, 125) << "the three-talents keys";
    for (int pass = 0; pass < 2; ++pass) {
        reader.read(0, 1, [](const ResultRowReader::Row& row) {
            EXPECT_EQ(row.family, "<李\t>");
            EXPECT_EQ(row.second, "<栋>");
            EXPECT_EQ(row.threeTalentsKey, "<金土木>");
            EXPECT_EQ(row.elementText, "<哉火>");
        });
    }
    EXPECT_EQ(calls - keyCalls, static_cast<int>(store.texts().size())) << "each pooled text once, then cached";
}

} // namespace
} // namespace namewright
