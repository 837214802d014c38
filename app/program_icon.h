#pragma once
// The program's icon, the one its desktop entry names: three drives as 3-D
// bars. Drawn from the SVG built into the program; where the toolkit has no
// SVG support installed, the chart glyph of the buttons stands in.

#include <QIcon>

namespace quarvo {

[[nodiscard]] QIcon programIcon();

}  // namespace quarvo
