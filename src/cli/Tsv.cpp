#include "cli/Tsv.h"

#include <array>
#include <charconv>
#include <cstring>

namespace namewright::cli {

std::string tsvCell(std::string_view text) {
    std::string cell;
    cell.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\t':
            cell += "\\t";
            break;
        case '\r':
            cell += "\\r";
            break;
        case '\n':
            cell += "\\n";
            break;
        case '\\':
            cell += "\\\\";
            break;
        default:
            cell += c;
        }
    }
    return cell;
}

void writeTsvRow(std::ostream& out, std::span<const std::string> cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            line += '\t';
        }
        line += tsvCell(cells[i]);
    }
    line += '\n';
    out << line;
}

namespace {

/// Room a line needs beyond its texts: a tab or LF after each of its nine cells and six numbers of at most 11 bytes.
constexpr std::size_t kLineNumbersRoom = 9 + 6 * 11;

/// The two digits of 0..99, for the small numbers of a line (scores and grids) without a division each.
constexpr std::array<char, 200> kTwoDigits = [] {
    std::array<char, 200> digits{};
    for (std::size_t i = 0; i < 100; ++i) {
        digits[2 * i] = static_cast<char>('0' + i / 10);
        digits[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return digits;
}();

/// Writes `value` at `at` in decimal, as std::to_chars does; returns the end.
[[gnu::always_inline]] inline char* putNumber(char* at, int value) {
    if (value >= 0 && value < 10) {
        *at = static_cast<char>('0' + value);
        return at + 1;
    }
    if (value >= 10 && value < 100) {
        const auto pair = static_cast<std::size_t>(value) * 2;
        at[0] = kTwoDigits[pair];
        at[1] = kTwoDigits[pair + 1];
        return at + 2;
    }
    return std::to_chars(at, at + 11, value).ptr;
}

/// Copies `text` to `at`; returns the end. The texts of a line are a few bytes each (a character is 3 in UTF-8), so
/// they go in pieces of fixed size, which the compiler turns into plain moves, rather than through a call of memcpy.
[[gnu::always_inline]] inline char* putText(char* at, std::string_view text) {
    const char* from = text.data();
    std::size_t left = text.size();
    while (left >= 8) {
        std::memcpy(at, from, 8);
        at += 8;
        from += 8;
        left -= 8;
    }
    if (left >= 4) {
        std::memcpy(at, from, 4);
        at += 4;
        from += 4;
        left -= 4;
    }
    if (left >= 2) {
        std::memcpy(at, from, 2);
        at += 2;
        from += 2;
        left -= 2;
    }
    if (left == 1) {
        *at++ = *from;
    }
    return at;
}

} // namespace

void writeResultRows(std::ostream& out, ResultRowReader& reader, std::size_t first, std::size_t last,
                     std::string& buffer) {
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    // The lines are formatted straight into the buffer's bytes; `used` of them are filled.
    if (buffer.size() < kPiece) {
        buffer.resize(kPiece);
    }
    std::size_t used = 0;
    const auto flush = [&] {
        out.write(buffer.data(), static_cast<std::streamsize>(used));
        used = 0;
    };
    reader.read(first, last, [&](const ResultRowReader::Row& row) {
        const std::size_t room = row.family.size() + row.first.size() + row.second.size() + row.threeTalentsKey.size() +
                                 row.elementText.size() + kLineNumbersRoom;
        if (buffer.size() - used < room) {
            flush();
            if (buffer.size() < room) {
                buffer.resize(room);
            }
        }
        char* at = buffer.data() + used;
        at = putText(at, row.family);
        at = putText(at, row.first);
        at = putText(at, row.second);
        *at++ = '\t';
        at = putNumber(at, row.score);
        for (const int grid : {row.grids.heaven, row.grids.person, row.grids.earth, row.grids.outer, row.grids.total}) {
            *at++ = '\t';
            at = putNumber(at, grid);
        }
        *at++ = '\t';
        at = putText(at, row.threeTalentsKey);
        *at++ = '\t';
        at = putText(at, row.elementText);
        *at++ = '\n';
        used = static_cast<std::size_t>(at - buffer.data());
        if (used >= kPiece) {
            flush();
        }
    });
    flush();
}

} // namespace namewright::cli
