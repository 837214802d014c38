#pragma once
// The focus frame every control of the toolkit draws round what has the
// keyboard focus: two pixels of the text colour with a pixel of the base
// colour inside them, so that it stands out on a light background, on a
// dark one and on the highlight of a selection alike.

#include <QPalette>
#include <QRect>

class QPainter;

namespace quarvo {

void paintFocusFrame(QPainter& painter, const QRect& rect, const QPalette& palette);

}  // namespace quarvo
