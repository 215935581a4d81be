#pragma once
// Tab-separated output: one line per row, cells joined by a tab, the line ended by LF. A tab, CR, LF or backslash
// inside a cell is written as \t, \r, \n or \\, so that every row stays one line.

#include "naming/ResultRowReader.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace namewright::cli {

/// The cell as the output writes it.
std::string tsvCell(std::string_view text);

/// Writes one row.
void writeTsvRow(std::ostream& out, std::span<const std::string> cells);

/// Writes rows `first` to `last` - 1 of the reader's store as TSV lines, the same bytes as writeTsvRow() of their
/// ResultStore::rowCells(): formatted from the stored numbers and the reader's texts into `buffer`, written out in
/// pieces of about 64 KiB. The reader must escape its texts with tsvCell().
void writeResultRows(std::ostream& out, ResultRowReader& reader, std::size_t first, std::size_t last,
                     std::string& buffer);

} // namespace namewright::cli
