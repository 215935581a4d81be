// The distinct names of a series against a brute-force count over the store's rows.

#include "shortlist/DistinctNames.h"
#include "support/SyntheticStore.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

namespace namewright {
namespace {

using testing::SyntheticStore;

struct Counted {
    std::uint32_t firstRow = 0;
    std::uint32_t draws = 0;
};
using Key = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;

std::map<Key, Counted> bruteForce(const ResultStore& store, std::size_t rows) {
    std::map<Key, Counted> names;
    for (std::size_t i = 0; i < rows; ++i) {
        const StoredName& row = store.row(i);
        auto [it, fresh] = names.try_emplace(Key{row.family, row.firstCharacter, row.secondCharacter},
                                             Counted{static_cast<std::uint32_t>(i), 0});
        ++it->second.draws;
    }
    return names;
}

void expectSameAsBruteForce(const DistinctNames& names, const ResultStore& store, std::size_t rows) {
    const auto expected = bruteForce(store, rows);
    ASSERT_EQ(names.size(), expected.size());
    std::size_t visited = 0;
    names.forEach(
        [&](NameRef ref, const DistinctName& name) {
            ++visited;
            const StoredName& row = store.row(name.firstRow);
            const auto found = expected.find(Key{row.family, row.firstCharacter, row.secondCharacter});
            ASSERT_NE(found, expected.end());
            EXPECT_EQ(name.firstRow, found->second.firstRow);
            EXPECT_EQ(name.draws, found->second.draws);
            EXPECT_EQ(names.groupFamily(ref.group), row.family);
            EXPECT_EQ(names.groupFirstCharacter(ref.group), row.firstCharacter);
            EXPECT_EQ(names.secondCharacter(ref.second), row.secondCharacter);
        },
        false);
    EXPECT_EQ(visited, expected.size());
    // Every row, not only the first of its name, finds its name.
    for (std::size_t i = 0; i < rows; ++i) {
        const StoredName& row = store.row(i);
        const auto ref = names.find(row);
        ASSERT_TRUE(ref);
        EXPECT_EQ(names.name(*ref).firstRow,
                  expected.at(Key{row.family, row.firstCharacter, row.secondCharacter}).firstRow);
    }
}

TEST(DistinctNames, CountsEachNameOnceWithItsFirstRowAndItsDraws) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    const auto ouyang = s.family("欧阳", 15, "土");
    s.addRandom(li, 6000, 40, 90, 0.1, 1);
    s.addRandom(ouyang, 3000, 30, 20, 0.3, 2);
    s.addRandom(li, 3000, 70, 10, 0.0, 3); // firsts beyond the earlier ones: new groups late in the series
    DistinctNames names(s.store);
    names.take(s.store.rowCount());
    EXPECT_EQ(names.takenRows(), s.store.rowCount());
    expectSameAsBruteForce(names, s.store, s.store.rowCount());
}

TEST(DistinctNames, TakingInSlicesGivesWhatOneTakeGives) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 5000, 25, 300, 0.05, 7);
    DistinctNames names(s.store);
    std::vector<NameRef> added;
    // Slices of one row (the name-by-name path), a few rows and many rows.
    std::size_t upTo = 0;
    for (const std::size_t step : {1, 1, 2, 3, 50, 400, 1, 1000, 7}) {
        upTo += step;
        names.take(upTo, &added);
        expectSameAsBruteForce(names, s.store, upTo);
    }
    names.take(s.store.rowCount(), &added);
    expectSameAsBruteForce(names, s.store, s.store.rowCount());

    // Every name was added once, in the order of its first row.
    ASSERT_EQ(added.size(), names.size());
    for (std::size_t i = 1; i < added.size(); ++i) {
        EXPECT_LT(names.name(added[i - 1]).firstRow, names.name(added[i]).firstRow);
    }
}

TEST(DistinctNames, ASpreadLimitStopsATakeEarlyAndTheSplitTakesEndAsOne) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 5000, 12, 400, 0.05, 11); // few groups that grow large: each new name moves many
    constexpr std::size_t kFirstRows = 2000;
    constexpr std::size_t kLimit = 500; // about two groups' names after the first rows
    DistinctNames names(s.store);
    std::vector<NameRef> added;
    names.take(kFirstRows, &added);
    std::map<Key, Counted> seen = bruteForce(s.store, kFirstRows);
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::size_t> groupSizes;
    for (const auto& [key, counted] : seen) {
        ++groupSizes[{std::get<0>(key), std::get<1>(key)}];
    }
    std::size_t takes = 0;
    while (names.takenRows() < s.store.rowCount()) {
        const std::size_t from = names.takenRows();
        names.take(s.store.rowCount(), &added, kLimit);
        const std::size_t to = names.takenRows();
        ASSERT_GT(to, from); // every take makes progress
        ++takes;
        // What the gaining groups held before (plus one each) stays within the limit, unless one group was all.
        std::map<std::pair<std::uint32_t, std::uint32_t>, std::size_t> gaining;
        for (std::size_t i = from; i < to; ++i) {
            const StoredName& row = s.store.row(i);
            if (seen.try_emplace(Key{row.family, row.firstCharacter, row.secondCharacter}).second) {
                gaining.try_emplace({row.family, row.firstCharacter}, groupSizes[{row.family, row.firstCharacter}]);
                ++groupSizes[{row.family, row.firstCharacter}];
            }
        }
        std::size_t moved = 0;
        for (const auto& [group, sizeBefore] : gaining) {
            moved += sizeBefore + 1;
        }
        if (gaining.size() > 1) {
            EXPECT_LE(moved, kLimit) << "rows " << from << " to " << to;
        }
        if (takes % 64 == 0) {
            expectSameAsBruteForce(names, s.store, to);
        }
    }
    EXPECT_GT(takes, 100U); // the limit did split the work
    expectSameAsBruteForce(names, s.store, s.store.rowCount());
    ASSERT_EQ(added.size(), names.size());
    for (std::size_t i = 1; i < added.size(); ++i) {
        EXPECT_LT(names.name(added[i - 1]).firstRow, names.name(added[i]).firstRow);
    }
}

TEST(DistinctNames, OneAndTwoCharacterNamesAndFamiliesStayApart) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    const auto liOther = s.family("李", 8, "火"); // the same text scored with other strokes is another family
    s.add(li, 1, SyntheticStore::kNone);
    s.add(li, 1, 2);
    s.add(liOther, 1, 2);
    s.add(li, 1, SyntheticStore::kNone);
    DistinctNames names(s.store);
    names.take(s.store.rowCount());
    ASSERT_EQ(names.size(), 3U);
    EXPECT_EQ(names.name(*names.find(s.store.row(0))).draws, 2U);
    EXPECT_EQ(names.name(*names.find(s.store.row(1))).draws, 1U);
    EXPECT_EQ(names.name(*names.find(s.store.row(2))).firstRow, 2U);
}

TEST(DistinctNames, UpToBeyondTheStoreTakesWhatIsThere) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 100, 5, 5, 0.0, 4);
    DistinctNames names(s.store);
    names.take(1'000'000);
    EXPECT_EQ(names.takenRows(), 100U);
    names.take(50); // backwards: nothing happens
    EXPECT_EQ(names.takenRows(), 100U);
    expectSameAsBruteForce(names, s.store, 100);
}

TEST(DistinctNames, FindsNothingForANameNotTakenIn) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.add(li, 1, 2);
    s.add(li, 3, 4);
    DistinctNames names(s.store);
    names.take(1);
    EXPECT_TRUE(names.find(s.store.row(0)));
    EXPECT_FALSE(names.find(s.store.row(1)));
    EXPECT_FALSE(names.find(li, 0, 0));
    EXPECT_FALSE(names.find(99, s.store.row(0).firstCharacter, s.store.row(0).secondCharacter));
}

TEST(DistinctNames, ClearForgetsTheSeries) {
    SyntheticStore s;
    const auto li = s.family("李", 7, "火");
    s.addRandom(li, 500, 10, 10, 0.2, 5);
    DistinctNames names(s.store);
    names.take(500);
    names.clear();
    EXPECT_EQ(names.size(), 0U);
    EXPECT_EQ(names.takenRows(), 0U);
    EXPECT_FALSE(names.find(s.store.row(0)));
    names.take(500);
    expectSameAsBruteForce(names, s.store, 500);
}

} // namespace
} // namespace namewright
