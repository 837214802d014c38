#include "toolkit/focus_frame.h"

#include <QPainter>

namespace quarvo {
namespace {

void paintRing(QPainter& painter, const QRect& rect, int width, const QColor& colour) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.bottom() - width + 1, rect.width(), width, colour);
    painter.fillRect(rect.left(), rect.top(), width, rect.height(), colour);
    painter.fillRect(rect.right() - width + 1, rect.top(), width, rect.height(), colour);
}

}  // namespace

void paintFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette) {
    if (rect.width() < 6 || rect.height() < 6) return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    paintRing(painter, rect, 2, palette.color(QPalette::Text));
    paintRing(painter, rect.adjusted(2, 2, -2, -2), 1, palette.color(QPalette::Base));
    painter.restore();
}

}  // namespace quarvo
