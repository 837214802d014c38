#pragma once
// Draws the back, left and bottom walls of a chart's box with the grid
// lines of the axes on them. A wall seen from outside is left out, so that
// a chart turned far round never hides its bars behind a wall.

#include <QPainter>

#include "toolkit/chart/chart_layout.h"

namespace quarvo {

struct ChartWalls {
    const ChartWall* back = nullptr;
    const ChartWall* left = nullptr;
    const ChartWall* bottom = nullptr;
};

class ChartWallPainter {
public:
    ChartWallPainter(QPainter& painter, const ChartLayout& layout)
        : painter_(painter), layout_(layout) {}

    void paintWalls(const ChartWalls& walls);
    // Grid lines at the ticks of the value axis, across the visible walls.
    void paintGrid(const ChartAxis& valueAxis);

private:
    void paintWall(const ChartWall& wall, const std::vector<QVector3D>& corners,
                   const QVector3D& inward);
    [[nodiscard]] bool shows(const std::vector<QVector3D>& corners, const QVector3D& inward) const;

    QPainter& painter_;
    const ChartLayout& layout_;
};

}  // namespace quarvo
