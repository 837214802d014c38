#pragma once
// Chart text is sized in pixels of the chart's own drawing, so that it
// scales with everything else on a printer page or under the 3-D zoom.

#include <QFont>

namespace quarvo {

// The font with its size in pixels; a size in points counts at 96 dots per
// inch, the screen's usual resolution.
[[nodiscard]] QFont pixelFont(const QFont& font);

}  // namespace quarvo
