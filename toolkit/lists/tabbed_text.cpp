#include "toolkit/lists/tabbed_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace quarvo {
namespace {

// The next multiple of interval after x, counted from base. A width that is
// not positive would never move on, so the default width stands in for it.
int nextRepeat(int x, int base, int interval, int fallback) {
    if (interval <= 0) interval = fallback > 0 ? fallback : 1;
    if (x < base) return base;
    return base + ((x - base) / interval + 1) * interval;
}

}  // namespace

int nextTabStop(int x, const TabLayout& tabs) {
    const int local = x - tabs.origin;
    const auto& p = tabs.positions;
    if (p.empty()) return tabs.origin + nextRepeat(local, 0, tabs.defaultWidth, 1);
    if (p.size() == 1) return tabs.origin + nextRepeat(local, 0, p.front(), tabs.defaultWidth);
    for (int position : p)
        if (position > local) return tabs.origin + position;
    const int interval = p.back() - p[p.size() - 2];
    return tabs.origin + nextRepeat(local, p.back(), interval, tabs.defaultWidth);
}

std::vector<int> tabbedFieldStarts(const QFontMetrics& metrics, int left, const QString& text,
                                   const TabLayout& tabs) {
    std::vector<int> starts;
    int x = left;
    for (const QString& field : text.split(QLatin1Char('\t'))) {
        if (!starts.empty()) x = nextTabStop(x, tabs);
        starts.push_back(x);
        x += metrics.horizontalAdvance(field);
    }
    return starts;
}

void drawTabbedText(QPainter& painter, int left, int top, const QString& text,
                    const TabLayout& tabs) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList fields = text.split(QLatin1Char('\t'));
    const std::vector<int> starts = tabbedFieldStarts(metrics, left, text, tabs);
    for (qsizetype i = 0; i < fields.size(); ++i)
        painter.drawText(QPoint(starts[i], top + metrics.ascent()), fields[i]);
}

void drawPlainText(QPainter& painter, int left, int top, const QString& text) {
    painter.drawText(QPoint(left, top + painter.fontMetrics().ascent()), text);
}

}  // namespace quarvo
