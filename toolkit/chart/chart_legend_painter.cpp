#include "toolkit/chart/chart_legend_painter.h"

#include <QFontMetricsF>

#include "toolkit/chart/chart_fonts.h"

namespace quarvo {

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
        painter_.setPen(QPen(Qt::black, 0));
        painter_.setBrush(item.color);
        painter_.drawRect(box);
        painter_.setPen(legend.textColor);
        double x = box.right() + pad;
        if (layout_.legendValueWidth > 0) {
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
