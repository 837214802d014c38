#pragma once
// Text with tab characters laid out at tab positions, as the list boxes of the
// toolkit show their tab-separated columns. Positions are in pixels from a tab
// origin; a tab moves the text to the first position beyond where it stands.
// No positions: a stop every default width. One position: a stop every that
// many pixels. Several: those stops, and past the last the last interval
// repeats.

#include <QString>
#include <vector>

class QFontMetrics;
class QPainter;

namespace quarvo {

struct TabLayout {
    std::vector<int> positions;
    int origin = 0;
    int defaultWidth = 64;
};

// Where the text after a tab standing at x begins.
[[nodiscard]] int nextTabStop(int x, const TabLayout& tabs);
// The left edge of each tab-separated field of text written from left.
[[nodiscard]] std::vector<int> tabbedFieldStarts(const QFontMetrics& metrics, int left,
                                                 const QString& text, const TabLayout& tabs);
// Writes text with its top at top, expanding tabs, in the painter's font and pen.
void drawTabbedText(QPainter& painter, int left, int top, const QString& text,
                    const TabLayout& tabs);
// Writes text with its top at top, tab characters left unexpanded.
void drawPlainText(QPainter& painter, int left, int top, const QString& text);

}  // namespace quarvo
