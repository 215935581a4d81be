#include "db/RandomSource.h"

namespace namewright {

namespace {
__extension__ using Wide = unsigned __int128;
} // namespace

RandomSource::RandomSource() : m_engine(std::random_device{}()) {}

RandomSource::RandomSource(std::uint64_t seed) : m_engine(seed) {}

std::size_t RandomSource::uniformIndex(std::size_t count) {
    // Lemire's multiply-and-reject: unbiased, and a division only on the rare rejection path.
    const auto range = static_cast<std::uint64_t>(count);
    Wide product = static_cast<Wide>(m_engine()) * range;
    auto low = static_cast<std::uint64_t>(product);
    if (low < range) {
        const std::uint64_t threshold = (0 - range) % range;
        while (low < threshold) {
            product = static_cast<Wide>(m_engine()) * range;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<std::size_t>(product >> 64);
}

} // namespace namewright
