#pragma once
// Recognising the file format of a naming database by its first bytes.

#include <filesystem>

namespace namewright {

enum class DatabaseFormat {
    Unreadable, ///< missing, not a regular file, or cannot be read
    Sqlite,     ///< starts with "SQLite format 3\0"
    Access,     ///< a Jet/ACE file: "Standard Jet DB\0" or "Standard ACE DB\0" at offset 4
    Unknown,    ///< readable but none of the above
};

/// Reads at most the first 20 bytes of the file; never throws.
DatabaseFormat sniffDatabaseFormat(const std::filesystem::path& file);

} // namespace namewright
