#pragma once
// A grid of text cells addressed (column, row), both from 0, row 0 being the
// header. The listing sorts work on it; the string grid control implements it.

#include <string>
#include <vector>

namespace quarvo {

class TextGrid {
public:
    virtual ~TextGrid() = default;

    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    virtual std::string cell(int col, int row) const = 0;
    virtual void setCell(int col, int row, const std::string& text) = 0;

    // A whole row, all colCount() cells.
    virtual std::vector<std::string> row(int row) const;
    virtual void setRow(int row, const std::vector<std::string>& cells);
};

// A grid held in memory: the sorts' scratch grids, and listings in tests.
class MemoryGrid : public TextGrid {
public:
    MemoryGrid(int cols, int rows);

    int colCount() const override { return cols_; }
    int rowCount() const override { return rows_; }
    std::string cell(int col, int row) const override;
    void setCell(int col, int row, const std::string& text) override;

private:
    int cols_;
    int rows_;
    std::vector<std::string> cells_;  // row-major
};

}  // namespace quarvo
