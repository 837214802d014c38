#pragma once
// A string grid seen as the core's grid of text cells, so that the listing
// sorts run on the grid the user sees.

#include <QStringList>
#include <string>
#include <vector>

#include "text/text_grid.h"
#include "toolkit/grid/string_grid.h"

namespace quarvo {

class GridCells : public TextGrid {
public:
    explicit GridCells(StringGrid& grid) : grid_(grid) {}

    int colCount() const override { return grid_.colCount(); }
    int rowCount() const override { return grid_.rowCount(); }
    std::string cell(int col, int row) const override;
    void setCell(int col, int row, const std::string& text) override;

private:
    StringGrid& grid_;
};

// The cells of one row of a listing, as a grid row takes them.
[[nodiscard]] QStringList toCells(const std::vector<std::string>& row);

}  // namespace quarvo
