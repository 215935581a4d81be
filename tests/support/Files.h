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

/// Flips the lowest bit of the last byte of `bytes` where they first stand in the file, as one bad bit on a disk
/// would, and moves the file's modification time on by a second. Returns false when the file does not hold them.
bool flipBitInFile(const std::filesystem::path& path, std::string_view bytes);

/// Flips the lowest bit of the last byte of `key` where it first stands in the root page of the index `index` of an
/// SQLite file (an index of a few rows has no other page), as one bad bit on a disk would, and moves the file's
/// modification time on by a second. The table's row keeps its key, so only a check that compares the index with its
/// table finds the damage. Returns false when the key is not in that page.
bool flipBitInIndexEntry(const std::filesystem::path& path, std::string_view index, std::string_view key);

} // namespace namewright::testing
