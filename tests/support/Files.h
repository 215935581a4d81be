#pragma once
// Whole files as bytes, and damage done to copies of database files.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace namewright::testing {

/// The whole file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);

/// Writes bytes to a file, replacing it.
void writeFile(const std::filesystem::path& path, std::string_view bytes);

/// Overwrites pages firstPage..lastPage (1-based, as SQLite numbers them; page 1 holds the header and the schema) of
/// an SQLite file with a fixed pattern of bytes that is no valid page, and moves its modification time on by a second
/// (as any later write would move it). The page size is read from the file's header. Returns false when the file is
/// not that long.
bool overwriteSqlitePages(const std::filesystem::path& path, std::size_t firstPage, std::size_t lastPage);

} // namespace namewright::testing
