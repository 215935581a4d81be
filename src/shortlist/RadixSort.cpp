#include "shortlist/RadixSort.h"

#include <algorithm>
#include <array>

namespace namewright {

void radixSort(std::vector<std::uint64_t>& keys, std::vector<std::uint64_t>& scratch) {
    constexpr std::size_t kSmall = 256; // below this a comparison sort is quicker than eight histograms
    const std::size_t n = keys.size();
    if (n < kSmall) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (const std::uint64_t key : keys) {
        for (std::size_t digit = 0; digit < 8; ++digit) {
            ++counts[digit][(key >> (8 * digit)) & 0xFFU];
        }
    }
    scratch.resize(n);
    std::uint64_t* from = keys.data();
    std::uint64_t* to = scratch.data();
    for (std::size_t digit = 0; digit < 8; ++digit) {
        auto& count = counts[digit];
        if (count[(from[0] >> (8 * digit)) & 0xFFU] == n) {
            continue; // every key has this digit
        }
        std::size_t offset = 0;
        for (std::size_t& bucket : count) {
            const std::size_t size = bucket;
            bucket = offset;
            offset += size;
        }
        for (std::size_t i = 0; i < n; ++i) {
            to[count[(from[i] >> (8 * digit)) & 0xFFU]++] = from[i];
        }
        std::swap(from, to);
    }
    if (from != keys.data()) {
        keys.swap(scratch);
    }
}

} // namespace namewright
