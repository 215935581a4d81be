#pragma once
// Standard output of namewright-cli as a stream buffer over a file descriptor that remembers why a write failed, so
// that a full disk, a closed descriptor or any other failed write ends the command with its cause named instead of
// passing unnoticed.

#include <array>
#include <streambuf>

namespace namewright::cli {

class OutputFile : public std::streambuf {
public:
    /// Writes to `descriptor`, which stays open (and is not closed) for the buffer's life.
    explicit OutputFile(int descriptor);
    ~OutputFile() override;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// The errno of the first write that failed; 0 while none has. From then on every write fails, so the stream
    /// over the buffer goes bad and stays bad.
    int error() const { return m_error; }

protected:
    int_type overflow(int_type character) override;
    int sync() override;
    std::streamsize xsputn(const char_type* text, std::streamsize count) override;

private:
    /// Writes the buffered bytes out whole (write(2) again after a partial write or EINTR); false once a write fails.
    bool drain();

    int m_descriptor;
    int m_error = 0;
    std::array<char, 1 << 16> m_buffer{};
};

} // namespace namewright::cli
