#pragma once
// Read access to the rows of the result grid (结果表格) as the texts the grid shows.

#include <array>
#include <cstddef>
#include <string>

namespace namewright {

/// The nine cells of one result row, in grid order: name, score, heaven, person, earth, outer, total,
/// three-talents key, element text. Numbers are decimal text.
using ResultRowCells = std::array<std::string, 9>;

class ResultRows {
public:
    virtual ~ResultRows() = default;
    /// Number of complete rows that can be read now.
    virtual std::size_t rowCount() const = 0;
    /// The cells of row `index` (0-based; index < rowCount()).
    virtual ResultRowCells rowCells(std::size_t index) const = 0;
};

} // namespace namewright
