#include "views/plain_chart.h"

namespace quarvo {

void showSeriesOnly(Chart& chart, const QColor& background) {
    chart.title().visible = false;
    for (ChartAxis* axis : {&chart.leftAxis(), &chart.rightAxis(), &chart.bottomAxis()})
        axis->visible = false;
    for (ChartWall* wall : {&chart.backWall(), &chart.leftWall(), &chart.bottomWall()})
        wall->visible = false;
    chart.background().frame = false;
    chart.background().color = background;
    chart.legend().visible = false;
    chart.setZoomEnabled(false);
}

}  // namespace quarvo
