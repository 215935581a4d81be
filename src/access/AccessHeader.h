#pragma once
// The first page (页头) of an Access database file: format version, page size, code page and password mark.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace namewright {

enum class AccessVersion {
    Jet3, ///< Access 97 and earlier: 2048-byte pages, texts in the file's code page
    Jet4, ///< Access 2000 to 2003: 4096-byte pages, texts in UTF-16 (optionally compressed)
    Ace,  ///< Access 2007 and later (.accdb): laid out like Jet 4
};

struct AccessHeader {
    AccessVersion version = AccessVersion::Jet3;
    std::size_t pageSize = 0;   ///< bytes per page: 2048 for Jet 3, 4096 otherwise
    std::uint16_t codePage = 0; ///< Windows code page of Jet 3 texts (936 = GBK); 0 when the file names none
    bool hasPassword = false;   ///< a database password is set (Access asks for it before opening)
    bool operator==(const AccessHeader&) const = default;
};

/// Smallest number of bytes readAccessHeader needs: the masked header block ends at 0x98.
inline constexpr std::size_t kAccessHeaderBytes = 0x98;

/// Reads the header of an Access file from its first bytes. std::nullopt when they are not the first page of a Jet 3,
/// Jet 4 or ACE database (wrong page type, signature or version number, or fewer than kAccessHeaderBytes bytes).
///
/// The block from 0x18 is stored masked with a fixed RC4 key stream. Unmasked, it holds the code page at 0x3c and the
/// password at 0x42: 20 bytes for Jet 3, all zero without a password; 40 bytes for Jet 4 and ACE, each further masked
/// with the four little-endian bytes of the whole-day part of the creation date stored at 0x72.
std::optional<AccessHeader> readAccessHeader(std::span<const unsigned char> firstBytes);

} // namespace namewright
