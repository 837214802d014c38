#include "toolkit/chart/chart_text.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTransform>
#include <algorithm>

#include "toolkit/chart/chart_fonts.h"

namespace quarvo {

namespace {

bool hasLetterOrDigit(const QString& word) {
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

}  // namespace

QSizeF textBlockSize(const QFontMetricsF& metrics, const QString& text) {
    const QStringList lines = text.split(u'\n');
    double widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest, metrics.height() * lines.size()};
}

QString wrapText(const QString& text, const QFontMetricsF& metrics, double width) {
    QStringList lines;
    for (const QString& word : text.split(u' ')) {
        const QString joined = lines.isEmpty() ? word : lines.last() + u' ' + word;
        const bool fits = metrics.horizontalAdvance(joined) <= width;
        if (!lines.isEmpty() && (fits || !hasLetterOrDigit(word)))
            lines.last() = joined;
        else
            lines << word;
    }
    return lines.join(u'\n');
}

QSizeF TextSizes::of(const QFont& font, const QString& text) {
    const std::pair key(font, text);
    const auto found = sizes_.constFind(key);
    if (found != sizes_.cend()) return *found;
    const QSizeF size = textBlockSize(QFontMetricsF(pixelFont(font)), text);
    sizes_.insert(key, size);
    return size;
}

QRectF PlacedText::localRect(TextSizes& sizes) const {
    const QSizeF size = sizes.of(font, text);
    double x = -size.width() / 2, y = -size.height() / 2;
    if (alignment & Qt::AlignLeft) x = 0;
    if (alignment & Qt::AlignRight) x = -size.width();
    if (alignment & Qt::AlignTop) y = 0;
    if (alignment & Qt::AlignBottom) y = -size.height();
    return QRectF(QPointF(x, y), size);
}

QRectF PlacedText::bounds(TextSizes& sizes) const {
    QTransform transform;
    transform.translate(anchor.x(), anchor.y());
    transform.scale(scale, scale);
    transform.rotate(-angle);
    return transform.mapRect(localRect(sizes));
}

void PlacedText::draw(QPainter& painter, const QColor& color, TextSizes& sizes) const {
    if (text.isEmpty() || scale <= 0.05) return;
    painter.save();
    painter.translate(anchor);
    painter.scale(scale, scale);
    painter.rotate(-angle);
    painter.setFont(pixelFont(font));
    painter.setPen(color);
    painter.drawText(localRect(sizes), Qt::AlignCenter | Qt::TextDontClip, text);
    painter.restore();
}

}  // namespace quarvo
