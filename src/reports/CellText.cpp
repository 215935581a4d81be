#include "reports/CellText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace namewright {

namespace {

template <typename Number> std::string shortestText(Number value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

struct StoredValueText {
    ColumnKind kind;

    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(std::int64_t value) const { return std::to_string(value); }
    std::string operator()(double value) const {
        // A value beyond the single range cannot have come from a single column; it shows as stored rather than
        // being narrowed (which would be undefined).
        if (kind == ColumnKind::Single && std::isfinite(value) &&
            std::fabs(value) <= std::numeric_limits<float>::max()) {
            return shortestText(static_cast<float>(value));
        }
        return shortestText(value);
    }
    std::string operator()(const std::string& value) const { return value; }
};

} // namespace

std::string cellText(const CellValue& value, ColumnKind kind) {
    switch (kind) {
    case ColumnKind::ShortText:
    case ColumnKind::Integer:
    case ColumnKind::Single:
    case ColumnKind::Double:
    case ColumnKind::DateTime:
        return std::visit(StoredValueText{kind}, value);
    case ColumnKind::Other:
        break;
    }
    return {};
}

} // namespace namewright
