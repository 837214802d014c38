#pragma once
// Lets a screen reader read the toolkit's controls: string grids as tables,
// charts with their bars, slices and points, pick lists as lists of
// checkable entries, effect labels as text, and glyph buttons by their
// caption, or by their hint when they show only a picture. The program
// installs this once, before its first window; installing again does
// nothing.

namespace quarvo {

void installAccessibility();

}  // namespace quarvo
