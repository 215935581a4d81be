#include "cli/OutputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace namewright::cli {

OutputFile::OutputFile(int descriptor) : m_descriptor(descriptor) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
}

OutputFile::~OutputFile() {
    drain();
}

bool OutputFile::drain() {
    const char* next = pbase();
    const char* const end = pptr();
    while (m_error == 0 && next < end) {
        const ssize_t written = ::write(m_descriptor, next, static_cast<std::size_t>(end - next));
        if (written < 0) {
            if (errno != EINTR) {
                m_error = errno;
            }
            continue;
        }
        if (written == 0) {
            m_error = EIO; // a regular file or pipe never takes nothing; do not spin on one that does
            continue;
        }
        next += written;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_error == 0;
}

OutputFile::int_type OutputFile::overflow(int_type character) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

int OutputFile::sync() {
    return drain() ? 0 : -1;
}

std::streamsize OutputFile::xsputn(const char_type* text, std::streamsize count) {
    std::streamsize taken = 0;
    while (taken < count) {
        if (m_error != 0) {
            return taken;
        }
        const std::streamsize room = epptr() - pptr();
        if (room == 0) {
            if (!drain()) {
                return taken;
            }
            continue;
        }
        const std::streamsize piece = std::min(room, count - taken);
        std::memcpy(pptr(), text + taken, static_cast<std::size_t>(piece));
        pbump(static_cast<int>(piece));
        taken += piece;
    }
    return taken;
}

} // namespace namewright::cli
