#include "access/AccessFailure.h"

#include <ostream>

namespace namewright {

std::string_view nameOf(AccessFailure failure) {
    switch (failure) {
    case AccessFailure::None:
        return "None";
    case AccessFailure::FileUnreadable:
        return "FileUnreadable";
    case AccessFailure::NotAnAccessFile:
        return "NotAnAccessFile";
    case AccessFailure::PasswordProtected:
        return "PasswordProtected";
    case AccessFailure::NotWholePages:
        return "NotWholePages";
    case AccessFailure::UnsupportedCodePage:
        return "UnsupportedCodePage";
    case AccessFailure::LibraryRefused:
        return "LibraryRefused";
    case AccessFailure::DamagedObjectTable:
        return "DamagedObjectTable";
    case AccessFailure::DamagedTableDefinition:
        return "DamagedTableDefinition";
    case AccessFailure::DamagedRow:
        return "DamagedRow";
    case AccessFailure::MissingRows:
        return "MissingRows";
    case AccessFailure::DamagedValue:
        return "DamagedValue";
    case AccessFailure::SqliteFailed:
        return "SqliteFailed";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& out, AccessFailure failure) {
    return out << nameOf(failure);
}

} // namespace namewright
