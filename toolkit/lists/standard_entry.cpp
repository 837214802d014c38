#include "toolkit/lists/standard_entry.h"

#include <QPainter>

#include "toolkit/lists/tabbed_text.h"

namespace quarvo {

void paintStandardEntry(QPainter& painter, const QRect& rect, const QString& text, bool selected,
                        const QPalette& palette, const TabLayout* tabs) {
    painter.fillRect(rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    if (tabs)
        drawTabbedText(painter, rect.left() + 2, rect.top(), text, *tabs);
    else
        drawPlainText(painter, rect.left() + 2, rect.top(), text);
}

}  // namespace quarvo
