// The Types page: the file types of the last run as a sortable listing with
// a totals row, or as a turning pie of the twelve biggest types by size, by
// number of files or by average size, the other types together as "Other".
#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "collect/page_listings.h"
#include "system/file_type_description.h"
#include "text/grid_sort.h"
#include "views/band_colors.h"
#include "views/frm_statistics.h"
#include "views/grid_cells.h"

namespace quarvo {
namespace {

// The most types the pie shows by name: one per chart colour.
constexpr std::size_t kMostSlices = 12;

// A type's figure under the listing's column keyColumn: bytes, files or
// the average file size.
double typeMeasure(const FileTypeCount& type, int keyColumn) {
    switch (keyColumn) {
        case 2:
            return static_cast<double>(type.bytes);
        case 3:
            return type.count;
        default:
            return type.count > 0 ? static_cast<double>(type.bytes) / type.count : 0;
    }
}

struct SortCommand {
    QAction* TfrmStatistics::*item;
    int column;
    bool numeric;  // numbers largest first; text in ascending order
};

const SortCommand kSortCommands[] = {
    {&TfrmStatistics::SortbyExtension, 0, false},
    {&TfrmStatistics::SortbyType, 1, false},
    {&TfrmStatistics::SortbySize, 2, true},
    {&TfrmStatistics::SortbyNumFiles, 3, true},
    {&TfrmStatistics::SortbyAverageFileSize1, 4, true},
};

// The hourglass for as long as a sort runs.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void TfrmStatistics::doFileTypes() {
    FileTypeTable& table = collector.fileTypeTable();
    seedListedTypes(table, collector.rule());
    const ListingRows rows = typesListing(
        table, [this](const std::string& key) { return typeDescription(key); }, services_.numbers);
    // rows: the header, one row per type, the totals.
    const int footer = static_cast<int>(rows.size()) - 1;
    gridTypes->setRowCount(footer + 1);
    for (int r = 1; r < footer; ++r) gridTypes->setRow(r, toCells(rows[r]));
    typesTotals_ = toCells(rows.back());
    // Nothing of an earlier, longer listing may stay in the footer.
    gridTypes->setRow(footer, {});
    rgTypesClick();
}

void TfrmStatistics::rgTypesClick() {
    const int view = rgTypes->itemIndex();
    const bool listing = view == 0;
    btSort->setVisible(listing);
    // The pie views turn; the listing stops the timer, which the Space
    // page's pies share.
    if (listing)
        Timer1->stop();
    else
        Timer1->start();
    // Behind a pie, the listing is ordered by the pie's measure, as the
    // pie is.
    if (view >= 1 && view <= 3) SortbyExtensionClick(this->*kSortCommands[view + 1].item);
    gridTypes->setVisible(listing);
    chartPie->setVisible(!listing);
    if (listing)
        doTotals();
    else
        fillTypesPie(view + 1);
}

std::string TfrmStatistics::typeDescription(const std::string& key) const {
    return typeKeyDescription(services_.classes, key);
}

void TfrmStatistics::fillTypesPie(int keyColumn) {
    const BandColors colours = initAColors(true, {});
    Series2->clear();
    const FileTypeTable& table = collector.fileTypeTable();
    std::vector<std::pair<double, std::size_t>> measured;  // value, table index
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double value = typeMeasure(table.at(i), keyColumn);
        if (value > 0) measured.emplace_back(value, i);
    }
    // Largest first; equal ones in the listing's extension order.
    std::stable_sort(measured.begin(), measured.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    double rest = 0;
    for (std::size_t place = 0; place < measured.size(); ++place) {
        const auto [value, index] = measured[place];
        if (place >= kMostSlices) {
            rest += value;
            continue;
        }
        // Colours go by place, so a colour stands for the place, not the type.
        Series2->add(value, QString::fromStdString(typeDescription(table.at(index).key)),
                     colours[place]);
    }
    // The types beyond the twelve are in "Other", so that every share is of
    // all the types counted.
    Series2->setRest(rest);
}

void TfrmStatistics::doTotals() {
    gridTypes->setRow(gridTypes->rowCount() - 1, typesTotals_);
}

void TfrmStatistics::SortbyExtensionClick(QAction* sender) {
    // Fewer than two types: nothing to order, and the marks stay as they are.
    if (gridTypes->rowCount() < 4) return;
    const auto command =
        std::find_if(std::begin(kSortCommands), std::end(kSortCommands),
                     [&](const SortCommand& c) { return this->*c.item == sender; });
    if (command == std::end(kSortCommands)) return;
    for (const SortCommand& c : kSortCommands) (this->*c.item)->setChecked(false);
    const WaitCursor wait;
    GridCells cells(*gridTypes);
    // The header and the totals row keep their places.
    const int last = gridTypes->rowCount() - 2;
    if (command->numeric)
        sortGridNumber(cells, 1, last, command->column, true, services_.numbers);
    else
        sortGridText(cells, 1, last, command->column, false);
    sender->setChecked(true);
}

Qt::Alignment TfrmStatistics::gridTypesGetAlignment(int col, int /*row*/) const {
    return (col > 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void TfrmStatistics::chartSpacePieClick() {
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
}

void TfrmStatistics::ScrollBar2Change() {
    Series2->setStartAngle(ScrollBar2->value());
}

void TfrmStatistics::turnTypesPie() {
    Series2->rotate(1);
    // The bar follows the pie; moving it here must not set the angle back.
    const QSignalBlocker quiet(ScrollBar2);
    ScrollBar2->setValue(Series2->startAngle());
}

}  // namespace quarvo
