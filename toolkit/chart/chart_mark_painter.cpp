#include "toolkit/chart/chart_mark_painter.h"

#include <algorithm>
#include <cmath>

#include "toolkit/chart/chart_text.h"

namespace quarvo {

QRectF ChartMarkPainter::place(const QSizeF& size, const QPointF& point,
                               const QPointF& direction) const {
    QRectF box(QPointF(), size);
    if (std::abs(direction.x()) > std::abs(direction.y())) {
        box.moveCenter(point);
        box.moveLeft(direction.x() > 0 ? point.x() : point.x() - size.width());
    } else {
        box.moveCenter(point);
        box.moveTop(direction.y() > 0 ? point.y() : point.y() - size.height());
    }
    return box;
}

// Moves the box along direction until it lies wholly on the far side of
// base, the line through base across direction.
void ChartMarkPainter::keepBeyond(QRectF& box, const QPointF& base, const QPointF& direction) {
    if (std::abs(direction.x()) > std::abs(direction.y())) {
        if (direction.x() > 0 && box.left() < base.x()) box.moveLeft(base.x());
        if (direction.x() < 0 && box.right() > base.x()) box.moveRight(base.x());
    } else {
        if (direction.y() < 0 && box.bottom() > base.y()) box.moveBottom(base.y());
        if (direction.y() > 0 && box.top() < base.y()) box.moveTop(base.y());
    }
}

// The box goes past the boxes it meets, up for a mark above its anchor's
// centre and down for one below, away from what it labels, and keeps that
// way, so that it never bounces between two others.
void ChartMarkPainter::moveClear(QRectF& box, const QPointF& direction) const {
    const bool down = direction.y() > 0;
    for (std::size_t tries = 0; tries <= drawn_.size(); ++tries) {
        const auto hit = std::find_if(drawn_.begin(), drawn_.end(), [&box](const QRectF& other) {
            return box.intersects(other);
        });
        if (hit == drawn_.end()) return;
        if (down)
            box.moveTop(hit->bottom() + 1);
        else
            box.moveBottom(hit->top() - 1);
    }
}

void ChartMarkPainter::paint(const QString& text, const QPointF& anchor, const QPointF& direction,
                             double distance, bool arrow, double scale, bool pushAside,
                             std::optional<QPointF> base) {
    if (text.trimmed().isEmpty() || scale <= 0.05) return;
    const QSizeF block = sizes_.of(marks_.font, text);
    const QSizeF size((block.width() + 6) * scale, (block.height() + 2) * scale);
    const QPointF near = anchor + direction * distance * scale;
    QRectF box = place(size, near, direction);
    if (base) keepBeyond(box, *base, direction);
    if (pushAside) moveClear(box, direction);
    drawn_.push_back(box);
    painter_.save();
    if (arrow && distance > 0) {
        painter_.setPen(QPen(marks_.arrowColor, 0));
        painter_.drawLine(anchor, near);
    }
    painter_.setPen(marks_.frame ? QPen(marks_.frameColor, 0) : QPen(Qt::NoPen));
    painter_.setBrush(marks_.boxColor);
    painter_.drawRect(box);
    painter_.restore();
    PlacedText{text, marks_.font, box.center(), Qt::AlignCenter, scale, 0}.draw(
        painter_, marks_.textColor, sizes_);
}

}  // namespace quarvo
