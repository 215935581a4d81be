#pragma once
// The program's own random generator: seedable so that tests and benchmarks are repeatable.

#include <cstddef>
#include <cstdint>
#include <random>

namespace namewright {

class RandomSource {
public:
    /// Seeded from the operating system's entropy.
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    /// A uniformly distributed index in [0, count); count must be at least 1.
    std::size_t uniformIndex(std::size_t count);

private:
    std::mt19937_64 m_engine;
};

} // namespace namewright
