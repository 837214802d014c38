#pragma once
// The plain settings of a chart and of its parts: margins, walls,
// background, title, legend, axes, marks and the 3-D view. They hold no
// behaviour; the chart reads them when it lays itself out and paints.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

namespace quarvo {

// Space kept free around the chart, in percent of its width and height.
struct ChartMargins {
    int left = 3;
    int top = 4;
    int right = 3;
    int bottom = 4;
};

// A wall of the chart's box. A transparent wall shows only its outline.
struct ChartWall {
    bool visible = true;
    bool transparent = false;
    QColor color{Qt::white};
};

// The chart's background: the plain colour, or a gradient from the bottom
// colour to the top colour. Without a colour the chart paints no background,
// so that it takes the colour of the page or panel it lies on.
struct ChartBackground {
    QColor color;
    bool gradient = false;
    QColor gradientBottom{Qt::white};
    QColor gradientTop{Qt::white};
    // A frame around the whole chart.
    bool frame = false;
};

struct ChartTitle {
    bool visible = true;
    QStringList lines;
    QFont font{QStringLiteral("Arial"), -1, QFont::Normal};
    QColor color{Qt::blue};
};

// What a legend lists: the series by title, or the points of one series
// with their values.
enum class LegendStyle { Series, Values };
enum class LegendAlignment { Left, Right, Top, Bottom };

struct ChartLegend {
    bool visible = true;
    LegendStyle style = LegendStyle::Series;
    int valuesSeries = 0;  // which series lists its points in the Values style
    bool inverted = false;
    LegendAlignment alignment = LegendAlignment::Right;
    QFont font{QStringLiteral("Arial")};
    QColor textColor{Qt::black};
    QColor color{Qt::white};
    bool frame = true;
};

struct ChartAxis {
    bool visible = true;
    bool labelsVisible = true;
    QString valueFormat = QStringLiteral("#,##0.###");
    QFont labelFont{QStringLiteral("Arial")};
    QColor labelColor{Qt::black};
    int labelAngle = 0;        // 0 or 90 degrees
    int labelSeparation = 10;  // least gap between two labels, percent of a label's size
    QString title;
    QFont titleFont{QStringLiteral("Arial")};
    QColor titleColor{Qt::black};
    // An automatic axis spans the data; otherwise minimum to maximum.
    bool automatic = true;
    double minimum = 0;
    double maximum = 0;
    bool ticksVisible = true;
    QColor tickColor{Qt::darkGray};
    bool minorTicksVisible = true;
    int minorTickCount = 3;
    bool lineVisible = true;
    QColor lineColor{Qt::black};
    bool gridVisible = true;
    QColor gridColor{Qt::gray};
};

// How the 3-D view looks. Depth is in percent of the chart's size, zoom in
// percent, rotation and elevation in degrees (360 is straight ahead);
// perspective runs from 0 (parallel) to 100 (strong). The orthogonal view
// ignores rotation and elevation and shows the depth slanting up and right.
struct ChartView3D {
    bool enabled = true;
    int depthPercent = 15;
    int zoomPercent = 100;
    int rotation = 345;
    int elevation = 345;
    int perspective = 15;
    bool orthogonal = true;
};

// What a mark of a point says.
enum class MarkContent { Value, Percent, Label, LabelAndPercent, LabelAndValue };

// The marks of a series: small boxes with a point's value or share. The
// distance is in pixels beyond the end of a bar (negative: inside it), the
// arrow length in pixels from a pie's rim.
struct SeriesMarks {
    bool visible = false;
    MarkContent content = MarkContent::Value;
    QFont font{QStringLiteral("Arial")};
    QColor textColor{Qt::black};
    QColor boxColor{255, 255, 225};
    bool frame = true;
    QColor frameColor{Qt::black};
    int arrowLength = 8;
    QColor arrowColor{Qt::black};
    int distance = 8;
};

}  // namespace quarvo
