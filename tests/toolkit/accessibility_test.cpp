// What a screen reader learns of the toolkit's controls, asked in-process
// through QAccessible as the platform's bridge asks.
#include "toolkit/accessible/accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/pick_list.h"

namespace quarvo {
namespace {

class Accessibility : public ::testing::Test, protected testing::WithApplication {
protected:
    Accessibility() { installAccessibility(); }

    static QAccessibleInterface* of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    static QStringList childNames(QAccessibleInterface* parent, QAccessible::Role role) {
        QStringList names;
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->role() == role)
                names << parent->child(i)->text(QAccessible::Name);
        return names;
    }
};

TEST_F(Accessibility, AListingIsATableOfItsBodyAndTotalsWithTheHeaderAsColumnHeaders) {
    StringGrid grid;
    grid.setColCount(2);
    grid.setRowCount(4);
    grid.setFixedFooter(true);
    grid.setRowSelect(true);
    grid.setRow(0, {"Extension", "Size"});
    grid.setRow(1, {".DOC", "30,000"});
    grid.setRow(2, {".TXT", "100"});
    grid.setRow(3, {"Totals", "30,100"});
    grid.resize(300, 200);
    grid.show();
    QAccessibleInterface* iface = of(&grid);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->columnCount(), 2);
    EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name), "30,000");
    EXPECT_EQ(table->cellAt(2, 0)->text(QAccessible::Name), "Totals");
    QAccessibleTableCellInterface* cell = table->cellAt(1, 1)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 1);
    ASSERT_EQ(cell->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), "Size");
    EXPECT_EQ(cell->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(childNames(iface, QAccessible::ColumnHeader), (QStringList{"Extension", "Size"}));
    EXPECT_EQ(iface->indexOfChild(table->cellAt(2, 1)), iface->childCount() - 1);

    // A selected row, and the cell with the focus.
    grid.selectByUser(1, 2);
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    EXPECT_TRUE(table->cellAt(1, 0)->state().selected);
    EXPECT_FALSE(table->cellAt(0, 0)->state().selected);
    grid.activateWindow();
    QApplication::processEvents();
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    EXPECT_EQ(iface->focusChild(), table->cellAt(1, 1));

    // The header cell that has the focus.
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(&grid, &up);
    QApplication::sendEvent(&grid, &up);
    EXPECT_EQ(iface->focusChild(), cell->columnHeaderCells()[0]);
    EXPECT_TRUE(iface->focusChild()->state().focused);

    // Rebuilt smaller and sorted: the table follows, and a cell that is gone
    // says so instead of reading old text.
    QAccessibleInterface* gone = table->cellAt(2, 0);
    grid.setRowCount(3);
    grid.setRow(1, {".TXT", "100"});
    grid.setRow(2, {"Totals", "100"});
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), ".TXT");
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "Totals");
    EXPECT_FALSE(gone->isValid());
}

TEST_F(Accessibility, ChartsNameTheirBarsSlicesAndPointsAsTheyAreRead) {
    Chart bars;
    bars.resize(400, 300);
    bars.setTitle(QStringList{"File Sizes", "in MB"});
    BarSeries* sizes = bars.addBarSeries(BarSeries::Orientation::Horizontal);
    sizes->setValueReading([](double value) { return QString::number(value) + " MB"; });
    sizes->add(12, "0 - 16K");
    sizes->add(8196, "8 - 30 days");
    QAccessibleInterface* chart = of(&bars);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->role(), QAccessible::Chart);
    EXPECT_EQ(chart->text(QAccessible::Name), "File Sizes in MB");
    EXPECT_EQ(childNames(chart, QAccessible::StaticText),
              (QStringList{"0 - 16K: 12 MB", "8 - 30 days: 8196 MB"}));
    // Refilled with one bar, which no label names: the value alone, and the
    // second child is gone.
    QAccessibleInterface* second = chart->child(1);
    sizes->clear();
    sizes->add(5);
    EXPECT_EQ(childNames(chart, QAccessible::StaticText), QStringList{"5 MB"});
    EXPECT_FALSE(second->isValid());
    // An earlier value is read with its bar, not as one more bar.
    sizes->setEarlier(0, 3);
    EXPECT_EQ(childNames(chart, QAccessible::StaticText), QStringList{"5 MB, earlier 3 MB"});

    // Stacked bars read slot by slot, each named by its series; a chart with
    // pages reads the page shown.
    Chart drives;
    drives.resize(400, 300);
    drives.setAccessibleName("Drive space");
    BarSeries* used = drives.addBarSeries();
    BarSeries* free = drives.addBarSeries();
    used->setTitle("Used");
    free->setTitle("Free");
    for (const char* drive : {"c:", "d:", "e:"}) {
        used->add(3, drive);
        free->add(1, drive);
    }
    drives.setPointsPerPage(2);
    QAccessibleInterface* space = of(&drives);
    EXPECT_EQ(space->text(QAccessible::Name), "Drive space");
    EXPECT_EQ(childNames(space, QAccessible::StaticText),
              (QStringList{"c: Used: 3", "c: Free: 1", "d: Used: 3", "d: Free: 1"}));
    drives.setPage(2);
    EXPECT_EQ(childNames(space, QAccessible::StaticText),
              (QStringList{"e: Used: 3", "e: Free: 1"}));

    Chart pie;
    pie.resize(400, 300);
    PieSeries* types = pie.addPieSeries();
    types->marks().content = MarkContent::LabelAndPercent;
    types->setPercentFormat("##0.# %");
    types->setOtherSlicePercent(10);
    types->add(3, "JPEG image");
    types->add(1.2, "Text");
    types->add(0.4, "Tiny");
    types->add(0.4, "Tinier");
    EXPECT_EQ(childNames(of(&pie), QAccessible::StaticText),
              (QStringList{"JPEG image 60 %", "Text 24 %", "Other 16 %"}));
    types->setEarlier(0, 2);
    types->setEarlier(1, 2);
    EXPECT_EQ(childNames(of(&pie), QAccessible::StaticText),
              (QStringList{"JPEG image 60 % (was 50 %)", "Text 24 % (was 50 %)",
                           "Other 16 % (was 0 %)"}));

    Chart lines;
    lines.resize(400, 300);
    LineSeries* modified = lines.addLineSeries();
    modified->setTitle("Modified time");
    modified->setValueReading([](double value) { return QString::number(value) + " files"; });
    modified->addXY(0, 1540, "14:00");
    modified->addXY(1, 7, "14:30");
    LineSeries* created = lines.addLineSeries();
    created->setTitle("Created time");
    created->addXY(0, 2, "14:00");
    EXPECT_EQ(childNames(of(&lines), QAccessible::StaticText),
              (QStringList{"14:00 Modified time: 1540 files", "14:30 Modified time: 7 files",
                           "14:00 Created time: 2"}));
    // The dashed line of earlier values is read with the line's points.
    modified->setEarlier(1, 9);
    EXPECT_EQ(
        childNames(of(&lines), QAccessible::StaticText),
        (QStringList{"14:00 Modified time: 1540 files",
                     "14:30 Modified time: 7 files, earlier 9 files", "14:00 Created time: 2"}));
}

TEST_F(Accessibility, PickListEntriesAreCheckableAndCheckedWhilePicked) {
    TPickList list;
    list.add("*.doc\tWord document");
    list.add("*.txt\tText");
    list.setSelected(1, true);
    QAccessibleInterface* iface = of(&list);
    ASSERT_NE(iface, nullptr);
    ASSERT_EQ(iface->childCount(), 2);
    QAccessibleInterface* doc = iface->child(0);
    EXPECT_EQ(doc->role(), QAccessible::ListItem);
    EXPECT_EQ(doc->text(QAccessible::Name), "*.doc, Word document");
    EXPECT_TRUE(doc->state().checkable);
    EXPECT_FALSE(doc->state().checked);
    EXPECT_TRUE(iface->child(1)->state().checked);
    list.setSelected(0, true);
    EXPECT_TRUE(doc->state().checked);
    EXPECT_EQ(iface->indexOfChild(iface->child(1)), 1);
}

TEST_F(Accessibility, LabelsReadTheirTextAndPictureButtonsTheirHint) {
    EffectLabel label("Collecting statistics ... standby.");
    EXPECT_EQ(of(&label)->role(), QAccessible::StaticText);
    EXPECT_EQ(of(&label)->text(QAccessible::Name), "Collecting statistics ... standby.");

    GlyphButton note(Glyph::Question, {});
    note.setToolTip("Note on modified times");
    EXPECT_EQ(of(&note)->role(), QAccessible::Button);
    EXPECT_EQ(of(&note)->text(QAccessible::Name), "Note on modified times");
    note.setAccessibleName("Note");
    EXPECT_EQ(of(&note)->text(QAccessible::Name), "Note");
    GlyphButton print(Glyph::Printer, "&Print page");
    EXPECT_EQ(of(&print)->text(QAccessible::Name), "Print page");
    int clicks = 0;
    QObject::connect(&print, &QPushButton::clicked, [&clicks] { ++clicks; });
    of(&print)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace quarvo
