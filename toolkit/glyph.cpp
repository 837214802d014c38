#include "toolkit/glyph.h"

#include <QPainter>
#include <QPainterPath>

namespace quarvo {
namespace {

// Each glyph is drawn on a 16 by 16 grid; the painter is scaled to the size.

void drawCheck(QPainter& p) {
    p.setPen(QPen(QColor(0, 128, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
}

void drawCross(QPainter& p) {
    p.setPen(QPen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void drawPrinter(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 175));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(11.5, 8, 1.5, 1.5), QColor(0, 170, 0));
    p.drawLine(QPointF(6, 12.5), QPointF(10, 12.5));
}

void drawStop(QPainter& p) {
    QPolygonF octagon;
    for (const auto& [x, y] : {std::pair{5.5, 1.5},
                               {10.5, 1.5},
                               {14.5, 5.5},
                               {14.5, 10.5},
                               {10.5, 14.5},
                               {5.5, 14.5},
                               {1.5, 10.5},
                               {1.5, 5.5}})
        octagon << QPointF(x, y);
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(215, 30, 30));
    p.drawPolygon(octagon);
    p.fillRect(QRectF(4, 7, 8, 2), Qt::white);
}

void drawExit(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(190, 140, 70));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setPen(QPen(QColor(0, 90, 180), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(7, 8), QPointF(14, 8));
    p.drawPolyline(QPolygonF({{11, 5}, {14, 8}, {11, 11}}));
}

void drawChart(QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawPolyline(QPolygonF({{1.5, 1.5}, {1.5, 14.5}, {14.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(3.5, 8, 3, 6), QColor(220, 40, 40));
    p.fillRect(QRectF(7.5, 4, 3, 10), QColor(40, 80, 220));
    p.fillRect(QRectF(11.5, 10, 3, 4), QColor(230, 200, 30));
}

void drawQuestion(QPainter& p) {
    p.setPen(QPen(QColor(0, 60, 160), 1));
    p.setBrush(QColor(40, 110, 220));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
}

void drawGlyph(QPainter& p, Glyph glyph) {
    switch (glyph) {
        case Glyph::None:
            break;
        case Glyph::Check:
            drawCheck(p);
            break;
        case Glyph::Cross:
            drawCross(p);
            break;
        case Glyph::Printer:
            drawPrinter(p);
            break;
        case Glyph::Stop:
            drawStop(p);
            break;
        case Glyph::Exit:
            drawExit(p);
            break;
        case Glyph::Chart:
            drawChart(p);
            break;
        case Glyph::Question:
            drawQuestion(p);
            break;
    }
}

}  // namespace

QPixmap glyphPixmap(Glyph glyph, int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    drawGlyph(painter, glyph);
    return pixmap;
}

QIcon glyphIcon(Glyph glyph) {
    QIcon icon;
    if (glyph == Glyph::None) return icon;
    icon.addPixmap(glyphPixmap(glyph, 16));
    icon.addPixmap(glyphPixmap(glyph, 32));
    return icon;
}

}  // namespace quarvo
