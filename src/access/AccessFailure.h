#pragma once
// Why an Access file could not be read. The program itself treats every failure alike (the file does not open, with
// no message); the reason is for tests, the fuzz targets and anyone debugging a file that will not open.

#include <iosfwd>
#include <string_view>

namespace namewright {

enum class AccessFailure {
    None,                   ///< the file was read whole
    FileUnreadable,         ///< missing, not a regular file, larger than 2 GiB, or a read error
    NotAnAccessFile,        ///< the first page is not that of a Jet 3, Jet 4 or ACE database
    PasswordProtected,      ///< a database password is set
    NotWholePages,          ///< the size is not a whole number of pages, or the file ends before the object table
    UnsupportedCodePage,    ///< the code page named in the header has no decoder on this system
    LibraryRefused,         ///< libmdb would not open the file, or reads it with another page size than the header
    DamagedObjectTable,     ///< the object table MSysObjects (page 2) cannot be read or lacks its columns
    DamagedTableDefinition, ///< a table definition page is damaged or names a column without a name
    DamagedRow,             ///< a row cannot be taken apart, or one of its fields lies outside its page
    MissingRows,            ///< a table reads fewer rows than its definition counts (pages of it are missing)
    DamagedValue,           ///< a field's bytes do not fit its kind (a size, a precision, a broken memo chain)
    SqliteFailed,           ///< SQLite refused to take the imported tables (say, out of memory)
};

/// The enumerator's name, e.g. "MissingRows".
std::string_view nameOf(AccessFailure failure);

std::ostream& operator<<(std::ostream& out, AccessFailure failure);

} // namespace namewright
