// How a chart paints itself: on screen, into a pixmap and on the printer,
// all through paint().
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>

#include "toolkit/chart/chart.h"
#include "toolkit/chart/chart_axis_painter.h"
#include "toolkit/chart/chart_bar_painter.h"
#include "toolkit/chart/chart_legend_painter.h"
#include "toolkit/chart/chart_line_painter.h"
#include "toolkit/chart/chart_pie_painter.h"
#include "toolkit/chart/chart_wall_painter.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/focus_frame.h"
#include "toolkit/print_start.h"

namespace quarvo {

QSizeF Chart::logicalSize(const QRectF& rect) const {
    if (width() <= 0 || height() <= 0) return rect.size();
    return QSizeF(width(), rect.height() * width() / rect.width());
}

void Chart::paint(QPainter& painter, const QRectF& rect) {
    if (rect.isEmpty()) return;
    const QSizeF logical = logicalSize(rect);
    std::unique_ptr<ChartLayout> own;
    if (logical != QSizeF(drawingSize())) own = std::make_unique<ChartLayout>(layoutInput(logical));
    const ChartLayout& layout = own ? *own : currentLayout();
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / logical.width(), rect.width() / logical.width());
    painter.setClipRect(QRectF(QPointF(), logical));
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter, layout);
    paintTitle(painter, layout);
    paintWalls(painter, layout);
    paintAxes(painter, layout);
    paintSeries(painter, layout);
    paintMarks(painter, layout);
    paintLegend(painter, layout);
    painter.restore();
}

void Chart::paintBackground(QPainter& painter, const ChartLayout& layout) const {
    painter.save();
    const QRectF all = layout.chartRect;
    if (background_.gradient) {
        QLinearGradient gradient(all.bottomLeft(), all.topLeft());
        gradient.setColorAt(0, background_.gradientBottom);
        gradient.setColorAt(1, background_.gradientTop);
        painter.fillRect(all, gradient);
    } else if (background_.color.isValid()) {
        painter.fillRect(all, background_.color);
    }
    if (background_.frame) {
        painter.setPen(QPen(Qt::black, 0));
        painter.drawRect(all.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

void Chart::paintTitle(QPainter& painter, const ChartLayout& layout) const {
    if (layout.titleRect.isEmpty()) return;
    painter.save();
    painter.setFont(layout.titleFont);
    painter.setPen(title_.color);
    painter.drawText(layout.titleRect, Qt::AlignHCenter | Qt::AlignTop,
                     layout.titleLines.join(u'\n'));
    painter.restore();
}

void Chart::paintWalls(QPainter& painter, const ChartLayout& layout) const {
    if (!layout.hasAxes) return;
    painter.save();
    ChartWallPainter walls(painter, layout);
    walls.paintWalls({&backWall_, &leftWall_, &bottomWall_});
    walls.paintGrid(layout.horizontalBars ? bottomAxis_ : leftAxis_);
    painter.restore();
}

void Chart::paintAxes(QPainter& painter, const ChartLayout& layout) const {
    if (!layout.hasAxes) return;
    painter.save();
    ChartAxisPainter axes(painter, layout);
    axes.paintLeft(leftAxis_);
    axes.paintRight(rightAxis_);
    axes.paintBottom(bottomAxis_);
    painter.restore();
}

void Chart::paintSeries(QPainter& painter, const ChartLayout& layout) const {
    painter.save();
    const std::vector<const ChartSeries*> series = seriesList();
    if (layout.pie) {
        ChartPiePainter(painter, *layout.pie,
                        static_cast<const PieSeries&>(*series[layout.pie->series]),
                        layout.textSizes)
            .paint();
    } else if (layout.hasAxes) {
        ChartBarPainter(painter, layout, series).paintBars();
        ChartLinePainter(painter, layout, series).paint();
    }
    painter.restore();
}

void Chart::paintMarks(QPainter& painter, const ChartLayout& layout) const {
    painter.save();
    const std::vector<const ChartSeries*> series = seriesList();
    if (layout.pie) {
        ChartPiePainter(painter, *layout.pie,
                        static_cast<const PieSeries&>(*series[layout.pie->series]),
                        layout.textSizes)
            .paintMarks();
    } else if (layout.hasAxes) {
        ChartBarPainter(painter, layout, series).paintMarks();
    }
    painter.restore();
}

void Chart::paintLegend(QPainter& painter, const ChartLayout& layout) const {
    painter.save();
    ChartLegendPainter(painter, layout).paint(legend_);
    painter.restore();
}

void Chart::paintZoomRectangle(QPainter& painter) const {
    if (!dragging_ || dragEnd_.x() <= dragStart_.x()) return;
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0, Qt::DashLine));
    painter.drawRect(QRect(dragStart_, dragEnd_).normalized());
    painter.restore();
}

void Chart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, QRectF(QPointF(), QSizeF(drawingSize())));
    paintZoomRectangle(painter);
    if (hasFocus()) paintFocusFrame(painter, QRect(QPoint(), drawingSize()), palette());
}

void Chart::resizeEvent(QResizeEvent*) {
    layout_.reset();
    updatePager();
}

void Chart::print(QPrinter& printer) {
    QPainter painter;
    if (!startPrinting(painter, printer, this)) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF shape = width() > 0 && height() > 0 ? QSizeF(drawingSize()) : page.size();
    const double scale = std::min(page.width() / shape.width(), page.height() / shape.height());
    paint(painter, QRectF(QPointF(0, 0), shape * scale));
}

void Chart::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    if (width() > height()) printer.setPageOrientation(QPageLayout::Landscape);
    dialogs().printPreview(this, printer, [this](QPrinter* target) { print(*target); });
}

}  // namespace quarvo
