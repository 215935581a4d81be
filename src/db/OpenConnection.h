#pragma once
// Opening the naming database file: recognising its format and checking it, before the query catalogue
// (NamingDatabase.h) ever runs a query on it.

#include "access/AccessFailure.h"

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace namewright {

/// Why a naming database file did not open.
enum class OpenFailure {
    None,             ///< open
    Unreadable,       ///< missing, not a regular file, or cannot be read
    UnknownFormat,    ///< neither an SQLite nor an Access file by its first bytes
    SqliteRefused,    ///< SQLite would not open the file read-only
    FailedQuickCheck, ///< SQLite opened it, but `PRAGMA quick_check` found damage (or could not read the schema)
    AccessRefused,    ///< an Access file that could not be imported: OpenedConnection::accessFailure says why
};

std::string_view nameOf(OpenFailure failure);
std::ostream& operator<<(std::ostream& out, OpenFailure failure);

/// An open connection, or why there is none.
struct OpenedConnection {
    std::unique_ptr<SQLite::Database> connection; ///< nullptr unless failure is OpenFailure::None
    OpenFailure failure = OpenFailure::None;
    AccessFailure accessFailure = AccessFailure::None; ///< for OpenFailure::AccessRefused
};

/// Opens the file read-only after recognising its format by its header (DatabaseFormat.h). An SQLite file is opened
/// in place, keeps its shared lock for as long as it is open, and must pass `PRAGMA quick_check` (every page is read
/// once, indexes are not compared with their tables; 2 to 7 ms on the shipped file, bench_database_open), so that a
/// damaged file is treated like a missing one instead of answering lookups from whatever pages survived. The check
/// runs once per file: a further connection to the file last checked, with the same path, size and modification
/// time, skips it. An Access (Jet 3, Jet 4)
/// file is imported into memory once (AccessConnection.h) and gets the indexes of the shipped schema. Never throws.
OpenedConnection openConnection(const std::filesystem::path& file);

} // namespace namewright
