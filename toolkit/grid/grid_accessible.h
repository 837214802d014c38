#pragma once
// How a screen reader sees a string grid: a table of the body rows and the
// footer, whose cells read as their whole text, with the header row as the
// column headers. The focus is the header cell that has it, else the
// selected cell. The grid tells the reader of every change through the
// announce functions, which do nothing while no reader listens.

#include <QAccessibleWidget>

#include "toolkit/part_accessible.h"

namespace quarvo {

class StringGrid;

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridAccessible(StringGrid* grid);

    // Children: the header cells, then the cells row by row, so that the
    // cell (col, row) of the grid is child row * columns + col.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    // Table rows count from the first body row; the header is not one.
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    // Selecting goes through the grid's select-cell handler, as a click does.
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The interface of the grid's cell (col, row); null outside the grid.
    QAccessibleInterface* gridCell(int col, int row) const;

private:
    StringGrid* grid() const;
    // Cells by (col, row).
    mutable PartCache cells_;
};

// The grid's rows were rebuilt: other rows or columns.
void announceGridReset(StringGrid* grid);
// The text of rows first to last changed.
void announceGridRows(StringGrid* grid, int first, int last);
// The selection or the focused header cell moved.
void announceGridFocus(StringGrid* grid);

}  // namespace quarvo
