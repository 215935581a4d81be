#pragma once
// Little-endian numbers in the bytes of a file (Access files store all theirs so).

#include <cstdint>

namespace namewright {

inline unsigned littleEndian16(const unsigned char* bytes) {
    return bytes[0] | static_cast<unsigned>(bytes[1]) << 8;
}

inline std::uint32_t littleEndian32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace namewright
