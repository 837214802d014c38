#pragma once
// The small pictures on push buttons, drawn by the program itself so that
// they stay crisp at any scale.

#include <QIcon>
#include <QPixmap>

namespace quarvo {

enum class Glyph { None, Check, Cross, Printer, Stop, Exit, Chart, Question };

// The glyph on a transparent square of size logical pixels.
[[nodiscard]] QPixmap glyphPixmap(Glyph glyph, int size, qreal devicePixelRatio = 1);
// The glyph at 16 and 32 pixels; an empty icon for Glyph::None.
[[nodiscard]] QIcon glyphIcon(Glyph glyph);

}  // namespace quarvo
