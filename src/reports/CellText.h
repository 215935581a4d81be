#pragma once
// How the reference-tables window shows one stored value, by the kind of its column.

#include "db/ColumnKind.h"
#include "db/TableListing.h"

#include <string>

namespace namewright {

/// The text of a cell of a column of the given kind:
/// - short text, integer, double and date-and-time columns show the stored value: a text as is (dates are stored as
///   text and show unchanged), an integer in decimal, a floating-point number in its shortest decimal form that reads
///   back to the same value (2.25, 0.1, 1e+20; a whole number shows without a point: 3);
/// - a single-precision column shows its value rounded to single precision in the shortest form that reads back to
///   that single value, so 1.1 stored as a double shows "1.1" and not "1.100000023841858" (a value beyond the single
///   range shows as a double);
/// - any other kind (memo, yes/no, currency, binary, unknown) shows nothing, whatever is stored;
/// - NULL shows nothing.
std::string cellText(const CellValue& value, ColumnKind kind);

} // namespace namewright
