#pragma once
// Tab-separated output: one line per row, cells joined by a tab, the line ended by LF. A tab, CR, LF or backslash
// inside a cell is written as \t, \r, \n or \\, so that every row stays one line.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace namewright::cli {

/// The cell as the output writes it.
std::string tsvCell(std::string_view text);

/// Writes one row.
void writeTsvRow(std::ostream& out, std::span<const std::string> cells);

} // namespace namewright::cli
