#pragma once
// Opening an SQLite file read-only so that nothing is ever written beside it, whatever its journal mode. Both files
// the program reads (the naming database and the character knowledge file) open through this.

#include <filesystem>
#include <string>

namespace namewright {

/// How to open one SQLite file read-only, or why it cannot be opened so.
struct ReadOnlySqlite {
    /// The URI to open with SQLite::OPEN_READONLY | SQLite::OPEN_URI; empty when `refusal` is set.
    /// A file in rollback-journal mode opens as "file:///<absolute path>?mode=ro", with SQLite's ordinary shared lock.
    /// A file in WAL mode adds "&immutable=1": SQLite then reads the file alone, without locks and without the -wal
    /// and -shm files it would otherwise create beside it. That is sound only while the write-ahead log is empty, that
    /// is while no program has the file open for writing, so a non-empty -wal file beside it refuses the file.
    std::string uri;
    /// Why the file is refused, in words; empty when `uri` is set.
    std::string refusal;
};

/// Reads the file's header (bytes 18 and 19 say rollback journal or WAL) and looks for its -wal file. A file too
/// short for an SQLite header gets the ordinary URI: SQLite refuses it as it would any other damaged file.
ReadOnlySqlite readOnlySqlite(const std::filesystem::path& file);

/// The path as an SQLite "file:" URI without a query: absolute, every byte but unreserved ones and '/' written %HH.
std::string sqliteFileUri(const std::filesystem::path& file);

} // namespace namewright
