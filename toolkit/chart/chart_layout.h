#pragma once
// The geometry of a chart at one size, computed once and read by painting,
// hit-testing, zooming and tests: where title, legend and plot lie, the
// ranges of the axes, the 3-D box with its projection, and every bar, line
// and pie slice in the box's world coordinates (see Projection3D).

#include <QFont>
#include <QMarginsF>
#include <QPolygonF>
#include <QRectF>
#include <QStringList>
#include <QVector3D>
#include <optional>
#include <vector>

#include "toolkit/chart/chart_axis_scale.h"
#include "toolkit/chart/chart_legend_items.h"
#include "toolkit/chart/chart_settings.h"
#include "toolkit/chart/chart_text.h"
#include "toolkit/chart/chart_zoom.h"
#include "toolkit/chart/pie_series.h"
#include "toolkit/chart/projection3d.h"

namespace quarvo {

struct ChartLayoutInput {
    QSizeF size;
    const ChartTitle* title = nullptr;
    const ChartLegend* legend = nullptr;
    const ChartMargins* margins = nullptr;
    const ChartAxis* leftAxis = nullptr;
    const ChartAxis* rightAxis = nullptr;
    const ChartAxis* bottomAxis = nullptr;
    const ChartView3D* view = nullptr;
    std::vector<const ChartSeries*> series;
    std::optional<AxisWindow> zoom;
    int pointsPerPage = 0;
    int page = 1;
    // What the bars are seen against: the back wall, or the background
    // where there is no wall. Invalid when that is not one colour.
    QColor ground;
};

// One bar between two corners of the world box.
struct BarBox {
    QVector3D low;
    QVector3D high;
    QColor color;  // the point's colour, or a tone of it that stands out from the ground
    bool gradient = false;
    bool horizontal = false;
    int series = 0;
    int point = 0;
    bool earlier = false;  // the point's earlier value, drawn as an outline
};

// A line in its lane of the depth: the points at the lane's front. The
// earlier values of a line lie in the lane behind it.
struct LineRibbon {
    int series = 0;
    std::vector<QVector3D> points;
    float depth = 0;
    bool earlier = false;
};

// A label of the category axis at a position in axis values.
struct CategoryLabel {
    double position = 0;
    QString text;
};

struct PieWedge {
    PieSlice slice;
    double startDegrees = 0;
    double sweepDegrees = 0;
    QPointF offset;    // pulled out of the pie, in world units
    QString markText;  // its mark, in lines that let the pie fill its plot
};

// A pie lies flat on the floor of its own box, its thickness going up;
// angles run counter-clockwise seen from above, 0 pointing right.
struct PieGeometry {
    int series = 0;
    QPointF centre;  // world x and z
    double radius = 0;
    double thickness = 0;
    std::vector<PieWedge> wedges;
    Projection3D projection;
};

struct ChartLayout {
    explicit ChartLayout(const ChartLayoutInput& input);

    // Places again what the 3-D view decides: the box, its projection and
    // the bars, lines and pie in it. Title, legend, axes and their scales
    // do not hang on the view, so a view stepped by an animation keeps
    // them and only this part is done again.
    void placeView(const ChartLayoutInput& input);

    // Axis values to the world box; z in world units.
    [[nodiscard]] QVector3D world(double h, double v, double z = 0) const;
    // The point on the front of the box that names a category. Bars lying
    // along the bottom axis are seen centred halfway into their depth, so
    // their label is raised by half the rise of the slanted top faces and
    // names the whole bar, not the bar above.
    [[nodiscard]] QVector3D categoryAnchor(double position) const;
    // The window of axis values the box shows.
    [[nodiscard]] AxisWindow shownWindow() const;
    // The axis values under a rectangle of the drawing, read in the front
    // plane; none when the rectangle misses the plot.
    [[nodiscard]] std::optional<AxisWindow> windowUnder(const QRectF& rect) const;
    // The outline of the projected box, to keep series inside it.
    [[nodiscard]] QPolygonF boxOutline() const;

    QRectF chartRect;
    QRectF titleRect;
    QFont titleFont;         // the title's font, made smaller to fit
    QStringList titleLines;  // as they fit the title's width
    QRectF legendRect;
    std::vector<LegendItem> legendItems;
    std::vector<QRectF> legendItemRects;
    double legendValueWidth = 0;  // the column of values in the Values style
    QRectF plotArea;              // the projected box and its depth, without axis labels
    QRectF labelsArea;            // the plot with the labels and titles of the axes

    bool hasAxes = false;
    bool horizontalBars = false;  // categories run up the left axis
    bool rightAxis = false;       // a series is plotted against the right axis
    AxisScale hScale;             // bottom axis
    AxisScale vScale;             // left and right axes
    bool hCategories = false;     // the bottom axis lists labels instead of numbers
    std::vector<CategoryLabel> categoryLabels;
    int firstPoint = 0;  // the points of the page shown
    int lastPoint = -1;

    QVector3D box;
    Projection3D projection;
    // How deep the bars are: the box's depth, or less for a group of side
    // by side bars (see placeBars).
    float barDepth = 0;
    std::vector<BarBox> bars;
    std::vector<LineRibbon> lines;
    std::optional<PieGeometry> pie;

    // The texts painted on this layout, measured as they are first painted
    // and kept for the views to come.
    mutable TextSizes textSizes;

private:
    void placeFrame(const ChartLayoutInput& input);
    void placeTitle(const ChartTitle& title, QRectF& rest);
    void placeLegend(const ChartLayoutInput& input, QRectF& rest);
    void findPage(const ChartLayoutInput& input);
    void placeAxes(const ChartLayoutInput& input);
    void makeScales(const ChartLayoutInput& input, const QSizeF& pixels);
    [[nodiscard]] QMarginsF axisRoom(const ChartLayoutInput& input) const;
    [[nodiscard]] QMarginsF markRoom(const ChartLayoutInput& input) const;
    void placeBox(const ChartLayoutInput& input);
    void placeBars(const ChartLayoutInput& input);
    [[nodiscard]] float groupDepth(const ChartLayoutInput& input,
                                   const std::vector<double>& widths) const;
    void placeLines(const ChartLayoutInput& input);
    void placePie(const ChartLayoutInput& input);
};

}  // namespace quarvo
