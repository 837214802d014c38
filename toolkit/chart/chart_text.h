#pragma once
// Text of a chart placed against an anchor point: the alignment says which
// side or centre of the text touches the anchor; the scale enlarges or
// shrinks the text about the anchor (the 3-D zoom); an angle of 90 turns
// the text to read upwards.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QString>
#include <utility>

namespace quarvo {

// The size of a text of one or more lines ("\n" between them) in metrics.
[[nodiscard]] QSizeF textBlockSize(const QFontMetricsF& metrics, const QString& text);

// The text broken at blanks into lines no wider than width where it can
// be: a word wider than width has a line of its own, and a word without a
// letter or digit (a unit such as "%") stays with the word before it.
[[nodiscard]] QString wrapText(const QString& text, const QFontMetricsF& metrics, double width);

// The sizes of texts in their fonts, each measured once: the frames of a
// turning or zooming chart draw the same labels again and again.
class TextSizes {
public:
    // As textBlockSize gives it for the font in pixels.
    [[nodiscard]] QSizeF of(const QFont& font, const QString& text);

private:
    QHash<std::pair<QFont, QString>, QSizeF> sizes_;
};

struct PlacedText {
    QString text;
    QFont font;
    QPointF anchor;
    Qt::Alignment alignment = Qt::AlignCenter;
    double scale = 1;
    int angle = 0;

    // The rectangle the text covers on screen.
    [[nodiscard]] QRectF bounds(TextSizes& sizes) const;
    void draw(QPainter& painter, const QColor& color, TextSizes& sizes) const;

private:
    // The text's rectangle before turning and scaling, relative to the anchor.
    [[nodiscard]] QRectF localRect(TextSizes& sizes) const;
};

}  // namespace quarvo
