#pragma once
// The data of an Access long value (长值: a memo's text, an OLE object's bytes), which a row refers to with a
// 12-byte reference: held in the reference itself, in one row of another page, or in a chain of rows across pages.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace namewright {

/// Reads page `page` of the file: its pageSize bytes, or an empty span when the page lies outside the file or
/// cannot be read. The bytes need only stay valid until the next call.
using PageSource = std::function<std::span<const unsigned char>(std::uint32_t page)>;

/// Where a data page keeps its rows: the row count is a 16-bit number at rowCountOffset (0x08 in Jet 3, 0x0c from
/// Jet 4 on), followed by one 16-bit start offset per row; the low 13 bits of an offset give the position. Rows fill
/// the page from its end, so a row ends where the row before it starts (row 0 at the end of the page).
struct DataPageLayout {
    std::size_t pageSize = 0;
    std::size_t rowCountOffset = 0;
};

/// Bytes in a long value's reference: 4 for length and flags, 4 for the page and row of its data, 4 unused.
inline constexpr std::size_t kLongValueReferenceBytes = 12;

/// The stored bytes of the long value whose reference is `reference` (the field as its row holds it). The first four
/// bytes (little-endian) hold the length in bytes in their low 24 bits and say where the data lies in their top bits:
/// 0x80 right after the reference; 0x40 in row `r & 0xff` of page `r >> 8`, r being the next four bytes; 0 in a
/// chain of such rows, each starting with the four-byte page and row of the next (0 ends the chain).
///
/// std::nullopt when the data cannot be read whole: a page outside the file or not a data page (type 0x01), a row
/// that is not on its page, a chain that ends early or comes back to a row it has passed. A field shorter than a
/// reference holds an empty value. Visits each row of a chain at most once, so it always ends.
std::optional<std::string> readLongValue(std::span<const unsigned char> reference, const DataPageLayout& layout,
                                         const PageSource& pages);

} // namespace namewright
