#pragma once
// How wide the columns of a listing are drawn, on screen and on paper. A
// column keeps the width it was given unless its widest cell needs more: a
// number cut at its left edge reads as another number, so a column is never
// narrower than its widest cell. Only a column of text that may be
// shortened (descriptions, paths) can be drawn narrower than its text; its
// cells then end in "…". When the widened columns would pass the room
// there is, the room comes first out of columns wider than their cells,
// then out of the text that may be shortened, and last out of the headers
// of the other columns, which are text too. A header wider than its column
// (on screen, with the sort arrow) takes what room the view leaves over or
// columns wider than their cells and headers can give; else it is cut.

#include <vector>

namespace quarvo {

class StringGrid;
class TextWidths;

struct ColumnRoom {
    int designed = 0;  // the width the column was given
    int needed = 0;    // its widest cell below the header, with its margins
    int header = 0;    // its header cell, with its margins
    bool shortenable = false;
};

// Columns shortened as text keep at least this width, enough for a few
// characters and the "…".
inline constexpr int kShortestTextColumn = 40;

// The widths to draw the columns in, within available when that can be
// done without cutting a number; wider than available otherwise.
[[nodiscard]] std::vector<int> fitColumns(const std::vector<ColumnRoom>& columns, int available);

// The room each column of grid asks for, when the header row is drawn in
// the font of header, the body rows in that of body and a fixed footer row
// in that of footer, each cell with margin pixels on either side of its text.
[[nodiscard]] std::vector<ColumnRoom> columnRooms(const StringGrid& grid, TextWidths& header,
                                                  TextWidths& body, TextWidths& footer, int margin);

}  // namespace quarvo
