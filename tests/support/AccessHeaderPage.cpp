#include "support/AccessHeaderPage.h"

#include <array>
#include <cstring>
#include <utility>

namespace namewright::testing {

namespace {

/// The RC4 key stream of Jet's header mask, XOR-ed into `bytes` (masking and unmasking are the same operation).
void applyHeaderMask(unsigned char* bytes, std::size_t size) {
    constexpr std::array<unsigned char, 4> kKey{0xc7, 0xda, 0x39, 0x6b};
    std::array<unsigned char, 256> state{};
    for (std::size_t i = 0; i < state.size(); ++i) {
        state[i] = static_cast<unsigned char>(i);
    }
    unsigned j = 0;
    for (std::size_t i = 0; i < state.size(); ++i) {
        j = (j + state[i] + kKey[i % kKey.size()]) & 0xffU;
        std::swap(state[i], state[j]);
    }
    unsigned a = 0;
    unsigned b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + 1) & 0xffU;
        b = (b + state[a]) & 0xffU;
        std::swap(state[a], state[b]);
        bytes[i] ^= state[(state[a] + state[b]) & 0xffU];
    }
}

} // namespace

std::string accessHeaderPage(const AccessHeaderFields& fields) {
    const bool jet3 = fields.version == AccessVersion::Jet3;
    std::string page(jet3 ? 2048 : 4096, '\0');
    auto* bytes = reinterpret_cast<unsigned char*>(page.data());
    bytes[1] = 0x01;
    const char* signature = fields.version == AccessVersion::Ace ? "Standard ACE DB" : "Standard Jet DB";
    std::memcpy(bytes + 4, signature, 16); // with its terminating NUL
    bytes[0x14] = jet3 ? 0 : (fields.version == AccessVersion::Jet4 ? 1 : 2);

    bytes[0x3c] = static_cast<unsigned char>(fields.codePage);
    bytes[0x3d] = static_cast<unsigned char>(fields.codePage >> 8);
    std::array<unsigned char, 4> mask{};
    if (!jet3) {
        std::memcpy(bytes + 0x72, &fields.creationDate, sizeof fields.creationDate);
        const auto days = static_cast<std::uint32_t>(static_cast<std::int32_t>(fields.creationDate));
        mask = {static_cast<unsigned char>(days), static_cast<unsigned char>(days >> 8),
                static_cast<unsigned char>(days >> 16), static_cast<unsigned char>(days >> 24)};
    }
    const std::size_t passwordBytes = jet3 ? 20 : 40;
    for (std::size_t i = 0; i < passwordBytes; ++i) {
        const auto character = i < fields.password.size() ? static_cast<unsigned char>(fields.password[i]) : 0;
        bytes[0x42 + i] = static_cast<unsigned char>(character ^ mask[i % mask.size()]);
    }
    applyHeaderMask(bytes + 0x18, jet3 ? 126 : 128);
    return page;
}

} // namespace namewright::testing
