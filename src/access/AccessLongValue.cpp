#include "access/AccessLongValue.h"

#include "access/LittleEndian.h"

#include <algorithm>
#include <unordered_set>

namespace namewright {

namespace {

constexpr unsigned char kDataPage = 0x01;
constexpr unsigned kRowOffsetMask = 0x1fff;
constexpr std::uint32_t kLengthMask = 0x00ffffff;
constexpr std::uint32_t kInline = 0x80000000;
constexpr std::uint32_t kOneRow = 0x40000000;

/// The bytes of row `pageRow & 0xff` of page `pageRow >> 8`; empty when there is no such row.
std::span<const unsigned char> rowOf(std::uint32_t pageRow, const DataPageLayout& layout, const PageSource& pages) {
    const std::uint32_t pageNumber = pageRow >> 8;
    const std::size_t row = pageRow & 0xffU;
    if (pageNumber == 0) {
        return {}; // page 0 is the file header
    }
    const std::span<const unsigned char> page = pages(pageNumber);
    const std::size_t countOffset = layout.rowCountOffset;
    if (page.size() != layout.pageSize || page[0] != kDataPage || countOffset + 2 > page.size()) {
        return {};
    }
    const std::size_t rows = littleEndian16(page.data() + countOffset);
    const std::size_t offsetsEnd = countOffset + 2 + 2 * rows;
    if (row >= rows || offsetsEnd > page.size()) {
        return {};
    }
    const std::size_t start = littleEndian16(page.data() + countOffset + 2 + 2 * row) & kRowOffsetMask;
    const std::size_t end =
        row == 0 ? page.size() : littleEndian16(page.data() + countOffset + 2 * row) & kRowOffsetMask;
    if (start < offsetsEnd || start >= end || end > page.size()) {
        return {};
    }
    return page.subspan(start, end - start);
}

std::string textOf(std::span<const unsigned char> bytes) {
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

} // namespace

std::optional<std::string> readLongValue(std::span<const unsigned char> reference, const DataPageLayout& layout,
                                         const PageSource& pages) {
    if (reference.size() < kLongValueReferenceBytes) {
        return std::string();
    }
    const std::uint32_t head = littleEndian32(reference.data());
    const std::size_t length = head & kLengthMask;
    const std::uint32_t firstRow = littleEndian32(reference.data() + 4);
    if ((head & kInline) != 0) {
        if (length > reference.size() - kLongValueReferenceBytes) {
            return std::nullopt;
        }
        return textOf(reference.subspan(kLongValueReferenceBytes, length));
    }
    if ((head & kOneRow) != 0) {
        const auto row = rowOf(firstRow, layout, pages);
        if (row.empty() || row.size() < length) {
            return std::nullopt;
        }
        return textOf(row.first(length));
    }
    if ((head & ~kLengthMask) != 0) {
        return std::nullopt;
    }
    std::string bytes;
    std::unordered_set<std::uint32_t> visited;
    std::uint32_t next = firstRow;
    while (bytes.size() < length) {
        if (next == 0 || !visited.insert(next).second) {
            return std::nullopt;
        }
        const auto row = rowOf(next, layout, pages);
        if (row.size() < 4) {
            return std::nullopt;
        }
        next = littleEndian32(row.data());
        const auto data = row.subspan(4);
        bytes += textOf(data.first(std::min(data.size(), length - bytes.size())));
    }
    return bytes;
}

} // namespace namewright
