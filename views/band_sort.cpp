#include "views/band_sort.h"

#include <algorithm>
#include <numeric>

#include "toolkit/grid/string_grid.h"
#include "views/page_helpers.h"

namespace quarvo {

BandFigures ageFigures(std::initializer_list<AgeColumns> kinds) {
    BandFigures figures;
    for (int bucket = kAgeBuckets - 1; bucket >= 0; --bucket) {
        std::vector<double>& row = figures.emplace_back();
        for (const AgeColumns& kind : kinds) {
            row.push_back(static_cast<double>(kind.bytes[bucket]));
            row.push_back(kind.counts[bucket]);
        }
    }
    return figures;
}

BandFigures withChangeFigures(BandFigures figures, const std::vector<RowChange>& changes) {
    for (std::size_t row = 0; row < std::min(figures.size(), changes.size()); ++row) {
        figures[row].push_back(static_cast<double>(changes[row].files));
        figures[row].push_back(static_cast<double>(changes[row].bytes));
    }
    return figures;
}

BandFigures withChangeFiguresBeside(const BandFigures& figures,
                                    const std::vector<std::vector<RowChange>>& changes) {
    if (changes.empty()) return figures;
    BandFigures out;
    for (std::size_t row = 0; row < figures.size(); ++row) {
        std::vector<double>& to = out.emplace_back();
        for (std::size_t kind = 0; kind < changes.size() && 1 + 2 * kind < figures[row].size();
             ++kind) {
            const RowChange change = row < changes[kind].size() ? changes[kind][row] : RowChange{};
            to.insert(to.end(), {figures[row][2 * kind], static_cast<double>(change.bytes),
                                 figures[row][1 + 2 * kind], static_cast<double>(change.files)});
        }
    }
    return out;
}

BandSort::BandSort(StringGrid& grid) : QObject(&grid), grid_(grid) {
    connect(&grid, &StringGrid::headerClicked, this, &BandSort::sortBy);
}

void BandSort::show(const ListingRows& rows, BandFigures figures) {
    // Other columns (change columns come or go) give the bands their own
    // order back: a column's number may now stand for another figure.
    if (rows_.empty() || rows.empty() || rows_.front() != rows.front()) {
        column_ = -1;
        ascending_ = true;
    }
    rows_ = rows;
    figures_ = std::move(figures);
    if (!rows_.empty()) grid_.setRow(0, toCells(rows_.front()));
    showBands();
}

void BandSort::sortBy(int col) {
    // A column without figures (as one of text only) cannot order the bands.
    const bool known = col == 0 || std::any_of(figures_.begin(), figures_.end(), [&](auto& f) {
                           return col - 1 < static_cast<int>(f.size());
                       });
    if (!known) return;
    // Bands first come in their own order, figures largest first.
    ascending_ = col == column_ ? !ascending_ : col == 0;
    column_ = col;
    showBands();
}

void BandSort::showBands() {
    const int bands = static_cast<int>(rows_.size()) - 1;
    std::vector<int> order(std::max(bands, 0));
    std::iota(order.begin(), order.end(), 0);
    const auto key = [&](int band) {
        if (column_ <= 0) return static_cast<double>(band);
        if (band >= static_cast<int>(figures_.size())) return 0.0;
        const std::vector<double>& row = figures_[band];
        return column_ - 1 < static_cast<int>(row.size()) ? row[column_ - 1] : 0.0;
    };
    // Equal figures keep the bands' own order either way.
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return ascending_ ? key(a) < key(b) : key(a) > key(b); });
    for (int place = 0; place < bands; ++place)
        grid_.setRow(place + 1, toCells(rows_[order[place] + 1]));
    grid_.setSortIndicator(column_, ascending_);
}

}  // namespace quarvo
