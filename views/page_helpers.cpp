#include "views/page_helpers.h"

#include "forms/form_fonts.h"

namespace quarvo {

QStringList toCells(const std::vector<std::string>& row) {
    QStringList cells;
    for (const std::string& text : row) cells << QString::fromStdString(text);
    return cells;
}

void showListing(StringGrid& grid, const ListingRows& rows) {
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) grid.setRow(r, toCells(rows[r]));
}

void useFormFonts(Chart& chart) {
    const QFont font = formFont("Arial", 11);
    chart.title().font = font;
    chart.legend().font = font;
    for (ChartAxis* axis : {&chart.leftAxis(), &chart.rightAxis(), &chart.bottomAxis()}) {
        axis->labelFont = font;
        axis->titleFont = font;
    }
    for (int i = 0; i < chart.seriesCount(); ++i) chart.series(i)->marks().font = font;
}

void hideSelection(StringGrid& grid) {
    grid.setSelection(20, 20);
}

}  // namespace quarvo
