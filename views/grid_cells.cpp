#include "views/grid_cells.h"

namespace quarvo {

std::string GridCells::cell(int col, int row) const {
    return grid_.cell(col, row).toStdString();
}

void GridCells::setCell(int col, int row, const std::string& text) {
    grid_.setCell(col, row, QString::fromStdString(text));
}

QStringList toCells(const std::vector<std::string>& row) {
    QStringList cells;
    for (const std::string& text : row) cells << QString::fromStdString(text);
    return cells;
}

}  // namespace quarvo
