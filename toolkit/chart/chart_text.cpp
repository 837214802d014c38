#include "toolkit/chart/chart_text.h"

#include <QFontMetricsF>
#include <QTransform>

#include "toolkit/chart/chart_fonts.h"

namespace quarvo {

QRectF PlacedText::localRect() const {
    const QFontMetricsF metrics(pixelFont(font));
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    double x = -size.width() / 2, y = -size.height() / 2;
    if (alignment & Qt::AlignLeft) x = 0;
    if (alignment & Qt::AlignRight) x = -size.width();
    if (alignment & Qt::AlignTop) y = 0;
    if (alignment & Qt::AlignBottom) y = -size.height();
    return QRectF(QPointF(x, y), size);
}

QRectF PlacedText::bounds() const {
    QTransform transform;
    transform.translate(anchor.x(), anchor.y());
    transform.scale(scale, scale);
    transform.rotate(-angle);
    return transform.mapRect(localRect());
}

void PlacedText::draw(QPainter& painter, const QColor& color) const {
    if (text.isEmpty() || scale <= 0.05) return;
    painter.save();
    painter.translate(anchor);
    painter.scale(scale, scale);
    painter.rotate(-angle);
    painter.setFont(pixelFont(font));
    painter.setPen(color);
    painter.drawText(localRect(), Qt::AlignCenter | Qt::TextDontClip, text);
    painter.restore();
}

}  // namespace quarvo
