#include "views/band_listing.h"

#include <QPainter>
#include <QRadioButton>

#include "toolkit/chart/number_mask.h"
#include "toolkit/message_boxes.h"
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

void setListingColumns(StringGrid& grid, std::span<const int> widths) {
    grid.setColCount(static_cast<int>(widths.size()));
    int col = 0;
    for (const int width : widths) grid.setColWidth(col++, width);
}

StringGrid* makeListing(QWidget* page, const QRect& geometry, int rows,
                        std::span<const int> widths) {
    auto* grid = new StringGrid(page);
    grid->setGeometry(geometry);
    setListingColumns(*grid, widths);
    grid->setRowCount(rows);
    grid->setRowHeight(19);
    grid->setFixedGridLines(true, true);
    grid->setGridLines(false, true);
    grid->setRowSelect(true);
    grid->setFrameShape(QFrame::NoFrame);
    grid->setColor(page->palette().color(QPalette::Button));
    grid->setDrawCellHandler(
        [grid](QPainter& painter, int c, int r, const QRect& rect, StringGrid::CellState) {
            gridSizesDrawCell(*grid, painter, c, r, rect);
        });
    grid->setSelectCellHandler(gridSizesSelectCell);
    grid->hide();
    return grid;
}

void gridSizesDrawCell(const StringGrid& grid, QPainter& painter, int col, int row,
                       const QRect& rect) {
    // The grid has filled the cell with its background already.
    const int margin = StringGrid::kTextMargin;
    const QRect text = rect.adjusted(margin, 2, -margin, 0);
    const Qt::Alignment across = col == 0 ? Qt::AlignLeft : Qt::AlignRight;
    painter.drawText(text, across | Qt::AlignTop, grid.shownCell(col, row));
}

bool gridSizesSelectCell(int, int) {
    return false;
}

Chart* makeBandChart(QWidget* page, const QRect& geometry, BarSeries*& series) {
    auto* chart = new Chart(page);
    chart->setGeometry(geometry);
    chart->setZoomAnimated(true);
    chart->background().color = page->palette().color(QPalette::Window);
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

std::array<QRadioButton*, 3> makeViewButtons(QWidget* page, const std::function<void()>& click) {
    std::array<QRadioButton*, 3> buttons{};
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(kViewButtons[i].caption), page);
        buttons[i]->setGeometry(kViewButtons[i].left, kButtonTop, kViewButtons[i].width, 17);
    }
    buttons[1]->setChecked(true);
    // Connected after the first choice, so that building the page draws
    // nothing yet.
    for (QRadioButton* button : buttons)
        QObject::connect(button, &QRadioButton::toggled, page, [click](bool on) {
            if (on) click();
        });
    return buttons;
}

GlyphButton* makeNoteButton(QWidget* page, const QString& name, const QString& note) {
    auto* button = new GlyphButton(Glyph::Question, {}, page);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setGeometry(593, 337, 25, 22);
    QObject::connect(button, &QPushButton::clicked, page,
                     [page, note] { showInfo(note, page->window()); });
    return button;
}

void setBandReading(ChartSeries& series, bool inMB) {
    const NumberMask mask(inMB ? QStringLiteral("#,##0.# 'MB'") : QStringLiteral("#,##0 'files'"));
    series.setValueReading([mask](double value) { return mask.format(value); });
}

void fillAgeSeries(BarSeries& series, const std::array<std::int64_t, kAgeBuckets>& bytes,
                   const std::array<double, kAgeBuckets>& counts, bool inMB,
                   const BandColors& colours) {
    series.clear();
    setBandReading(series, inMB);
    // "Not recorded" first, at the bottom of the chart.
    for (int k = 0; k < kAgeBuckets; ++k) {
        const double value = inMB ? toMegabytes(static_cast<double>(bytes[k])) : counts[k];
        series.add(value, QString::fromUtf8(ageBucketLabel(k)), colours[k]);
    }
}

}  // namespace quarvo
