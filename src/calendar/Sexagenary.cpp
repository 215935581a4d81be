#include "calendar/Sexagenary.h"

namespace namewright {
namespace {

constexpr std::size_t kPairBytes = 2 * sexagenary_detail::kCharBytes;

/// The 60 pairs back to back, pair p at byte (p - 1) * 6.
constexpr std::array<char, 60 * kPairBytes> buildCycle() {
    std::array<char, 60 * kPairBytes> bytes{};
    for (int p = 1; p <= 60; ++p) {
        const SexagenaryPair pair = SexagenaryPair::fromPosition(p);
        const std::string_view stem = pair.stem().text();
        const std::string_view branch = pair.branch().text();
        const auto at = static_cast<std::size_t>(p - 1) * kPairBytes;
        for (std::size_t b = 0; b < sexagenary_detail::kCharBytes; ++b) {
            bytes[at + b] = stem[b];
            bytes[at + sexagenary_detail::kCharBytes + b] = branch[b];
        }
    }
    return bytes;
}

constexpr std::array<char, 60 * kPairBytes> kCycle = buildCycle();

} // namespace

std::string_view SexagenaryPair::text() const {
    return std::string_view(kCycle.data() + static_cast<std::size_t>(m_position - 1) * kPairBytes, kPairBytes);
}

} // namespace namewright
