#include "toolkit/grid/grid_accessible.h"

#include <QPointer>

#include "toolkit/grid/string_grid.h"

namespace quarvo {
namespace {

// One cell of a grid, the header cells included. It reads the grid each
// time it is asked, so that it never shows text the grid no longer holds.
class GridCellAccessible : public PartAccessible, public QAccessibleTableCellInterface {
public:
    GridCellAccessible(StringGrid* grid, int col, int row) : grid_(grid), col_(col), row_(row) {}

    [[nodiscard]] const StringGrid* grid() const { return grid_; }
    [[nodiscard]] int col() const { return col_; }
    [[nodiscard]] int row() const { return row_; }

    bool isValid() const override {
        return grid_ && col_ < grid_->colCount() && row_ < grid_->rowCount();
    }
    QAccessibleInterface* parent() const override { return table(); }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name && isValid() ? grid_->cell(col_, row_) : QString();
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = grid_->cellRect(col_, row_);
        return cell.isEmpty() ? QRect()
                              : QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override {
        return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && row_ > 0)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return isValid() && grid_->isSelected(col_, row_); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        const auto* owner = dynamic_cast<GridAccessible*>(table());
        QAccessibleInterface* header = owner ? owner->gridCell(col_, 0) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }

private:
    QPointer<StringGrid> grid_;
    int col_;
    int row_;
};

QAccessible::State GridCellAccessible::state() const {
    QAccessible::State state = readOnlyState();
    if (state.invalid) return state;
    state.invisible = grid_->cellRect(col_, row_).isEmpty();
    state.offscreen = state.invisible;
    state.selectable = grid_->cellSelectable(col_, row_);
    state.selected = isSelected();
    const bool focusHere =
        row_ == 0 ? grid_->focusedHeader() == col_
                  : grid_->focusedHeader() < 0 && grid_->selection() == QPoint(col_, row_);
    state.focusable = row_ == 0 || state.selectable;
    state.focused = grid_->hasFocus() && focusHere;
    return state;
}

bool accessibilityListening() {
    return QAccessible::isActive();
}

}  // namespace

GridAccessible::GridAccessible(StringGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {
}

StringGrid* GridAccessible::grid() const {
    return static_cast<StringGrid*>(widget());
}

QAccessibleInterface* GridAccessible::gridCell(int col, int row) const {
    if (col < 0 || col >= grid()->colCount() || row < 0 || row >= grid()->rowCount())
        return nullptr;
    return cells_.part({col, row}, [&] { return new GridCellAccessible(grid(), col, row); });
}

int GridAccessible::childCount() const {
    return grid()->colCount() * grid()->rowCount();
}

QAccessibleInterface* GridAccessible::child(int index) const {
    const int cols = grid()->colCount();
    if (index < 0 || cols == 0) return nullptr;
    return gridCell(index % cols, index / cols);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const GridCellAccessible*>(child);
    if (!cell || cell->grid() != grid() || !cell->isValid()) return -1;
    return cell->row() * grid()->colCount() + cell->col();
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const QPoint at = grid()->cellAt(grid()->viewport()->mapFromGlobal(QPoint(x, y)));
    return gridCell(at.x(), at.y());
}

QAccessibleInterface* GridAccessible::focusChild() const {
    if (!grid()->hasFocus()) return nullptr;
    if (grid()->focusedHeader() >= 0) return gridCell(grid()->focusedHeader(), 0);
    return gridCell(grid()->selection().x(), grid()->selection().y());
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    return row >= 0 ? gridCell(column, row + 1) : nullptr;
}

int GridAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    const int row = grid()->selection().y();
    for (int col = 0; row > 0 && col < grid()->colCount(); ++col)
        if (grid()->isSelected(col, row)) cells.append(gridCell(col, row));
    return cells;
}

QString GridAccessible::columnDescription(int column) const {
    return grid()->cell(column, 0);
}

int GridAccessible::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

int GridAccessible::columnCount() const {
    return grid()->colCount();
}

int GridAccessible::rowCount() const {
    return std::max(0, grid()->rowCount() - 1);
}

QList<int> GridAccessible::selectedRows() const {
    const int row = grid()->selection().y();
    return grid()->rowSelect() && row > 0 ? QList<int>{row - 1} : QList<int>{};
}

bool GridAccessible::isRowSelected(int row) const {
    return selectedRows().contains(row);
}

bool GridAccessible::selectRow(int row) {
    return grid()->selectByUser(std::max(0, grid()->selection().x()), row + 1);
}

// Cells that lie outside the grid now are forgotten.
void GridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    cells_.dropUnless([this](PartCache::Key cell) {
        return cell.first < grid()->colCount() && cell.second < grid()->rowCount();
    });
}

void announceGridReset(StringGrid* grid) {
    if (!accessibilityListening()) return;
    QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void announceGridRows(StringGrid* grid, int first, int last) {
    if (!accessibilityListening()) return;
    QAccessibleTableModelChangeEvent event(grid, QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(std::max(0, first - 1));
    event.setLastRow(std::max(0, last - 1));
    event.setFirstColumn(0);
    event.setLastColumn(std::max(0, grid->colCount() - 1));
    QAccessible::updateAccessibility(&event);
}

void announceGridFocus(StringGrid* grid) {
    if (!accessibilityListening() || !grid->hasFocus()) return;
    auto* table = dynamic_cast<GridAccessible*>(QAccessible::queryAccessibleInterface(grid));
    QAccessibleInterface* cell = table ? table->focusChild() : nullptr;
    if (!cell) return;
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    if (grid->focusedHeader() < 0) {
        QAccessibleEvent selection(cell, QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
    }
}

}  // namespace quarvo
