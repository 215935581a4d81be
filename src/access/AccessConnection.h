#pragma once
// Connections to an Access naming database: the file is imported into SQLite once and every connection reads its
// own in-memory copy of that import.

#include "access/AccessFailure.h"

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <memory>
#include <span>

namespace namewright {

/// A connection to an Access file, or why there is none.
struct AccessConnection {
    std::unique_ptr<SQLite::Database> connection; ///< nullptr when the file cannot be imported
    AccessFailure failure = AccessFailure::None;  ///< why not; None with a connection
};

/// A read-only in-memory SQLite connection holding the user tables of the Access file (see importAccessDatabase),
/// with `indexStatements` run on them after the import; a statement that fails (say, on a table the file lacks) is
/// skipped.
///
/// The program opens several connections to the same file (the main window's, the interface thread's, one per
/// opening of the reference-tables window), so the import runs once per file path, size, modification time and set
/// of index statements, and is kept (one file at a time) for the connections that follow, which start from a copy
/// of it. Thread-safe.
AccessConnection openAccessConnection(const std::filesystem::path& file, std::span<const char* const> indexStatements);

} // namespace namewright
