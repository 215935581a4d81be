#pragma once
// Opening the naming database file: recognising its format and checking it, before the query catalogue
// (NamingDatabase.h) ever runs a query on it.

#include "access/AccessFailure.h"

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

namespace namewright {

/// Why a naming database file did not open. OpenedConnection::detail says more, in words, where there is more.
enum class OpenFailure {
    None,                 ///< open
    Unreadable,           ///< missing, not a regular file, or cannot be read
    UnknownFormat,        ///< neither an SQLite nor an Access file by its first bytes
    SqliteRefused,        ///< SQLite would not open the file read-only (detail: SQLite's message)
    FailedIntegrityCheck, ///< SQLite opened it, but `PRAGMA integrity_check` found damage (detail: its first
                          ///< finding), or the schema could not be read
    PendingWriteAhead,    ///< an SQLite file in WAL mode whose -wal file holds changes not yet in it (ReadOnlySqlite.h)
    AccessRefused,        ///< an Access file that could not be imported: OpenedConnection::accessFailure says why
    NotANamingDatabase,   ///< it opened, but lacks a table or column the program reads (detail: which, NamingSchema.h)
};

std::string_view nameOf(OpenFailure failure);
std::ostream& operator<<(std::ostream& out, OpenFailure failure);

/// An open connection, or why there is none.
struct OpenedConnection {
    std::unique_ptr<SQLite::Database> connection; ///< nullptr unless failure is OpenFailure::None
    OpenFailure failure = OpenFailure::None;
    AccessFailure accessFailure = AccessFailure::None; ///< for OpenFailure::AccessRefused
    std::string detail; ///< what the refusing check found, in words ("the table word1"); may be empty
};

/// Opens the file read-only after recognising its format by its header (DatabaseFormat.h). An SQLite file is opened
/// in place (ReadOnlySqlite.h: nothing is written beside it, in WAL mode too), keeps its shared lock for as long as it
/// is open, and must pass `PRAGMA integrity_check` (every page is read and every index compared with its table, so
/// that an index entry damaged by one flipped bit, which hides a row from lookups, is found; bench_database_open
/// measures it), so that a damaged file is treated like a missing one instead of answering lookups from whatever
/// survived. The check runs once per file: a further connection to the file last checked, with the same path, size
/// and modification time, skips it. An Access (Jet 3, Jet 4) file is imported into memory once (AccessConnection.h)
/// and gets the indexes of the shipped schema. Either must then have the six tables and the columns the program
/// reads (NamingSchema.h): a file that lacks one, such as the knowledge file characters.db, is refused like a missing
/// one. Never throws.
OpenedConnection openConnection(const std::filesystem::path& file);

} // namespace namewright
