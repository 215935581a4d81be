#pragma once
// Quoting names for SQL text, where a name cannot be a bound parameter (tables and columns).

#include <string>
#include <string_view>

namespace namewright {

/// The name as an SQL identifier: in double quotes, each double quote inside doubled.
std::string quoteIdentifier(std::string_view name);

} // namespace namewright
