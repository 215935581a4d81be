#include "db/RandomSource.h"

#include <random>

namespace namewright {

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

} // namespace namewright
