#include "access/AccessHeader.h"

#include "access/LittleEndian.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

namespace namewright {

namespace {

constexpr std::size_t kSignatureOffset = 0x04;
constexpr std::size_t kVersionOffset = 0x14;
constexpr std::size_t kMaskedOffset = 0x18;
constexpr std::size_t kCodePageOffset = 0x3c;
constexpr std::size_t kPasswordOffset = 0x42;
constexpr std::size_t kCreationDateOffset = 0x72;

/// XORs `bytes` with the RC4 key stream of `key` (the masking Jet applies to its header block).
void applyRc4(std::span<const unsigned char> key, std::span<unsigned char> bytes) {
    std::array<unsigned char, 256> state{};
    for (std::size_t i = 0; i < state.size(); ++i) {
        state[i] = static_cast<unsigned char>(i);
    }
    unsigned j = 0;
    for (std::size_t i = 0; i < state.size(); ++i) {
        j = (j + state[i] + key[i % key.size()]) & 0xffU;
        std::swap(state[i], state[j]);
    }
    unsigned a = 0;
    unsigned b = 0;
    for (unsigned char& byte : bytes) {
        a = (a + 1) & 0xffU;
        b = (b + state[a]) & 0xffU;
        std::swap(state[a], state[b]);
        byte ^= state[(state[a] + state[b]) & 0xffU];
    }
}

/// Jet 4 masks each password byte once more with the whole-day part of the creation date. A date that is not a
/// number of days in the 32-bit range cannot come from Access: the header is damaged.
std::optional<std::array<unsigned char, 4>> creationDateMask(const unsigned char* dateBytes) {
    double date = 0;
    std::memcpy(&date, dateBytes, sizeof date);
    if (!std::isfinite(date) || date <= -2147483648.0 || date >= 2147483648.0) {
        return std::nullopt;
    }
    const auto days = static_cast<std::uint32_t>(static_cast<std::int32_t>(date));
    return std::array<unsigned char, 4>{static_cast<unsigned char>(days), static_cast<unsigned char>(days >> 8),
                                        static_cast<unsigned char>(days >> 16), static_cast<unsigned char>(days >> 24)};
}

} // namespace

std::optional<AccessHeader> readAccessHeader(std::span<const unsigned char> firstBytes) {
    if (firstBytes.size() < kAccessHeaderBytes || firstBytes[0] != 0) {
        return std::nullopt;
    }
    using namespace std::string_view_literals;
    const std::string_view signature(reinterpret_cast<const char*>(firstBytes.data()) + kSignatureOffset, 16);
    if (signature != "Standard Jet DB\0"sv && signature != "Standard ACE DB\0"sv) {
        return std::nullopt;
    }

    AccessHeader header;
    const std::uint32_t version = littleEndian32(firstBytes.data() + kVersionOffset);
    if (version == 0) {
        header.version = AccessVersion::Jet3;
        header.pageSize = 2048;
    } else if (version == 1) {
        header.version = AccessVersion::Jet4;
        header.pageSize = 4096;
    } else if (version <= 6) {
        header.version = AccessVersion::Ace;
        header.pageSize = 4096;
    } else {
        return std::nullopt;
    }

    const bool jet3 = header.version == AccessVersion::Jet3;
    std::array<unsigned char, kAccessHeaderBytes> page{};
    std::copy_n(firstBytes.begin(), page.size(), page.begin());
    constexpr std::array<unsigned char, 4> kMaskKey{0xc7, 0xda, 0x39, 0x6b};
    applyRc4(kMaskKey, std::span(page).subspan(kMaskedOffset, jet3 ? 126 : 128));

    header.codePage = static_cast<std::uint16_t>(page[kCodePageOffset] | page[kCodePageOffset + 1] << 8);

    const std::span<const unsigned char> password(page.data() + kPasswordOffset, jet3 ? 20 : 40);
    std::array<unsigned char, 4> mask{};
    if (!jet3) {
        const auto dateMask = creationDateMask(page.data() + kCreationDateOffset);
        if (!dateMask) {
            return std::nullopt;
        }
        mask = *dateMask;
    }
    for (std::size_t i = 0; i < password.size(); ++i) {
        if ((password[i] ^ mask[i % mask.size()]) != 0) {
            header.hasPassword = true;
        }
    }
    return header;
}

} // namespace namewright
