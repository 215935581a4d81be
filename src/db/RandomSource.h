#pragma once
// The program's own random generator: seedable so that tests and benchmarks are repeatable.
// xoshiro256** (Blackman and Vigna, 2018): 256 bits of state, period 2^256 - 1, a few cycles per number; the state is
// filled from the seed by SplitMix64, as its authors recommend.

#include <array>
#include <cstddef>
#include <cstdint>

namespace namewright {

class RandomSource {
public:
    /// Seeded from the operating system's entropy.
    RandomSource();
    explicit RandomSource(std::uint64_t seed);

    /// A uniformly distributed index in [0, count); count must be at least 1.
    std::size_t uniformIndex(std::size_t count);

    /// The next 64 random bits.
    std::uint64_t next();

private:
    std::array<std::uint64_t, 4> m_state{};
};

} // namespace namewright
