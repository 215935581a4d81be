#include "text/GbkText.h"

namespace namewright {

namespace {

unsigned char byteAt(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0U) == 0x80U;
}

} // namespace

std::size_t utf8SequenceLength(std::string_view text, std::size_t pos) {
    const unsigned char lead = byteAt(text, pos);
    if (lead < 0x80U) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char minSecond = 0x80U;
    unsigned char maxSecond = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        length = 2;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        length = 3;
        if (lead == 0xE0U) {
            minSecond = 0xA0U; // overlong below U+0800
        } else if (lead == 0xEDU) {
            maxSecond = 0x9FU; // UTF-16 surrogates
        }
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        length = 4;
        if (lead == 0xF0U) {
            minSecond = 0x90U; // overlong below U+10000
        } else if (lead == 0xF4U) {
            maxSecond = 0x8FU; // above U+10FFFF
        }
    } else {
        return 1;
    }
    if (pos + length > text.size()) {
        return 1;
    }
    const unsigned char second = byteAt(text, pos + 1);
    if (second < minSecond || second > maxSecond) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(byteAt(text, pos + i))) {
            return 1;
        }
    }
    return length;
}

std::size_t gbkWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        width += byteAt(utf8, pos) < 0x80U ? 1 : 2;
        pos += utf8SequenceLength(utf8, pos);
    }
    return width;
}

std::string_view gbkSlice(std::string_view utf8, std::size_t fromGbkBytes, std::size_t lengthGbkBytes) {
    const std::size_t endGbkBytes = fromGbkBytes + lengthGbkBytes;
    std::size_t width = 0;
    std::size_t pos = 0;
    // Skip every character that starts before the cut, including one that straddles it.
    while (pos < utf8.size() && width < fromGbkBytes) {
        width += byteAt(utf8, pos) < 0x80U ? 1 : 2;
        pos += utf8SequenceLength(utf8, pos);
    }
    const std::size_t begin = pos;
    while (pos < utf8.size()) {
        const std::size_t charWidth = byteAt(utf8, pos) < 0x80U ? 1 : 2;
        if (width + charWidth > endGbkBytes) {
            break;
        }
        width += charWidth;
        pos += utf8SequenceLength(utf8, pos);
    }
    return utf8.substr(begin, pos - begin);
}

std::string_view gbkPrefix(std::string_view utf8, std::size_t maxGbkBytes) {
    return gbkSlice(utf8, 0, maxGbkBytes);
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) {
        pos += utf8SequenceLength(utf8, pos);
    }
    return count;
}

} // namespace namewright
