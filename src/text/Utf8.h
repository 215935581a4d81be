#pragma once
// UTF-8 to code points and back, for the character-by-character work of the knowledge and the shortlist. Decoding
// follows the one reading of malformed UTF-8 that GbkText.h defines (utf8SequenceLength): every byte that does not
// start a well-formed sequence is one character of its own.

#include <string>
#include <string_view>

namespace namewright {

/// The code points of a UTF-8 text. A byte that does not start a well-formed sequence (a stray continuation byte, a
/// truncated or overlong sequence, a surrogate, a value above U+10FFFF) reads as U+FFFD and decoding goes on with the
/// next byte.
std::u32string decodeUtf8(std::string_view text);

/// Appends the UTF-8 form of a code point; one that is no Unicode scalar value is written as U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

/// The UTF-8 text of one code point.
std::string utf8Of(char32_t codePoint);

} // namespace namewright
