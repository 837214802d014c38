// How a chart answers the mouse: clicks, double clicks, and zooming by
// dragging a rectangle to the right, undone by dragging to the left.
#include <QMouseEvent>

#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

constexpr int zoomSteps = 8;
constexpr int dragThreshold = 4;

}  // namespace

void Chart::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragStart_ = dragEnd_ = event->position().toPoint();
    dragging_ = true;
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    dragEnd_ = event->position().toPoint();
    if (zoomEnabled_) update();
}

void Chart::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = false;
    dragEnd_ = event->position().toPoint();
    const QPoint moved = dragEnd_ - dragStart_;
    update();
    if (!zoomEnabled_ || moved.manhattanLength() < dragThreshold) {
        emit clicked();
    } else if (moved.x() < 0) {
        undoZoom();
    } else {
        zoomToRect(QRectF(dragStart_, dragEnd_));
    }
}

void Chart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void Chart::zoomToRect(const QRectF& rect) {
    const std::optional<AxisWindow> target = currentLayout().windowUnder(rect);
    if (!target) return;
    zoom_.zoomIn(currentLayout().shownWindow(), *target, zoomAnimated_ ? zoomSteps : 1);
    runZoom();
}

void Chart::undoZoom() {
    if (!zoom_.isZoomed()) return;
    ChartLayoutInput unzoomed = layoutInput(size());
    unzoomed.zoom.reset();
    const AxisWindow full = ChartLayout(unzoomed).shownWindow();
    zoom_.zoomOut(currentLayout().shownWindow(), full, zoomAnimated_ ? zoomSteps : 1);
    runZoom();
}

// Animated, the timer takes the steps; otherwise the one step is taken now.
void Chart::runZoom() {
    if (zoomAnimated_)
        zoomTimer_.start();
    else
        zoomTimerTick();
}

void Chart::zoomTimerTick() {
    if (!zoom_.step()) zoomTimer_.stop();
    invalidate();
}

}  // namespace quarvo
