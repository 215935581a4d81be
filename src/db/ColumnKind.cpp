#include "db/ColumnKind.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace namewright {

namespace {

struct KindName {
    std::string_view name;
    ColumnKind kind;
};

constexpr std::array kKindNames{
    KindName{"TEXT", ColumnKind::ShortText},     KindName{"VARCHAR", ColumnKind::ShortText},
    KindName{"NVARCHAR", ColumnKind::ShortText}, KindName{"CHAR", ColumnKind::ShortText},
    KindName{"NCHAR", ColumnKind::ShortText},    KindName{"INTEGER", ColumnKind::Integer},
    KindName{"INT", ColumnKind::Integer},        KindName{"LONG", ColumnKind::Integer},
    KindName{"SMALLINT", ColumnKind::Integer},   KindName{"TINYINT", ColumnKind::Integer},
    KindName{"BYTE", ColumnKind::Integer},       KindName{"SINGLE", ColumnKind::Single},
    KindName{"FLOAT", ColumnKind::Single},       KindName{"REAL", ColumnKind::Single},
    KindName{"DOUBLE", ColumnKind::Double},      KindName{"DOUBLE PRECISION", ColumnKind::Double},
    KindName{"DATETIME", ColumnKind::DateTime},  KindName{"DATE", ColumnKind::DateTime},
    KindName{"TIME", ColumnKind::DateTime},      KindName{"TIMESTAMP", ColumnKind::DateTime},
};

} // namespace

ColumnKind columnKindFromDeclaredType(std::string_view declaredType) {
    std::string base;
    for (const char c : declaredType) {
        if (c == '(') {
            break;
        }
        base.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    while (!base.empty() && base.back() == ' ') {
        base.pop_back();
    }
    const auto* found =
        std::find_if(kKindNames.begin(), kKindNames.end(), [&](const KindName& entry) { return entry.name == base; });
    return found == kKindNames.end() ? ColumnKind::Other : found->kind;
}

} // namespace namewright
