#include "app/favourites/LargeBuffer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>

namespace namewright {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t roundUp(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

} // namespace

LargeBuffer::~LargeBuffer() {
    if (m_data != nullptr) {
        ::munmap(m_data, m_capacity);
    }
}

void LargeBuffer::adviseHugePages(void* data, std::size_t bytes) {
    char* begin = static_cast<char*>(data);
    const std::size_t skip = (kHugePage - reinterpret_cast<std::uintptr_t>(begin) % kHugePage) % kHugePage;
    if (bytes <= skip) {
        return;
    }
    const std::size_t length = (bytes - skip) / kHugePage * kHugePage;
    if (length > 0) {
        ::madvise(begin + skip, length, MADV_HUGEPAGE); // advice: its failure changes nothing
    }
}

bool LargeBuffer::grow(std::size_t capacity) {
    capacity = roundUp(capacity);
    void* memory = ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return false;
    }
    adviseHugePages(memory, capacity);
    if (m_data != nullptr) {
        std::memcpy(memory, m_data, m_size);
        ::munmap(m_data, m_capacity);
    }
    m_data = static_cast<char*>(memory);
    m_capacity = capacity;
    return true;
}

bool LargeBuffer::readAll(int fd, std::size_t expectedSize) {
    // One byte more than expected, so that a file that is as long as it said ends on the first read that returns 0.
    if (m_capacity < expectedSize + 1 && !grow(expectedSize + 1)) {
        return false;
    }
    while (true) {
        if (m_size == m_capacity && !grow(m_capacity * 2)) {
            return false;
        }
        const ssize_t got = ::read(fd, m_data + m_size, m_capacity - m_size);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        m_size += static_cast<std::size_t>(got);
    }
}

} // namespace namewright
