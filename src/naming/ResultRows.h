#pragma once
// Read access to the rows of the result grid (结果表格) as the texts the grid shows.

#include "naming/ResultColumn.h"

#include <cstddef>

namespace namewright {

class ResultRows {
public:
    virtual ~ResultRows() = default;
    /// Number of complete rows that can be read now.
    virtual std::size_t rowCount() const = 0;
    /// The cells of row `index` (0-based; index < rowCount()).
    virtual ResultRowCells rowCells(std::size_t index) const = 0;
};

} // namespace namewright
