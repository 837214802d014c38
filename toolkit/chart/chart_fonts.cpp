#include "toolkit/chart/chart_fonts.h"

#include <algorithm>
#include <cmath>

namespace quarvo {

QFont pixelFont(const QFont& font) {
    if (font.pixelSize() > 0) return font;
    QFont out = font;
    out.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0))));
    return out;
}

}  // namespace quarvo
