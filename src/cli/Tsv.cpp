#include "cli/Tsv.h"

#include <array>
#include <charconv>

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

void writeResultRows(std::ostream& out, ResultRowReader& reader, std::size_t first, std::size_t last,
                     std::string& buffer) {
    constexpr std::size_t kPiece = std::size_t{1} << 16;
    const auto number = [&buffer](int value) {
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
        buffer.append(digits.data(), end);
    };
    reader.read(first, last, [&](const ResultRowReader::Row& row) {
        buffer += row.family;
        buffer += row.first;
        buffer += row.second;
        buffer += '\t';
        number(row.score);
        for (const int grid : {row.grids.heaven, row.grids.person, row.grids.earth, row.grids.outer, row.grids.total}) {
            buffer += '\t';
            number(grid);
        }
        buffer += '\t';
        buffer += row.threeTalentsKey;
        buffer += '\t';
        buffer += row.elementText;
        buffer += '\n';
        if (buffer.size() >= kPiece) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    });
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    buffer.clear();
}

} // namespace namewright::cli
