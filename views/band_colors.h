#pragma once
// The colours that the pages give to the values of a pie or of a size or
// date chart: the n-th value takes entry n (1 to 12), entry 1 first.

#include <QColor>
#include <array>

namespace quarvo {

using BandColors = std::array<QColor, 12>;

// The default palette, entry 1 first.
extern const BandColors kDefaultBandColors;

// useDefaults: the default palette; otherwise every entry is colour.
[[nodiscard]] BandColors initAColors(bool useDefaults, const QColor& colour);

}  // namespace quarvo
