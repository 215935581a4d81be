// The GBK width helpers on arbitrary bytes (any UTF-8, valid or not): every result keeps the promises of GbkText.h,
// checked here, so a broken promise stops the fuzzer like a crash.

#include "text/GbkText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool promise) {
    if (!promise) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes choose the byte counts; the rest is the text.
    const std::size_t from = data[0] % 64;
    const std::size_t length = data[1] % 64;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    std::size_t characters = 0;
    std::size_t width = 0;
    for (std::size_t pos = 0; pos < text.size(); ++characters) {
        const std::size_t sequence = namewright::utf8SequenceLength(text, pos);
        require(sequence >= 1 && sequence <= 4 && pos + sequence <= text.size());
        width += sequence == 1 && static_cast<unsigned char>(text[pos]) < 0x80 ? 1 : 2;
        pos += sequence;
    }
    require(namewright::characterCount(text) == characters);
    require(namewright::gbkWidth(text) == width);

    const std::string_view prefix = namewright::gbkPrefix(text, length);
    require(text.substr(0, prefix.size()) == prefix);
    require(namewright::gbkWidth(prefix) <= length);

    const std::string_view slice = namewright::gbkSlice(text, from, length);
    require(slice.empty() || text.find(slice) != std::string_view::npos);
    require(namewright::gbkWidth(slice) <= length);
    return 0;
}
