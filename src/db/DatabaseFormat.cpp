#include "db/DatabaseFormat.h"

#include <array>
#include <fstream>
#include <string_view>

namespace namewright {

DatabaseFormat sniffDatabaseFormat(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return DatabaseFormat::Unreadable;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return DatabaseFormat::Unreadable;
    }
    std::array<char, 20> header{};
    in.read(header.data(), header.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    const std::string_view head(header.data(), got);

    using namespace std::string_view_literals;
    if (head.starts_with("SQLite format 3\0"sv)) {
        return DatabaseFormat::Sqlite;
    }
    if (got >= 20) {
        const std::string_view signature = head.substr(4, 16);
        if (signature == "Standard Jet DB\0"sv || signature == "Standard ACE DB\0"sv) {
            return DatabaseFormat::Access;
        }
    }
    return DatabaseFormat::Unknown;
}

} // namespace namewright
