#pragma once
// GBK width helpers (GBK 宽度): the program keeps every text in UTF-8 but measures and cuts texts the way the
// GBK code page lays them out, where an ASCII character takes 1 byte and any other character 2 bytes.
//
// Malformed UTF-8 has a defined reading: every byte that does not start a well-formed sequence (a stray
// continuation byte, a truncated sequence, an overlong form, a surrogate or a value above U+10FFFF) is one
// character of its own, 1 byte long in the UTF-8 text and 2 GBK bytes wide, just as a UTF-8 decoder would turn it
// into one replacement character.

#include <cstddef>
#include <string>
#include <string_view>

namespace namewright {

/// Length in UTF-8 bytes of the character starting at text[pos] (1 for a malformed byte). pos < text.size().
std::size_t utf8SequenceLength(std::string_view text, std::size_t pos);

/// GBK width of a UTF-8 text: 1 per ASCII character, 2 per other character.
std::size_t gbkWidth(std::string_view utf8);

/// The longest leading part of a UTF-8 text that is at most maxGbkBytes wide, never splitting a character.
/// gbkPrefix("李明", 2) is "李"; gbkPrefix("李明", 3) is also "李"; gbkPrefix("ab李", 3) is "ab".
std::string_view gbkPrefix(std::string_view utf8, std::size_t maxGbkBytes);

/// The part of a UTF-8 text that starts after the first fromGbkBytes GBK bytes and is at most lengthGbkBytes wide.
/// A character that straddles either boundary is left out.
std::string_view gbkSlice(std::string_view utf8, std::size_t fromGbkBytes, std::size_t lengthGbkBytes);

/// Number of characters of a UTF-8 text (a malformed byte counts as one character).
std::size_t characterCount(std::string_view utf8);

} // namespace namewright
