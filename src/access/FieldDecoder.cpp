#include "access/FieldDecoder.h"

#include "access/AccessValues.h"
#include "access/LittleEndian.h"

#include <cstring>
#include <span>

namespace namewright {

namespace {

/// A Double, a Date/Time or a Currency field.
FieldValue eightByteValue(AccessKind kind, const unsigned char* bytes) {
    const std::uint64_t raw =
        static_cast<std::uint64_t>(littleEndian32(bytes)) | static_cast<std::uint64_t>(littleEndian32(bytes + 4)) << 32;
    if (kind == AccessKind::Currency) {
        return FieldValue(currencyText(static_cast<std::int64_t>(raw)));
    }
    double value = 0;
    std::memcpy(&value, &raw, sizeof value);
    if (kind == AccessKind::Double) {
        return FieldValue(value);
    }
    const auto text = accessDateText(value);
    return text ? FieldValue(*text) : FieldValue();
}

} // namespace

AccessKind kindOfColumn(int mdbType) {
    switch (mdbType) {
    case MDB_TEXT:
        return AccessKind::Text;
    case MDB_MEMO:
        return AccessKind::Memo;
    case MDB_BYTE:
        return AccessKind::Byte;
    case MDB_INT:
        return AccessKind::Integer;
    case MDB_LONGINT:
        return AccessKind::LongInteger;
    case MDB_FLOAT:
        return AccessKind::Single;
    case MDB_DOUBLE:
        return AccessKind::Double;
    case MDB_DATETIME:
        return AccessKind::DateTime;
    case MDB_BOOL:
        return AccessKind::YesNo;
    case MDB_MONEY:
        return AccessKind::Currency;
    case MDB_NUMERIC:
        return AccessKind::Decimal;
    case MDB_REPID:
        return AccessKind::ReplicationId;
    case MDB_BINARY:
        return AccessKind::Binary;
    case MDB_OLE:
        return AccessKind::OleObject;
    case MDB_COMPLEX:
        return AccessKind::Complex;
    default:
        return AccessKind::Unknown;
    }
}

FieldDecoder::FieldDecoder(MdbHandle* mdb, std::size_t pageCount)
    : m_mdb(mdb), m_pages(pagesOf(mdb, pageCount)), m_layout{static_cast<std::size_t>(mdb->fmt->pg_size),
                                                             mdb->fmt->row_count_offset} {}

bool FieldDecoder::longValueIntact(int mdbType, const MdbField& field) {
    if (field.is_null != 0 || (mdbType != MDB_MEMO && mdbType != MDB_OLE)) {
        return true;
    }
    return readLongValue(std::span(m_mdb->pg_buf + field.start, static_cast<std::size_t>(field.siz)), m_layout, m_pages)
        .has_value();
}

std::optional<FieldValue> FieldDecoder::decode(const MdbColumn& column, AccessKind kind, const MdbField& field) {
    if (kind == AccessKind::YesNo) {
        // A yes/no field keeps its value in the row's null mask: a set bit (not NULL) means yes.
        return FieldValue(std::int64_t{field.is_null != 0 ? 0 : 1});
    }
    if (field.is_null != 0) {
        return FieldValue();
    }
    const unsigned char* bytes = m_mdb->pg_buf + field.start;
    const auto size = static_cast<std::size_t>(field.siz);
    switch (kind) {
    case AccessKind::Text:
        return FieldValue(decodeText(m_mdb, bytes, size));
    case AccessKind::Memo: {
        const auto stored = readLongValue(std::span(bytes, size), m_layout, m_pages);
        if (!stored) {
            return std::nullopt;
        }
        return FieldValue(decodeText(m_mdb, reinterpret_cast<const unsigned char*>(stored->data()), stored->size()));
    }
    case AccessKind::Byte:
    case AccessKind::Integer:
    case AccessKind::LongInteger: {
        const std::size_t expected = kind == AccessKind::Byte ? 1 : (kind == AccessKind::Integer ? 2 : 4);
        const auto value = integerOf(m_mdb, field);
        if (size != expected || !value) {
            return std::nullopt;
        }
        return FieldValue(*value);
    }
    case AccessKind::Single: {
        if (size != 4) {
            return std::nullopt;
        }
        float value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return FieldValue(static_cast<double>(value));
    }
    case AccessKind::Double:
    case AccessKind::DateTime:
    case AccessKind::Currency:
        if (size != 8) {
            return std::nullopt;
        }
        return eightByteValue(kind, bytes);
    case AccessKind::Decimal:
        if (size != 17) {
            return std::nullopt;
        }
        return decodeDecimal(column, field);
    case AccessKind::ReplicationId: {
        if (size != 16) {
            return std::nullopt;
        }
        const GlibText text(mdb_uuid_to_string(m_mdb->pg_buf, field.start));
        return text ? FieldValue(std::string(text.get())) : FieldValue();
    }
    case AccessKind::Binary:
        return FieldValue(FieldBytes(bytes, bytes + size));
    case AccessKind::OleObject:
        // Not read, but its pages must be there.
        return longValueIntact(MDB_OLE, field) ? std::optional(FieldValue()) : std::nullopt;
    case AccessKind::YesNo:
    case AccessKind::Complex:
    case AccessKind::Unknown:
        break;
    }
    return FieldValue();
}

std::optional<FieldValue> FieldDecoder::decodeDecimal(const MdbColumn& column, const MdbField& field) {
    // libmdb's decimal formatter has room for 40 digits; Access allows a precision of at most 28.
    if (column.col_prec < 1 || column.col_prec > 28 || column.col_scale < 0 || column.col_scale > column.col_prec) {
        return std::nullopt;
    }
    const GlibText text(mdb_numeric_to_string(m_mdb, field.start, column.col_scale, column.col_prec));
    return text ? FieldValue(std::string(text.get())) : FieldValue();
}

} // namespace namewright
