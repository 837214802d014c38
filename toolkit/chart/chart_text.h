#pragma once
// Text of a chart placed against an anchor point: the alignment says which
// side or centre of the text touches the anchor; the scale enlarges or
// shrinks the text about the anchor (the 3-D zoom); an angle of 90 turns
// the text to read upwards.

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

namespace quarvo {

// The size of a text of one or more lines ("\n" between them) in metrics.
[[nodiscard]] QSizeF textBlockSize(const QFontMetricsF& metrics, const QString& text);

// The text broken at blanks into lines no wider than width where it can
// be: a word wider than width has a line of its own, and a word without a
// letter or digit (a unit such as "%") stays with the word before it.
[[nodiscard]] QString wrapText(const QString& text, const QFontMetricsF& metrics, double width);

struct PlacedText {
    QString text;
    QFont font;
    QPointF anchor;
    Qt::Alignment alignment = Qt::AlignCenter;
    double scale = 1;
    int angle = 0;

    // The rectangle the text covers on screen.
    [[nodiscard]] QRectF bounds() const;
    void draw(QPainter& painter, const QColor& color) const;

private:
    // The text's rectangle before turning and scaling, relative to the anchor.
    [[nodiscard]] QRectF localRect() const;
};

}  // namespace quarvo
