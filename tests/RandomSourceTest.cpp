#include "db/RandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace namewright {
namespace {

TEST(RandomSource, TheSameSeedGivesTheSameIndices) {
    RandomSource first(7);
    RandomSource second(7);
    RandomSource other(8);
    int differences = 0;
    for (int i = 0; i < 200; ++i) {
        const std::size_t a = first.uniformIndex(1000);
        EXPECT_EQ(a, second.uniformIndex(1000));
        differences += a != other.uniformIndex(1000) ? 1 : 0;
    }
    EXPECT_GT(differences, 150) << "another seed gives other indices";
}

TEST(RandomSource, IndicesStayInRangeAndReachEveryValue) {
    RandomSource random(42);
    std::array<int, 3> seen{};
    for (int i = 0; i < 3000; ++i) {
        const std::size_t index = random.uniformIndex(seen.size());
        ASSERT_LT(index, seen.size());
        ++seen[index];
    }
    for (const int count : seen) {
        EXPECT_GT(count, 900);
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(random.uniformIndex(1), 0U);
    }
}

} // namespace
} // namespace namewright
