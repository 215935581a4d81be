#pragma once
// Memory for large texts read whole (a favourites file of 100,000 entries is about 90 MB), taken from the system in
// huge pages where it grants them: every first touch of an ordinary 4 KB page is a page fault, and on a virtual
// machine those faults cost more than reading the text.

#include <cstddef>
#include <string_view>

namespace namewright {

class LargeBuffer {
public:
    LargeBuffer() = default;
    ~LargeBuffer();
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;

    /// Reads from the open descriptor `fd` until its end, `expectedSize` bytes being what it likely holds (more or
    /// fewer are read as they come). False when a read failed or no memory was had; what was read stays readable.
    bool readAll(int fd, std::size_t expectedSize);

    std::string_view text() const { return {m_data, m_size}; }

    /// Asks the system to back the whole 2 MB blocks inside [data, data + bytes) with huge pages: only advice, for
    /// memory not touched yet (a large vector just reserved, which the allocator maps on its own).
    static void adviseHugePages(void* data, std::size_t bytes);

private:
    bool grow(std::size_t capacity);

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace namewright
