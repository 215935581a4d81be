#include "db/ReadOnlySqlite.h"

#include <array>
#include <fstream>

namespace namewright {

namespace {

/// Bytes 18 and 19 of the header: the file format write and read versions, 1 for rollback journal, 2 for WAL.
bool inWalMode(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<char, 20> header{};
    in.read(header.data(), header.size());
    return in.gcount() == static_cast<std::streamsize>(header.size()) && (header[18] == 2 || header[19] == 2);
}

bool holdsBytes(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    return !error && size > 0;
}

} // namespace

std::string sqliteFileUri(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    if (error) {
        absolute = file;
    }
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : absolute.string()) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~' || byte == '/';
        if (unreserved) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4U];
            uri += kHex[byte & 0xFU];
        }
    }
    return uri;
}

ReadOnlySqlite readOnlySqlite(const std::filesystem::path& file) {
    if (!inWalMode(file)) {
        return {sqliteFileUri(file) + "?mode=ro", {}};
    }
    std::filesystem::path log = file;
    log += "-wal";
    if (holdsBytes(log)) {
        return {{}, "its write-ahead log " + log.filename().string() + " holds changes not yet written into it"};
    }
    return {sqliteFileUri(file) + "?mode=ro&immutable=1", {}};
}

} // namespace namewright
