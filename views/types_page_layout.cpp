// The controls of the Types page: the listing with its totals row, the pie
// with its angle bar, the view switch and the sort button, at the positions
// of the page's fixed layout.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "views/form_fonts.h"
#include "views/frm_statistics.h"
#include "views/plain_chart.h"

namespace quarvo {

void TfrmStatistics::buildTypesPage() {
    buildTypesGrid();
    buildTypesPie();
    buildTypesSwitches();
    for (QAction* item :
         {SortbyExtension, SortbyType, SortbySize, SortbyNumFiles, SortbyAverageFileSize1}) {
        connect(item, &QAction::triggered, this, [this, item] {
            // The menu has already toggled the item's mark; the sort sets
            // the marks itself, and leaves them alone when it cannot sort.
            item->setChecked(!item->isChecked());
            SortbyExtensionClick(item);
        });
    }
}

void TfrmStatistics::buildTypesGrid() {
    gridTypes = new StringGrid(pageTypes);
    gridTypes->setGeometry(11, 8, 607, 317);
    gridTypes->setColCount(5);
    gridTypes->setRowCount(2);
    const int widths[] = {80, 219, 120, 75, 82};
    for (int col = 0; col < 5; ++col) gridTypes->setColWidth(col, widths[col]);
    // The descriptions give way to the figures; a cut one shows in full as
    // a tooltip.
    gridTypes->setColShortenable(1, true);
    gridTypes->setRowHeight(19);
    gridTypes->setFixedFooter(true);
    gridTypes->setGridLines(true, true);
    gridTypes->setRowSelect(true);
    gridTypes->setAlignmentHandler(
        [this](int col, int row) { return gridTypesGetAlignment(col, row); });
    gridTypes->setPopupMenu(PopupMenu1);
    gridTypes->hide();
}

void TfrmStatistics::buildTypesPie() {
    chartPie = new Chart(pageTypes);
    chartPie->setGeometry(2, 2, 624, 326);
    showTurningPie(*chartPie, palette().color(QPalette::Window), 25);
    connect(chartPie, &Chart::clicked, this, &TfrmStatistics::chartSpacePieClick);
    Series2 = chartPie->addPieSeries();
    SeriesMarks& marks = Series2->marks();
    marks.visible = true;
    marks.content = MarkContent::LabelAndPercent;
    marks.arrowLength = 8;
    marks.font = formFont("Arial", 11);
    Series2->setPercentFormat(QStringLiteral("##0.# %"));
    Series2->setExplodeBiggest(10);
    Series2->setOtherSlicePercent(5);
    ScrollBar2 = new QScrollBar(Qt::Horizontal, chartPie);
    ScrollBar2->setGeometry(525, 301, 86, 15);
    ScrollBar2->setRange(0, 360);
    ScrollBar2->setPageStep(5);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TfrmStatistics::ScrollBar2Change);
}

void TfrmStatistics::buildTypesSwitches() {
    rgTypes =
        new RadioGroup({QStringLiteral("Listing"), QStringLiteral("Pie by Size"),
                        QStringLiteral("Pie by # Files"), QStringLiteral("Pie by Average Size")},
                       4, pageTypes);
    rgTypes->setGeometry(96, 326, 526, 32);
    // Chosen before the switch is connected: the page starts as a pie
    // without drawing one.
    rgTypes->setItemIndex(1);
    connect(rgTypes, &RadioGroup::itemIndexChanged, this, &TfrmStatistics::rgTypesClick);
    btSort = new QPushButton(QStringLiteral("&Sort"), pageTypes);
    btSort->setGeometry(11, 333, 83, 24);
    btSort->setMenu(PopupMenu1);
    btSort->hide();
}

}  // namespace quarvo
