#include "toolkit/chart/chart_legend_painter.h"

#include <QFontMetricsF>

#include "toolkit/chart/chart_contrast.h"
#include "toolkit/chart/chart_fonts.h"

namespace quarvo {

// The swatches look like what they name as drawn in the chart.
void ChartLegendPainter::paintSwatch(const LegendItem& item, const QRectF& box) {
    switch (item.swatch) {
        case LegendSwatch::Box:
            painter_.setPen(QPen(Qt::black, 0));
            painter_.setBrush(item.color);
            painter_.drawRect(box);
            break;
        case LegendSwatch::Outline:
            painter_.setPen(earlierOutline(item.color));
            painter_.setBrush(earlierWash(item.color));
            painter_.drawRect(box.adjusted(0.75, 0.75, -0.75, -0.75));
            break;
        case LegendSwatch::Dashes:
            painter_.setPen(QPen(item.color, 2, Qt::DashLine, Qt::FlatCap));
            painter_.drawLine(QLineF(box.left(), box.center().y(), box.right(), box.center().y()));
            break;
    }
}

void ChartLegendPainter::paint(const ChartLegend& legend) {
    if (layout_.legendItemRects.empty()) return;
    painter_.save();
    painter_.setPen(legend.frame ? QPen(Qt::black, 0) : QPen(Qt::NoPen));
    painter_.setBrush(legend.color);
    painter_.drawRect(layout_.legendRect);
    const QFont font = pixelFont(legend.font);
    const QFontMetricsF metrics(font);
    const double swatch = metrics.ascent(), pad = 5;
    painter_.setFont(font);
    for (size_t i = 0; i < layout_.legendItemRects.size(); ++i) {
        const LegendItem& item = layout_.legendItems[i];
        const QRectF row = layout_.legendItemRects[i];
        const QRectF box(row.left(), row.center().y() - swatch / 2, swatch, swatch);
        paintSwatch(item, box);
        painter_.setPen(legend.textColor);
        double x = box.right() + pad;
        if (layout_.legendValueWidth > 0 && !item.value.isEmpty()) {
            painter_.drawText(QRectF(x, row.top(), layout_.legendValueWidth, row.height()),
                              Qt::AlignRight | Qt::AlignVCenter, item.value);
            x += layout_.legendValueWidth + pad;
        }
        painter_.drawText(QRectF(x, row.top(), row.right() - x + pad, row.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
    painter_.restore();
}

}  // namespace quarvo
