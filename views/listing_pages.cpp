// What the Sizes, Access, Created, Modified and Combined pages share: the
// read-only listings and how their cells are drawn, the bar charts beside
// them, the three view buttons and the note buttons.
#include <QPainter>
#include <QRadioButton>

#include "views/frm_statistics.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

// The view buttons stand in one row under the chart, the note button at
// the row's right end.
constexpr int kButtonTop = 340;
const struct {
    const char* caption;
    int left;
    int width;
} kViewButtons[] = {
    {"Listing", 8, 64}, {"Chart by Size (in MB)", 88, 140}, {"Chart by Number of Files", 244, 160}};

}  // namespace

StringGrid* TfrmStatistics::makeListing(QWidget* page, const QRect& geometry, int rows,
                                        std::initializer_list<int> widths) {
    auto* grid = new StringGrid(page);
    grid->setGeometry(geometry);
    grid->setColCount(static_cast<int>(widths.size()));
    grid->setRowCount(rows);
    int col = 0;
    for (const int width : widths) grid->setColWidth(col++, width);
    grid->setRowHeight(19);
    grid->setFixedGridLines(true, true);
    grid->setGridLines(false, true);
    grid->setRowSelect(true);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setColor(palette().color(QPalette::Button));
    grid->setDrawCellHandler(
        [this, grid](QPainter& painter, int c, int r, const QRect& rect, StringGrid::CellState) {
            gridSizesDrawCell(*grid, painter, c, r, rect);
        });
    grid->setSelectCellHandler([this](int c, int r) { return gridSizesSelectCell(c, r); });
    grid->hide();
    return grid;
}

void TfrmStatistics::gridSizesDrawCell(const StringGrid& grid, QPainter& painter, int col, int row,
                                       const QRect& rect) const {
    // The grid has filled the cell with its background already.
    const int margin = StringGrid::kTextMargin;
    const QRect text = rect.adjusted(margin, 2, -margin, 0);
    const Qt::Alignment across = col == 0 ? Qt::AlignLeft : Qt::AlignRight;
    painter.drawText(text, across | Qt::AlignTop, grid.shownCell(col, row));
}

bool TfrmStatistics::gridSizesSelectCell(int, int) const {
    return false;
}

Chart* TfrmStatistics::makeBandChart(QWidget* page, const QRect& geometry, BarSeries*& series) {
    auto* chart = new Chart(page);
    chart->setGeometry(geometry);
    chart->setZoomAnimated(true);
    chart->background().color = palette().color(QPalette::Window);
    chart->legend().style = LegendStyle::Values;
    chart->legend().inverted = true;
    series = chart->addBarSeries(BarSeries::Orientation::Horizontal);
    series->setColor(Qt::red);
    series->setStyle(BarSeries::Style::Gradient);
    series->setPercentFormat(QStringLiteral("##0.# %"));
    series->marks().visible = true;
    series->marks().content = MarkContent::Percent;
    useFormFonts(*chart);
    return chart;
}

void TfrmStatistics::makeViewButtons(QWidget* page,
                                     std::array<QRadioButton * TfrmStatistics::*, 3> buttons,
                                     void (TfrmStatistics::*click)()) {
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(kViewButtons[i].caption), page);
        button->setGeometry(kViewButtons[i].left, kButtonTop, kViewButtons[i].width, 17);
        this->*buttons[i] = button;
    }
    (this->*buttons[1])->setChecked(true);
    // Connected after the first choice, so that building the page draws
    // nothing yet.
    for (auto field : buttons)
        connect(this->*field, &QRadioButton::toggled, this, [this, click](bool on) {
            if (on) (this->*click)();
        });
}

GlyphButton* TfrmStatistics::makeNoteButton(QWidget* page, void (TfrmStatistics::*click)()) {
    auto* button = new GlyphButton(Glyph::Question, {}, page);
    button->setGeometry(593, 337, 25, 22);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

}  // namespace quarvo
