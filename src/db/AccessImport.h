#pragma once
// Importing an Access database file (Jet 3 or Jet 4 .mdb; ACE .accdb as far as mdbtools reads it) into SQLite, so
// that the query catalogue serves a user's own Access hun.mdb exactly as it serves the shipped SQLite file.

#include <filesystem>
#include <string_view>

namespace SQLite {
class Database;
}

namespace namewright {

/// Column kinds (字段类型) of an Access table, as the file records them.
enum class AccessKind {
    Text,          ///< short text, at most 255 characters
    Memo,          ///< long text; hyperlinks are memos too
    Byte,          ///< unsigned 8-bit integer
    Integer,       ///< signed 16-bit integer
    LongInteger,   ///< signed 32-bit integer, also AutoNumber
    Single,        ///< single-precision number
    Double,        ///< double-precision number
    DateTime,      ///< days since 1899-12-30, the fraction being the time of day
    YesNo,         ///< boolean
    Currency,      ///< signed 64-bit count of ten-thousandths
    Decimal,       ///< scaled 128-bit integer
    ReplicationId, ///< GUID
    Binary,        ///< fixed binary field of at most 255 bytes
    OleObject,     ///< OLE object or long binary data
    Complex,       ///< attachment or multi-valued field (ACE)
    Unknown,       ///< a type number this program does not know
};

/// The SQLite type an imported column of the kind is declared with. Each name makes columnKindFromDeclaredType give
/// the kind the reference-tables listing renders by, and gives the column an SQLite affinity that stores its values
/// unchanged:
///
/// | Access kind                   | declared type | stored value                                              |
/// |-------------------------------|---------------|-----------------------------------------------------------|
/// | Text                          | TEXT(n)       | text; n is the field size in characters                   |
/// | Memo                          | LONGTEXT      | text (text affinity: "007" stays "007")                   |
/// | Byte, Integer, Long Integer   | BYTE, SMALLINT, LONG | integer                                            |
/// | Single, Double                | REAL, DOUBLE  | floating point (real affinity: 0 stays 0.0)               |
/// | Date/Time                     | DATETIME      | text "YYYY-MM-DD HH:MM:SS", proleptic Gregorian           |
/// | Yes/No                        | BOOLEAN       | integer 1 (yes) or 0 (no)                                 |
/// | Currency                      | CURRENCY TEXT | text with four decimals, e.g. "-12.3400" (exact)          |
/// | Decimal                       | DECIMAL TEXT  | text, e.g. "3.14" (exact)                                 |
/// | Replication ID                | GUID          | text "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"              |
/// | Binary                        | BINARY        | blob                                                      |
/// | OLE object                    | LONGBINARY    | NULL: OLE objects are not read                            |
/// | Attachment, multi-value       | COMPLEX       | NULL: not read                                            |
/// | unknown                       | UNKNOWN       | NULL                                                      |
///
/// Only Text, Byte, Integer, Long Integer, Single, Double and Date/Time columns are shown by the listing; the others
/// read as ColumnKind::Other. A Text column's declared type carries its size: declaredTypeOf gives the bare "TEXT".
std::string_view declaredTypeOf(AccessKind kind);

/// Copies every user table of the Access file into `target`, an empty writable SQLite connection: one table per
/// Access table (system tables, linked tables and queries are left out), columns in stored order declared as above,
/// rows in stored order, NULL fields as NULL. Texts become UTF-8: Jet 4 texts are UTF-16 (characters outside the
/// Basic Multilingual Plane included); Jet 3 texts are decoded by the code page in the file's header (936 = GBK).
///
/// Returns false, quietly, when the file is missing, is not an Access database, is protected by a password, names a
/// code page this system cannot decode, or is truncated or damaged (a page it refers to lies outside the file, a
/// table reads fewer rows than its definition counts, a memo's chain is broken); `target` may then hold part of the
/// import and should be discarded. A table SQLite refuses (a name starting with "sqlite_", which SQLite keeps for
/// itself) is left out.
///
/// Runs mdbtools' libmdb, whose state is not thread-safe: calls are serialised internally.
bool importAccessDatabase(const std::filesystem::path& file, SQLite::Database& target);

} // namespace namewright
