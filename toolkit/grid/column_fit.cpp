#include "toolkit/grid/column_fit.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include "toolkit/grid/string_grid.h"
#include "toolkit/grid/text_widths.h"

namespace quarvo {
namespace {

// Takes excess pixels, one at a time, from the column with the most width
// above its floor, so that the columns give way evenly.
void giveWay(std::vector<int>& widths, int& excess, const std::function<int(int col)>& floor) {
    while (excess > 0) {
        int widest = -1;
        int most = 0;
        for (int col = 0; col < static_cast<int>(widths.size()); ++col) {
            const int room = widths[col] - floor(col);
            if (room > most) {
                most = room;
                widest = col;
            }
        }
        if (widest < 0) return;
        --widths[widest];
        --excess;
    }
}

int whole(const ColumnRoom& column) {
    return std::max(column.needed, column.header);
}

// A header cut short while the listing has room takes that room: first what
// the view leaves over, then what columns wider than their cells and
// headers can give.
void widenCutHeaders(std::vector<int>& widths, const std::vector<ColumnRoom>& columns,
                     int available) {
    for (int col = 0; col < static_cast<int>(widths.size()); ++col) {
        const int lacking = columns[col].header - widths[col];
        if (lacking <= 0) continue;
        const int spare = available - std::accumulate(widths.begin(), widths.end(), 0);
        const int fromView = std::clamp(spare, 0, lacking);
        int fromColumns = lacking - fromView;
        giveWay(widths, fromColumns,
                [&](int other) { return other == col ? widths[other] : whole(columns[other]); });
        widths[col] += lacking - fromColumns;
    }
}

}  // namespace

std::vector<int> fitColumns(const std::vector<ColumnRoom>& columns, int available) {
    std::vector<int> widths;
    int designed = 0;
    for (const ColumnRoom& c : columns) {
        widths.push_back(c.shortenable ? c.designed : std::max(c.designed, c.needed));
        designed += c.designed;
    }
    // A layout wider than its room to begin with stays as it was given; only
    // what the widened columns add has to be found.
    int excess = std::accumulate(widths.begin(), widths.end(), 0) - std::max(available, designed);
    const auto text = [&](int col) { return std::min(kShortestTextColumn, widths[col]); };
    giveWay(widths, excess, [&](int col) { return whole(columns[col]); });
    giveWay(widths, excess, [&](int col) {
        return columns[col].shortenable ? text(col) : std::max(widths[col], whole(columns[col]));
    });
    giveWay(widths, excess,
            [&](int col) { return columns[col].shortenable ? text(col) : columns[col].needed; });
    widenCutHeaders(widths, columns, available);
    return widths;
}

std::vector<ColumnRoom> columnRooms(const StringGrid& grid, TextWidths& header, TextWidths& body,
                                    TextWidths& footer, int margin) {
    std::vector<double> widest(grid.colCount(), 0.0);
    const int footerRow = grid.fixedFooter() ? grid.rowCount() - 1 : -1;
    for (int row = 1; row < grid.rowCount(); ++row) {
        TextWidths& widths = row == footerRow ? footer : body;
        for (int col = 0; col < grid.colCount(); ++col)
            widest[col] = std::max(widest[col], widths.width(grid.cell(col, row)));
    }
    const auto withMargins = [margin](double width) {
        return static_cast<int>(std::ceil(width)) + 2 * margin;
    };
    std::vector<ColumnRoom> rooms;
    for (int col = 0; col < grid.colCount(); ++col) {
        ColumnRoom room;
        room.designed = grid.colWidth(col);
        room.needed = withMargins(widest[col]);
        room.header = withMargins(header.width(grid.cell(col, 0)));
        room.shortenable = grid.colShortenable(col);
        rooms.push_back(room);
    }
    return rooms;
}

}  // namespace quarvo
