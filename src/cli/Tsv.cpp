#include "cli/Tsv.h"

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

} // namespace namewright::cli
