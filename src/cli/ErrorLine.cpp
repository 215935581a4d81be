#include "cli/ErrorLine.h"

#include <cstdint>

namespace namewright::cli {

namespace {

/// The length of the well-formed UTF-8 sequence at the start of `text` (RFC 3629: no overlong form, no surrogate,
/// nothing above U+10FFFF); 0 when the first byte starts none.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

void appendHex(std::string& out, std::string_view bytes) {
    constexpr std::string_view kHex = "0123456789abcdef";
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        out += "\\x";
        out += kHex[byte >> 4U];
        out += kHex[byte & 0xFU];
    }
}

} // namespace

std::string escapedForTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        const std::string_view piece = text.substr(0, length == 0 ? 1 : length);
        const auto lead = static_cast<std::uint8_t>(piece[0]);
        if (piece == "\t") {
            out += "\\t";
        } else if (piece == "\n") {
            out += "\\n";
        } else if (piece == "\r") {
            out += "\\r";
        } else if (length == 0 || lead < 0x20 || lead == 0x7F ||
                   (lead == 0xC2 && static_cast<std::uint8_t>(piece[1]) < 0xA0)) {
            appendHex(out, piece);
        } else {
            out += piece;
        }
        text.remove_prefix(piece.size());
    }
    return out;
}

void writeErrorLine(std::ostream& err, std::string_view text) {
    err << escapedForTerminal(text) << '\n';
}

} // namespace namewright::cli
