#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <numbers>

#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

// One red pie with depth, as the small drive pies are set up, so that the
// top cap (red), the rim (a darker red) and the background (white) can be
// told apart by colour.
class ChartPieDrawingTest : public ::testing::Test, protected testing::WithApplication {
protected:
    void SetUp() override {
        chart.resize(240, 200);
        chart.title().visible = false;
        chart.legend().visible = false;
        chart.background().color = Qt::white;
        PieSeries* pie = chart.addPieSeries();
        pie->add(1, QStringLiteral(" "), Qt::red);
    }

    void view(int rotation, int elevation) {
        chart.setView3D({true, 65, 100, rotation, elevation, 0, false});
    }

    QVector3D rim(double degrees, double height) {
        const PieGeometry& pie = *chart.currentLayout().pie;
        const double a = degrees * std::numbers::pi / 180;
        return QVector3D(pie.centre.x() + pie.radius * std::cos(a), height,
                         pie.centre.y() + pie.radius * std::sin(a));
    }

    // The angle of the rim nearest to the viewer.
    double nearestAngle() {
        const Projection3D& p = chart.currentLayout().pie->projection;
        double best = 0;
        for (int d = 0; d < 360; ++d)
            if (p.distance(rim(d, 0)) < p.distance(rim(best, 0))) best = d;
        return best;
    }

    QColor at(const QImage& image, const QPointF& point) {
        return image.pixelColor(point.toPoint());
    }

    Chart chart;
};

TEST_F(ChartPieDrawingTest, TopCapAndNearRimShowAtEveryElevationAndRotation) {
    for (const int rotation : {360, 300, 30})
        for (const int elevation : {315, 345, 15, 45}) {
            SCOPED_TRACE(::testing::Message()
                         << "rotation " << rotation << " elevation " << elevation);
            view(rotation, elevation);
            const PieGeometry& pie = *chart.currentLayout().pie;
            const Projection3D& p = pie.projection;
            const QImage image = testing::renderChart(chart);
            const double t = pie.thickness, near = nearestAngle(), far = near + 180;
            const QPointF topNear = p.project(rim(near, t)), bottomNear = p.project(rim(near, 0));
            const QPointF topFar = p.project(rim(far, t));
            // The top cap lies above its bottom on screen, so the rim hangs below.
            ASSERT_LT(topNear.y(), bottomNear.y() - 5);
            const QPointF centre =
                p.project({float(pie.centre.x()), float(t), float(pie.centre.y())});
            EXPECT_EQ(at(image, (topNear + centre) / 2), QColor(Qt::red));
            EXPECT_EQ(at(image, (topFar + centre) / 2), QColor(Qt::red));
            // The rim is a darker red; the strips' outlines shade it a little.
            const QColor side = at(image, (topNear + bottomNear) / 2);
            EXPECT_TRUE(side.red() > 100 && side.red() < 200 && side.green() == 0)
                << side.name().toStdString();
            // Nothing of the rim shows beyond the far edge of the top cap.
            EXPECT_EQ(at(image, topFar + QPointF(0, -3)), QColor(Qt::white));
        }
}

TEST_F(ChartPieDrawingTest, PieFillsItsPlotAcrossOrDownWhateverTheElevation) {
    for (const int elevation : {315, 345, 270}) {
        view(360, elevation);
        const ChartLayout& layout = chart.currentLayout();
        const double t = layout.pie->thickness;
        const QRectF drawn =
            layout.pie->projection
                .project(std::vector<QVector3D>{rim(0, t), rim(180, t), rim(90, t), rim(270, 0)})
                .boundingRect();
        const QRectF plot = layout.plotArea;
        EXPECT_GT(std::max(drawn.width() / plot.width(), drawn.height() / plot.height()), 0.97)
            << "elevation " << elevation;
    }
}

}  // namespace
}  // namespace quarvo
