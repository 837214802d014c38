#pragma once
// The chart control: bar, pie and line series drawn with QPainter, with a
// title, a legend, walls, a background, three axes and a 3-D view that is a
// real small projection, so that stepping its rotation, elevation, zoom or
// depth is seen as the chart turning, growing and deepening. The user can
// zoom by dragging a rectangle to the right and undo it by dragging to the
// left. Screen, pixmaps and the printer share one painting path.

#include <QPoint>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

#include "toolkit/chart/bar_series.h"
#include "toolkit/chart/chart_layout.h"
#include "toolkit/chart/chart_legend_items.h"
#include "toolkit/chart/chart_settings.h"
#include "toolkit/chart/chart_zoom.h"
#include "toolkit/chart/line_series.h"
#include "toolkit/chart/pie_series.h"

class QPrinter;

namespace quarvo {

class Chart : public QWidget {
    Q_OBJECT

public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    // Series are owned by the chart and drawn in the order they were added.
    BarSeries* addBarSeries(BarSeries::Orientation orientation = BarSeries::Orientation::Vertical);
    PieSeries* addPieSeries();
    LineSeries* addLineSeries();
    [[nodiscard]] int seriesCount() const { return static_cast<int>(series_.size()); }
    [[nodiscard]] ChartSeries* series(int index) const;

    // Settings. The non-const accessors schedule a new layout and repaint.
    void setTitle(const QString& line);
    void setTitle(const QStringList& lines);
    [[nodiscard]] const ChartTitle& title() const { return title_; }
    ChartTitle& title();
    [[nodiscard]] const ChartLegend& legend() const { return legend_; }
    ChartLegend& legend();
    [[nodiscard]] const ChartMargins& margins() const { return margins_; }
    ChartMargins& margins();
    [[nodiscard]] const ChartBackground& background() const { return background_; }
    ChartBackground& background();
    ChartWall& backWall();
    ChartWall& leftWall();
    ChartWall& bottomWall();
    ChartAxis& leftAxis();
    ChartAxis& rightAxis();
    ChartAxis& bottomAxis();
    [[nodiscard]] const ChartAxis& bottomAxis() const { return bottomAxis_; }

    // The 3-D view; the animations step these one tick at a time.
    [[nodiscard]] const ChartView3D& view3D() const { return view3D_; }
    void setView3D(const ChartView3D& view);
    void set3D(bool on);
    void setDepthPercent(int percent);
    void setZoomPercent(int percent);
    void setRotation(int degrees);
    void setElevation(int degrees);
    void setPerspective(int strength);
    void setOrthogonal(bool on);

    // The hint shown when the mouse rests on the chart.
    void setHint(const QString& text) { setToolTip(text); }
    [[nodiscard]] QString hint() const { return toolTip(); }

    // Zooming by mouse drag, stepped by a timer when animated.
    void setZoomEnabled(bool on) { zoomEnabled_ = on; }
    [[nodiscard]] bool zoomEnabled() const { return zoomEnabled_; }
    void setZoomAnimated(bool on) { zoomAnimated_ = on; }
    // Zooms into a rectangle of the widget inside the plot area.
    void zoomToRect(const QRectF& rect);
    void undoZoom();
    [[nodiscard]] bool isZoomed() const { return zoom_.isZoomed(); }
    // One step of the zoom animation; the zoom timer calls it.
    void zoomTimerTick();
    [[nodiscard]] bool isZoomAnimating() const { return zoomTimer_.isActive(); }

    // Paging of the points: 0 shows them all. Pages count from 1. While
    // there is more than one page the user reaches every point: a small
    // scroll bar along the chart's bottom edge turns the pages, and so do
    // PageDown and PageUp (next, previous) and Home and End (first, last)
    // when the chart has the focus, which a click or Tab gives it.
    void setPointsPerPage(int count);
    [[nodiscard]] int pointsPerPage() const { return pointsPerPage_; }
    void setPage(int page);
    [[nodiscard]] int page() const { return page_; }
    [[nodiscard]] int pageCount() const;
    // The scroll bar that turns the pages, shown only while there are several.
    [[nodiscard]] QScrollBar* pager() const { return pager_; }
    // Keeps the pager clear of controls that the owner lays over the chart's
    // bottom corners: it runs from left pixels in to right pixels short of
    // the right edge.
    void setPagerInsets(int left, int right);

    // The geometry of the last layout for the widget's size, for painting,
    // hit-testing and tests.
    [[nodiscard]] const ChartLayout& currentLayout();
    [[nodiscard]] std::vector<LegendItem> legendItems() const;

    // Paints the chart into rect; the widget's size sets the proportions of
    // text to drawing, so a larger rect (a printer page) scales everything.
    void paint(QPainter& painter, const QRectF& rect);
    // Paints the chart on one page of the printer, as large as the page
    // allows with the widget's proportions.
    void print(QPrinter& printer);
    // The print preview, where the user picks printer, orientation and
    // margins and prints the chart.
    void printPreview();

signals:
    void clicked();
    void doubleClicked();
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    template <class S>
    S* adopt(std::unique_ptr<S> series);
    void invalidate();
    void viewChanged();
    [[nodiscard]] ChartLayoutInput layoutInput(const QSizeF& size) const;
    [[nodiscard]] std::vector<const ChartSeries*> seriesList() const;
    [[nodiscard]] QColor ground() const;
    [[nodiscard]] QSizeF logicalSize(const QRectF& rect) const;
    void runZoom();
    // Shows the pager when there are several pages and keeps it in step.
    void updatePager();
    // The part of the widget the chart is drawn in: all of it but the pager.
    [[nodiscard]] QSize drawingSize() const;

    // The steps of painting, each on the layout of the size painted.
    void paintBackground(QPainter& painter, const ChartLayout& layout) const;
    void paintTitle(QPainter& painter, const ChartLayout& layout) const;
    void paintWalls(QPainter& painter, const ChartLayout& layout) const;
    void paintAxes(QPainter& painter, const ChartLayout& layout) const;
    void paintSeries(QPainter& painter, const ChartLayout& layout) const;
    void paintMarks(QPainter& painter, const ChartLayout& layout) const;
    void paintLegend(QPainter& painter, const ChartLayout& layout) const;
    void paintZoomRectangle(QPainter& painter) const;

    std::vector<std::unique_ptr<ChartSeries>> series_;
    ChartTitle title_;
    ChartLegend legend_;
    ChartMargins margins_;
    ChartBackground background_;
    ChartWall backWall_;
    ChartWall leftWall_;
    ChartWall bottomWall_;
    ChartAxis leftAxis_;
    ChartAxis rightAxis_;
    ChartAxis bottomAxis_;
    ChartView3D view3D_;

    bool zoomEnabled_ = true;
    bool zoomAnimated_ = false;
    ChartZoom zoom_;
    QTimer zoomTimer_;
    int pointsPerPage_ = 0;
    int page_ = 1;
    QScrollBar* pager_ = nullptr;
    int pagerLeft_ = 0;
    int pagerRight_ = 0;

    std::unique_ptr<ChartLayout> layout_;
    bool viewChanged_ = false;  // layout_ is of another 3-D view
    QPoint dragStart_;
    QPoint dragEnd_;
    bool dragging_ = false;
};

}  // namespace quarvo
