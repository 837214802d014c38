#include <gtest/gtest.h>

#include "toolkit/chart/projection3d.h"

namespace quarvo {
namespace {

constexpr double slant = Projection3D::slant;
const QRectF area(10, 20, 400, 300);

ChartView3D view(int zoom, int rotation, int elevation, int perspective, bool orthogonal) {
    return {true, 30, zoom, rotation, elevation, perspective, orthogonal};
}

void expectNear(const QPointF& actual, const QPointF& expected) {
    EXPECT_NEAR(actual.x(), expected.x(), 1e-3);
    EXPECT_NEAR(actual.y(), expected.y(), 1e-3);
}

TEST(Projection3D, OrthogonalViewFillsTheAreaWithFrontAndSlantedDepth) {
    const double d = 100;
    const QVector3D box(400 - d * slant, 300 - d * slant, d);
    const Projection3D full(view(100, 345, 345, 15, true), area, box);
    expectNear(full.project({0, 0, 0}), area.bottomLeft());
    expectNear(full.project(box), area.topRight());
    expectNear(full.project({box.x(), box.y(), 0}), {10 + box.x(), 320 - box.y()});

    // Half the zoom brings every corner halfway to the centre.
    const Projection3D half(view(50, 345, 345, 15, true), area, box);
    expectNear(half.project({0, 0, 0}), (area.bottomLeft() + area.center()) / 2);
    expectNear(half.project(box), (area.topRight() + area.center()) / 2);
    EXPECT_DOUBLE_EQ(half.scaleAt(box), 0.5);

    // Seen from above, right and front: front, top and right faces show.
    EXPECT_TRUE(full.facesViewer({0, 0, 0}, {0, 0, -1}));
    EXPECT_TRUE(full.facesViewer({0, 0, 0}, {0, 1, 0}));
    EXPECT_TRUE(full.facesViewer({0, 0, 0}, {1, 0, 0}));
    EXPECT_FALSE(full.facesViewer({0, 0, 0}, {-1, 0, 0}));
    EXPECT_FALSE(full.facesViewer({0, 0, 0}, {0, 0, 1}));
}

TEST(Projection3D, StraightAheadShowsTheFrontFaceCentredAndPerspectiveShrinksTheBack) {
    const QVector3D box(200, 100, 60);
    const Projection3D parallel(view(100, 360, 360, 0, false), area, box);
    const QPointF c = area.center();
    expectNear(parallel.project({0, 0, 0}), c + QPointF(-100, 50));
    expectNear(parallel.project({200, 100, 0}), c + QPointF(100, -50));
    expectNear(parallel.project({200, 100, 60}), c + QPointF(100, -50));

    const Projection3D deep(view(100, 360, 360, 100, false), area, box);
    expectNear(deep.project({200, 100, 0}), c + QPointF(100, -50));
    const QPointF back = deep.project({200, 100, 60});
    EXPECT_LT(back.x() - c.x(), 99);
    EXPECT_GT(back.x() - c.x(), 50);
    EXPECT_LT(deep.scaleAt({0, 0, 60}), deep.scaleAt({0, 0, 0}));
}

TEST(Projection3D, RotationAndElevationTurnTheBoxAboutItsCentre) {
    const QVector3D box(200, 100, 60);
    const QPointF c = area.center();
    // A quarter turn to the right: the front face is seen edge on at the
    // left and the depth runs to the right.
    const Projection3D side(view(100, 270, 360, 0, false), area, box);
    EXPECT_NEAR(side.project({0, 0, 0}).x(), c.x() - 30, 1e-3);
    EXPECT_NEAR(side.project({200, 0, 0}).x(), c.x() - 30, 1e-3);
    EXPECT_NEAR(side.project({0, 0, 60}).x(), c.x() + 30, 1e-3);
    EXPECT_TRUE(side.facesViewer({200, 50, 30}, {1, 0, 0}));
    EXPECT_FALSE(side.facesViewer({200, 50, 30}, {0, 0, -1}));

    // From straight above the floor shows, the back at the top.
    const Projection3D above(view(100, 360, 270, 0, false), area, box);
    EXPECT_NEAR(above.project({0, 0, 0}).y(), above.project({0, 100, 0}).y(), 1e-3);
    EXPECT_NEAR(above.project({0, 0, 60}).y(), c.y() - 30, 1e-3);
    EXPECT_TRUE(above.facesViewer({100, 0, 30}, {0, 1, 0}));

    // Stepping the rotation towards 360 turns the right face away.
    const Projection3D turning(view(100, 330, 360, 0, false), area, box);
    const Projection3D ahead(view(100, 359, 360, 0, false), area, box);
    const auto rightFaceWidth = [](const Projection3D& p) {
        return p.project({200, 0, 60}).x() - p.project({200, 0, 0}).x();
    };
    EXPECT_GT(rightFaceWidth(turning), rightFaceWidth(ahead));
    EXPECT_GT(rightFaceWidth(ahead), 0);
}

}  // namespace
}  // namespace quarvo
