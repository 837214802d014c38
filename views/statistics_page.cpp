#include "views/statistics_page.h"

#include "forms/form_fonts.h"
#include "toolkit/chart/chart.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/pick_list.h"

namespace quarvo {

StatisticsPage::StatisticsPage(QWidget* parent) : QWidget(parent) {
    setFont(formFont("Arial", 11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
}

bool StatisticsPage::print() {
    Chart* chart = printedChart();
    if (!chart || chart->isHidden()) return false;
    chart->printPreview();
    return true;
}

void StatisticsPage::recolour(const QColor& colour) {
    recolourAllBut(colour, nullptr);
}

void StatisticsPage::recolourAllBut(const QColor& colour, const QWidget* keep) {
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget == keep) continue;
        if (auto* chart = qobject_cast<Chart*>(widget)) {
            chart->background().color = colour;
        } else if (auto* list = qobject_cast<TPickList*>(widget)) {
            list->setColor(colour);
        } else if (auto* grid = qobject_cast<StringGrid*>(widget)) {
            grid->setColor(colour);
            grid->setFixedColor(colour);
        }
    }
}

}  // namespace quarvo
