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

    /// A uniformly distributed index in [0, count); count must be at least 1. Inline, as next(): the random mode draws
    /// two for each of its millions of candidates.
    std::size_t uniformIndex(std::size_t count) {
        // Lemire's multiply-and-reject: unbiased, and a division only on the rare rejection path.
        const auto range = static_cast<std::uint64_t>(count);
        Wide product = static_cast<Wide>(next()) * range;
        auto low = static_cast<std::uint64_t>(product);
        if (low < range) {
            const std::uint64_t threshold = (0 - range) % range;
            while (low < threshold) {
                product = static_cast<Wide>(next()) * range;
                low = static_cast<std::uint64_t>(product);
            }
        }
        return static_cast<std::size_t>(product >> 64);
    }

    /// The next 64 random bits.
    std::uint64_t next() {
        const auto rotl = [](std::uint64_t x, unsigned k) { return (x << k) | (x >> (64U - k)); };
        const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
        const std::uint64_t t = m_state[1] << 17U;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

private:
    __extension__ using Wide = unsigned __int128;
    std::array<std::uint64_t, 4> m_state{};
};

} // namespace namewright
