#pragma once
// The one line namewright-cli writes to standard error: texts the user gave (an option's value, a path, an unknown
// command) are echoed in it, and one of them may hold a line break or a terminal's escape sequence.

#include <ostream>
#include <string>
#include <string_view>

namespace namewright::cli {

/// The text with every control character written as an escape, so that it stays on one line and no byte of it
/// drives the terminal: tab, LF and CR as \t, \n and \r, any other C0 control character, DEL and a C1 control
/// character (U+0080 to U+009F) as \xHH for each of its bytes, and a byte that is not part of well-formed UTF-8 as
/// \xHH too. Everything else, Chinese text included, is kept as it is.
std::string escapedForTerminal(std::string_view text);

/// Writes `text`, escaped, and a line feed.
void writeErrorLine(std::ostream& err, std::string_view text);

} // namespace namewright::cli
