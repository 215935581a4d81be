#include "support/Files.h"

#include <SQLiteCpp/SQLiteCpp.h>

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

namespace {

void moveModificationTimeOn(const std::filesystem::path& path, std::filesystem::file_time_type written) {
    // File times tick coarsely (a few milliseconds): make sure the damage shows as a later write.
    std::filesystem::last_write_time(path, written + std::chrono::seconds(1));
}

} // namespace

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
    moveModificationTimeOn(path, written);
    return true;
}

bool flipBitInFile(const std::filesystem::path& path, std::string_view bytes) {
    std::string content = readFile(path);
    const std::size_t at = content.find(bytes);
    if (bytes.empty() || at == std::string::npos) {
        return false;
    }
    char& last = content[at + bytes.size() - 1];
    last = static_cast<char>(last ^ 1);
    const auto written = std::filesystem::last_write_time(path);
    writeFile(path, content);
    moveModificationTimeOn(path, written);
    return true;
}

bool flipBitInIndexEntry(const std::filesystem::path& path, std::string_view index, std::string_view key) {
    std::size_t page = 0;
    std::size_t pageSize = 0;
    {
        SQLite::Database db(path.string(), SQLite::OPEN_READONLY);
        SQLite::Statement root(db, "SELECT rootpage FROM sqlite_master WHERE type = 'index' AND name = ?");
        root.bind(1, std::string(index));
        if (!root.executeStep() || key.empty()) {
            return false;
        }
        page = static_cast<std::size_t>(root.getColumn(0).getInt64());
        pageSize = static_cast<std::size_t>(db.execAndGet("PRAGMA page_size").getInt64());
    }
    std::string bytes = readFile(path);
    if (page < 1 || bytes.size() < page * pageSize) {
        return false;
    }
    const std::size_t at = std::string_view(bytes).substr((page - 1) * pageSize, pageSize).find(key);
    if (at == std::string_view::npos) {
        return false;
    }
    char& last = bytes[(page - 1) * pageSize + at + key.size() - 1];
    last = static_cast<char>(last ^ 1);
    const auto written = std::filesystem::last_write_time(path);
    writeFile(path, bytes);
    moveModificationTimeOn(path, written);
    return true;
}

} // namespace namewright::testing
