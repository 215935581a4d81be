#pragma once
// The report of a listed name (双击结果行): the report data filled from the cells of a result row.

namespace namewright {

class NamingDatabase;
class ResultRows;
class SharedReportData;

/// Fills the report data from result row `gridRow` and returns true, so that the caller opens the report window.
/// `gridRow` is the grid's row number: 1 is the first listed name, 0 the header row. The header row, a negative
/// number and a number beyond the rows listed so far do nothing and return false; the report data keeps what it held.
/// The cells are read as the texts the grid shows and looked up on `database` (a connection of the interface
/// thread's own, not one a generation worker is using).
bool reportFromResultRow(int gridRow, const ResultRows& rows, NamingDatabase& database, SharedReportData& report);

} // namespace namewright
