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

void showTurningPie(Chart& chart, const QColor& background, int depthPercent) {
    showSeriesOnly(chart, background);
    chart.setView3D({.enabled = true,
                     .depthPercent = depthPercent,
                     .zoomPercent = 100,
                     .rotation = 360,
                     .elevation = 315,
                     .perspective = 0,
                     .orthogonal = false});
    chart.setHint(QStringLiteral("Click on pie to toggle animation"));
}

}  // namespace quarvo
