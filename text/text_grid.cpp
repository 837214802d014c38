#include "text/text_grid.h"

#include <stdexcept>

namespace quarvo {

std::vector<std::string> TextGrid::row(int row) const {
    std::vector<std::string> cells;
    cells.reserve(colCount());
    for (int c = 0; c < colCount(); ++c) cells.push_back(cell(c, row));
    return cells;
}

void TextGrid::setRow(int row, const std::vector<std::string>& cells) {
    for (int c = 0; c < colCount(); ++c)
        setCell(c, row, c < static_cast<int>(cells.size()) ? cells[c] : std::string());
}

MemoryGrid::MemoryGrid(int cols, int rows)
    : cols_(cols < 0 ? 0 : cols), rows_(rows < 0 ? 0 : rows), cells_(std::size_t(cols_) * rows_) {
}

std::string MemoryGrid::cell(int col, int row) const {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) throw std::out_of_range("grid cell");
    return cells_[std::size_t(row) * cols_ + col];
}

void MemoryGrid::setCell(int col, int row, const std::string& text) {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) throw std::out_of_range("grid cell");
    cells_[std::size_t(row) * cols_ + col] = text;
}

}  // namespace quarvo
