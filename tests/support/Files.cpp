#include "support/Files.h"

#include <chrono>
#include <fstream>
#include <sstream>

namespace namewright::testing {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool overwriteSqlitePages(const std::filesystem::path& path, std::size_t firstPage, std::size_t lastPage) {
    std::string bytes = readFile(path);
    if (bytes.size() < 100 || firstPage < 1 || lastPage < firstPage) {
        return false;
    }
    // The page size is a big-endian 16-bit number at offset 16; 1 stands for 65536.
    std::size_t pageSize = static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
    if (pageSize == 1) {
        pageSize = 65536;
    }
    if (pageSize < 512 || bytes.size() < lastPage * pageSize) {
        return false;
    }
    for (std::size_t at = (firstPage - 1) * pageSize; at < lastPage * pageSize; ++at) {
        bytes[at] = static_cast<char>(0xA5 ^ (at * 31 % 251));
    }
    const auto written = std::filesystem::last_write_time(path);
    writeFile(path, bytes);
    // File times tick coarsely (a few milliseconds): make sure the damage shows as a later write.
    std::filesystem::last_write_time(path, written + std::chrono::seconds(1));
    return true;
}

} // namespace namewright::testing
