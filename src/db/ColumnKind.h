#pragma once
// Column kinds (字段类型) of the reference tables, as the listing renders them.

#include <string_view>

namespace namewright {

enum class ColumnKind {
    ShortText, ///< text of at most 255 characters: shown as is
    Integer,   ///< byte, small or long integer: shown in decimal
    Single,    ///< single-precision number
    Double,    ///< double-precision number
    DateTime,  ///< date and time: shown as text
    Other,     ///< memo, yes/no, currency, binary and anything unknown: shown empty
};

/// Kind of a column from its declared SQL type. The shipped database declares its texts TEXT; a database imported
/// from an Access file declares each column by its Access kind with the names of declaredTypeOf in AccessImport.h
/// (TEXT(n), LONGTEXT, BYTE, SMALLINT, LONG, REAL, DOUBLE, DATETIME, BOOLEAN, CURRENCY TEXT, ...). Case does not
/// matter; a size suffix such as "(255)" is ignored; a name not in the table is ColumnKind::Other.
ColumnKind columnKindFromDeclaredType(std::string_view declaredType);

} // namespace namewright
