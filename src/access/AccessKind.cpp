#include "access/AccessKind.h"

namespace namewright {

std::string_view declaredTypeOf(AccessKind kind) {
    switch (kind) {
    case AccessKind::Text:
        return "TEXT";
    case AccessKind::Memo:
        return "LONGTEXT";
    case AccessKind::Byte:
        return "BYTE";
    case AccessKind::Integer:
        return "SMALLINT";
    case AccessKind::LongInteger:
        return "LONG";
    case AccessKind::Single:
        return "REAL";
    case AccessKind::Double:
        return "DOUBLE";
    case AccessKind::DateTime:
        return "DATETIME";
    case AccessKind::YesNo:
        return "BOOLEAN";
    case AccessKind::Currency:
        return "CURRENCY TEXT";
    case AccessKind::Decimal:
        return "DECIMAL TEXT";
    case AccessKind::ReplicationId:
        return "GUID";
    case AccessKind::Binary:
        return "BINARY";
    case AccessKind::OleObject:
        return "LONGBINARY";
    case AccessKind::Complex:
        return "COMPLEX";
    case AccessKind::Unknown:
        break;
    }
    return "UNKNOWN";
}

} // namespace namewright
