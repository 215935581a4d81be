#include "text/Utf8.h"

#include "text/GbkText.h"

namespace namewright {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length == 1) {
            out.push_back(lead < 0x80 ? char32_t{lead} : kReplacement);
        } else {
            // A well-formed sequence: the lead's payload bits, then six bits from each continuation byte.
            char32_t value = lead & (0x7FU >> length);
            for (std::size_t k = 1; k < length; ++k) {
                value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3FU);
            }
            out.push_back(value);
        }
        i += length;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = kReplacement;
    }
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::string utf8Of(char32_t codePoint) {
    std::string out;
    appendUtf8(out, codePoint);
    return out;
}

} // namespace namewright
