#pragma once
// Decoding the fields of an Access row into values: texts to UTF-8, numbers as they are, dates, currency amounts and
// decimals to the texts the import stores (AccessKind.h). Internal to namewright_access, built against libmdb.

#include "access/AccessKind.h"
#include "access/AccessLongValue.h"
#include "access/AccessRows.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace namewright {

/// The bytes of a Binary field.
using FieldBytes = std::vector<unsigned char>;

/// A decoded field: NULL, an integer, a floating-point number, a UTF-8 text or bytes.
using FieldValue = std::variant<std::monostate, std::int64_t, double, std::string, FieldBytes>;

/// The kind of a column by libmdb's type number (MDB_TEXT, ...); AccessKind::Unknown for a number it does not name.
AccessKind kindOfColumn(int mdbType);

class FieldDecoder {
public:
    /// `pageCount`: the pages of the file; a long value that refers to a page from there on is damaged.
    FieldDecoder(MdbHandle* mdb, std::size_t pageCount);

    /// The value of `field`, a field of the row libmdb left on mdb->pg_buf whose bytes RowWalk found on that page.
    /// Yes/No reads 1 or 0 (its value is the row's null mask), Memo its whole text, OLE objects and complex fields
    /// NULL. std::nullopt when the bytes show the file is damaged: a size that does not fit the kind, a decimal
    /// precision Access does not allow, a memo or OLE object whose data cannot be read whole.
    std::optional<FieldValue> decode(const MdbColumn& column, AccessKind kind, const MdbField& field);

    /// Whether the data of a Memo or OLE field can be read whole; true for a field of any other libmdb type number.
    bool longValueIntact(int mdbType, const MdbField& field);

private:
    std::optional<FieldValue> decodeDecimal(const MdbColumn& column, const MdbField& field);

    MdbHandle* m_mdb;
    PageSource m_pages;
    DataPageLayout m_layout;
};

} // namespace namewright
