#pragma once
// An entry of a list drawn as the platform draws a plain list box: the
// highlight behind a selected entry, the text 2 pixels in from the left, tabs
// expanded when a tab layout is given.

#include <QPalette>
#include <QRect>
#include <QString>

class QPainter;

namespace quarvo {

struct TabLayout;

void paintStandardEntry(QPainter& painter, const QRect& rect, const QString& text, bool selected,
                        const QPalette& palette, const TabLayout* tabs);

}  // namespace quarvo
