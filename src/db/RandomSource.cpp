#include "db/RandomSource.h"

#include <random>

namespace namewright {

namespace {
__extension__ using Wide = unsigned __int128;
} // namespace

RandomSource::RandomSource() : RandomSource((std::uint64_t{std::random_device{}()} << 32U) ^ std::random_device{}()) {}

RandomSource::RandomSource(std::uint64_t seed) {
    for (auto& word : m_state) {
        seed += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = seed;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        word = z ^ (z >> 31U);
    }
}

std::uint64_t RandomSource::next() {
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

std::size_t RandomSource::uniformIndex(std::size_t count) {
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

} // namespace namewright
