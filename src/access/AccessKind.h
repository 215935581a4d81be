#pragma once
// Column kinds (字段类型) of an Access table and the SQLite type each is imported as.

#include <string_view>

namespace namewright {

/// The kind of an Access column, as the file records it.
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

} // namespace namewright
