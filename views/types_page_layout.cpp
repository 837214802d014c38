// The controls of the Types page: the listing with its totals row, the pie
// with its angle bar, the view switch and the sort button with its menu, at
// the positions of the page's fixed layout.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <span>

#include "forms/form_fonts.h"
#include "views/plain_chart.h"
#include "views/types_page.h"

namespace quarvo {

TypesPage::TypesPage(StatisticsCollector& collector, ClassesRoot& classes,
                     const NumberFormat& numbers, QTimer& pieTimer, const RunComparison& comparison)
    : collector_(collector),
      classes_(classes),
      numbers_(numbers),
      pieTimer_(pieTimer),
      comparison_(comparison) {
    buildSortMenu();
    buildTypesGrid();
    buildTypesPie();
    buildTypesSwitches();
}

void TypesPage::buildSortMenu() {
    PopupMenu1 = new QMenu(this);
    const struct {
        QAction* TypesPage::*field;
        const char* caption;
    } sorts[] = {{&TypesPage::SortbyExtension, "Sort by &Extension"},
                 {&TypesPage::SortbyType, "Sort by &Type"},
                 {&TypesPage::SortbySize, "Sort by &Size"},
                 {&TypesPage::SortbyNumFiles, "Sort by &Number of files"},
                 {&TypesPage::SortbyAverageFileSize1, "Sort by &Average File Size"},
                 {&TypesPage::SortbyFilesChange, "Sort by &Change in files"},
                 {&TypesPage::SortbyBytesChange, "Sort by Change in si&ze"}};
    for (const auto& [field, caption] : sorts) {
        QAction* item = PopupMenu1->addAction(QString::fromLatin1(caption));
        item->setCheckable(true);
        this->*field = item;
        connect(item, &QAction::triggered, this, [this, item] {
            // The menu has already toggled the item's mark; the sort sets
            // the marks itself, and leaves them alone when it cannot sort.
            item->setChecked(!item->isChecked());
            SortbyExtensionClick(item);
        });
    }
    SortbyExtension->setChecked(true);
}

void TypesPage::buildTypesGrid() {
    gridTypes = new StringGrid(this);
    gridTypes->setGeometry(11, 8, 607, 317);
    gridTypes->setRowCount(2);
    setTypesColumns();
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
    connect(gridTypes, &StringGrid::headerClicked, this, &TypesPage::gridTypesHeaderClick);
    gridTypes->hide();
}

void TypesPage::setTypesColumns() {
    static constexpr int kWidths[] = {80, 219, 120, 75, 82};
    // The descriptions make room for the change columns.
    static constexpr int kComparedWidths[] = {64, 84, 100, 56, 80, 90, 110};
    const std::span<const int> widths =
        comparison_.on() ? std::span<const int>(kComparedWidths) : std::span<const int>(kWidths);
    gridTypes->setColCount(static_cast<int>(widths.size()));
    SortbyFilesChange->setVisible(comparison_.on());
    SortbyBytesChange->setVisible(comparison_.on());
    for (std::size_t col = 0; col < widths.size(); ++col)
        gridTypes->setColWidth(static_cast<int>(col), widths[col]);
}

void TypesPage::buildTypesPie() {
    chartPie = new Chart(this);
    chartPie->setGeometry(2, 2, 624, 326);
    showTurningPie(*chartPie, palette().color(QPalette::Window), 25);
    chartPie->setAccessibleName(QStringLiteral("File types"));
    connect(chartPie, &Chart::clicked, this, &TypesPage::chartSpacePieClick);
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
    ScrollBar2->setAccessibleName(QStringLiteral("Pie angle"));
    ScrollBar2->setPageStep(5);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TypesPage::ScrollBar2Change);
}

void TypesPage::buildTypesSwitches() {
    rgTypes =
        new RadioGroup({QStringLiteral("Listing"), QStringLiteral("Pie by Size"),
                        QStringLiteral("Pie by # Files"), QStringLiteral("Pie by Average Size")},
                       4, this);
    rgTypes->setGeometry(96, 326, 526, 32);
    // Chosen before the switch is connected: the page starts as a pie
    // without drawing one.
    rgTypes->setItemIndex(1);
    connect(rgTypes, &RadioGroup::itemIndexChanged, this, &TypesPage::rgTypesClick);
    btSort = new QPushButton(QStringLiteral("&Sort"), this);
    btSort->setGeometry(11, 333, 83, 24);
    btSort->setMenu(PopupMenu1);
    btSort->hide();
}

}  // namespace quarvo
