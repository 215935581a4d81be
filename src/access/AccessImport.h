#pragma once
// Importing an Access database file (Jet 3 or Jet 4 .mdb; ACE .accdb as far as mdbtools reads it) into SQLite, so
// that the query catalogue serves a user's own Access hun.mdb exactly as it serves the shipped SQLite file.

#include "access/AccessFailure.h"

#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <vector>

namespace namewright {

/// Copies every user table of the Access file into `target`, an empty writable SQLite connection: one table per
/// Access table (system tables, linked tables and queries are left out), columns in stored order declared as
/// declaredTypeOf (AccessKind.h) says, rows in stored order, NULL fields as NULL. Texts become UTF-8: Jet 4 texts are
/// UTF-16 (characters outside the Basic Multilingual Plane included); Jet 3 texts are decoded by the code page in
/// the file's header (936 = GBK).
///
/// Returns AccessFailure::None when the whole file was read, otherwise the first reason it could not be (a missing
/// file, not an Access database, a password, a code page this system cannot decode, a truncated or damaged file: a
/// page it refers to lies outside the file, a table reads fewer rows than its definition counts, a memo's chain is
/// broken). After a failure nothing of the import is left in `target`. A table SQLite refuses (a name starting with
/// "sqlite_", which SQLite keeps for itself) is left out. Never throws.
///
/// Runs mdbtools' libmdb, whose state is not thread-safe: calls are serialised internally.
AccessFailure importAccessDatabase(const std::filesystem::path& file, SQLite::Database& target);

/// The same for the bytes of a whole file already in memory (the fuzz target's way in). libmdb reads them in place.
AccessFailure importAccessBytes(std::vector<unsigned char>& bytes, SQLite::Database& target);

} // namespace namewright
