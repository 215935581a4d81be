#pragma once
// Sorting 64-bit keys ascending by least-significant-digit radix sort: eight-bit digits, and a digit that is the same
// in every key (the high bytes of small numbers) costs no pass. 1 M keys take a few passes over 8 MB.

#include <cstdint>
#include <vector>

namespace namewright {

/// Sorts `keys` ascending; `scratch` is working space (resized to keys.size(), contents undefined afterwards).
void radixSort(std::vector<std::uint64_t>& keys, std::vector<std::uint64_t>& scratch);

} // namespace namewright
