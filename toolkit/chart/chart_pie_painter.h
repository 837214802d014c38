#pragma once
// Draws the pie of a chart's layout: the rim and the sides of the wedges,
// the far ones first, then the faces, then the marks with their arrows.

#include <QPainter>
#include <vector>

#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/pie_series.h"

namespace quarvo {

class ChartPiePainter {
public:
    ChartPiePainter(QPainter& painter, const PieGeometry& pie, const PieSeries& series,
                    TextSizes& sizes)
        : painter_(painter), pie_(pie), series_(series), sizes_(sizes) {}

    void paint();
    void paintMarks();

private:
    struct Patch {
        std::vector<QVector3D> corners;
        QColor color;
        QVector3D inside;  // a point within the wedge, to tell the outside
    };
    [[nodiscard]] QVector3D rimPoint(const PieWedge& wedge, double degrees, double height) const;
    [[nodiscard]] QVector3D centrePoint(const PieWedge& wedge, double height) const;
    [[nodiscard]] std::vector<double> arcAngles(const PieWedge& wedge) const;
    void collectSides(const PieWedge& wedge, std::vector<Patch>& patches) const;
    void paintFace(const PieWedge& wedge, double height);

    QPainter& painter_;
    const PieGeometry& pie_;
    const PieSeries& series_;
    TextSizes& sizes_;
};

}  // namespace quarvo
