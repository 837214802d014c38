#include "views/types_page.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <unordered_map>

#include "forms/form_fonts.h"
#include "listings/page_listings.h"
#include "system/file_type_description.h"
#include "text/ascii_case.h"
#include "text/number_text.h"
#include "toolkit/dialog_seam.h"
#include "views/band_colors.h"
#include "views/page_helpers.h"

namespace quarvo {
namespace {

// The change columns that a comparison adds after the listing's own.
constexpr int kFilesChangeColumn = 5;
constexpr int kBytesChangeColumn = 6;

// The most types the pie shows by name: one per chart colour.
constexpr std::size_t kMostSlices = 12;

// A type's figure under the listing's column keyColumn: bytes, files or
// the average file size.
double typeMeasure(std::int64_t bytes, double files, int keyColumn) {
    switch (keyColumn) {
        case 2:
            return static_cast<double>(bytes);
        case 3:
            return files;
        default:
            return files > 0 ? static_cast<double>(bytes) / files : 0;
    }
}

// The hourglass for as long as a sort runs.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

// Text in ascending order; numbers largest first.
struct TypesPage::SortCommand {
    QAction* TypesPage::*item;
    int column;
    bool numeric;

    [[nodiscard]] bool before(const TypeRow& a, const TypeRow& b) const {
        if (!numeric) return compareIgnoringAsciiCase(a.cells[column], b.cells[column]) < 0;
        return measure(a) > measure(b);
    }
    [[nodiscard]] double measure(const TypeRow& row) const {
        if (column == kFilesChangeColumn) return row.filesChange;
        if (column == kBytesChangeColumn) return static_cast<double>(row.bytesChange);
        return typeMeasure(row.bytes, row.files, column);
    }
};

const TypesPage::SortCommand TypesPage::kSortCommands[] = {
    {&TypesPage::SortbyExtension, 0, false},
    {&TypesPage::SortbyType, 1, false},
    {&TypesPage::SortbySize, 2, true},
    {&TypesPage::SortbyNumFiles, 3, true},
    {&TypesPage::SortbyAverageFileSize1, 4, true},
    {&TypesPage::SortbyFilesChange, kFilesChangeColumn, true},
    {&TypesPage::SortbyBytesChange, kBytesChangeColumn, true},
};

void TypesPage::rebuild() {
    doFileTypes();
    SortbyExtensionClick(SortbyExtension);
}

void TypesPage::showHeader() {
    QStringList header = {QStringLiteral("Extension"), QStringLiteral("Type"),
                          QStringLiteral("Size"), QStringLiteral("# Files"),
                          QStringLiteral("Avg File Size")};
    if (comparison_.on())
        header << QStringLiteral("Change in files") << QStringLiteral("Change in size");
    gridTypes->setRow(0, header);
}

void TypesPage::doFileTypes() {
    seedListedTypes(collector_.fileTypeTable(), collector_.rule());
    // A type that has gone since the run compared with is listed with no
    // files; the run's own table keeps only the types it found.
    FileTypeTable table = collector_.fileTypeTable();
    if (comparison_.on()) addGoneTypes(table, comparison_.then().figures);
    ListingRows rows = typesListing(
        table, [this](const std::string& key) { return typeDescription(key); }, numbers_);
    // rows: the header, one row per table entry in table order, the totals.
    rows_.clear();
    TypeChange total;
    for (std::size_t i = 0; i < table.size(); ++i) {
        TypeRow row{rows[i + 1], table.at(i).bytes, static_cast<double>(table.at(i).count)};
        if (comparison_.on()) {
            const TypeChange change = comparison_.typeChange(table.at(i).key);
            row.filesChange = change.files;
            row.bytesChange = change.bytes;
            row.cells.push_back(changeText(change.files, numbers_));
            row.cells.push_back(changeText(change.bytes, numbers_));
            total.files += change.files;
            total.bytes += change.bytes;
        }
        rows_.push_back(std::move(row));
    }
    if (comparison_.on()) {
        rows.back().push_back(changeText(total.files, numbers_));
        rows.back().push_back(changeText(total.bytes, numbers_));
    }
    setTypesColumns();
    showHeader();
    const int footer = static_cast<int>(rows.size()) - 1;
    gridTypes->setRowCount(footer + 1);
    showRows();
    typesTotals_ = toCells(rows.back());
    // Nothing of an earlier, longer listing may stay in the footer.
    gridTypes->setRow(footer, {});
    rgTypesClick();
}

void TypesPage::showRows() {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        gridTypes->setRow(static_cast<int>(i) + 1, toCells(rows_[i].cells));
}

void TypesPage::rgTypesClick() {
    const int view = rgTypes->itemIndex();
    const bool listing = view == 0;
    btSort->setVisible(listing);
    // The pie views turn; the listing stops the timer, which the Space
    // page's pies share.
    if (listing)
        pieTimer_.stop();
    else
        pieTimer_.start();
    // Behind a pie, the listing is ordered by the pie's measure, as the
    // pie is.
    if (view >= 1 && view <= 3) SortbyExtensionClick(this->*kSortCommands[view + 1].item);
    gridTypes->setVisible(listing);
    chartPie->setVisible(!listing);
    // The totals stand also behind a pie, where a screen reader still finds
    // the listing.
    doTotals();
    if (!listing) fillTypesPie(view + 1);
}

std::string TypesPage::typeDescription(const std::string& key) const {
    return typeKeyDescription(classes_, key);
}

void TypesPage::fillTypesPie(int keyColumn) {
    const BandColors colours = initAColors(true, {});
    Series2->clear();
    const FileTypeTable& table = collector_.fileTypeTable();
    std::vector<std::pair<double, std::size_t>> measured;  // value, table index
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double value = typeMeasure(table.at(i).bytes, table.at(i).count, keyColumn);
        if (value > 0) measured.emplace_back(value, i);
    }
    // Largest first; equal ones in the listing's extension order.
    std::stable_sort(measured.begin(), measured.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    double rest = 0;
    std::vector<std::string> sliceKeys;
    for (std::size_t place = 0; place < measured.size(); ++place) {
        const auto [value, index] = measured[place];
        if (place >= kMostSlices) {
            rest += value;
            continue;
        }
        // Colours go by place, so a colour stands for the place, not the type.
        Series2->add(value, QString::fromStdString(typeDescription(table.at(index).key)),
                     colours[place]);
        sliceKeys.push_back(table.at(index).key);
    }
    // The types beyond the twelve are in "Other", so that every share is of
    // all the types counted.
    Series2->setRest(rest);
    showEarlierShares(keyColumn, sliceKeys);
}

void TypesPage::showEarlierShares(int keyColumn, const std::vector<std::string>& sliceKeys) {
    if (!comparison_.on()) return;
    std::unordered_map<std::string, double> then;
    double thenWhole = 0;
    for (const FileTypeCount& type : comparison_.then().figures.types) {
        const double value = std::max(0.0, typeMeasure(type.bytes, type.count, keyColumn));
        then[type.key] = value;
        thenWhole += value;
    }
    double named = 0;
    for (std::size_t slice = 0; slice < sliceKeys.size(); ++slice) {
        const auto found = then.find(sliceKeys[slice]);
        if (found == then.end()) continue;  // a type new since: its mark says so
        Series2->setEarlier(static_cast<int>(slice), found->second);
        named += found->second;
    }
    // What the other types were then is the earlier "Other".
    Series2->setEarlierRest(thenWhole - named);
}

void TypesPage::doTotals() {
    gridTypes->setRow(gridTypes->rowCount() - 1, typesTotals_);
}

void TypesPage::SortbyExtensionClick(QAction* sender) {
    const auto command =
        std::find_if(std::begin(kSortCommands), std::end(kSortCommands),
                     [&](const SortCommand& c) { return this->*c.item == sender; });
    if (command != std::end(kSortCommands)) sortTypes(*command, false);
}

void TypesPage::gridTypesHeaderClick(int col) {
    const auto command = std::find_if(std::begin(kSortCommands), std::end(kSortCommands),
                                      [&](const SortCommand& c) { return c.column == col; });
    if (command == std::end(kSortCommands)) return;
    sortTypes(*command, sortedBy_ == &*command && !reversed_);
}

void TypesPage::sortTypes(const SortCommand& command, bool reversed) {
    // Fewer than two types: nothing to order, and the marks stay as they are.
    if (rows_.size() < 2) return;
    for (const SortCommand& c : kSortCommands) (this->*c.item)->setChecked(false);
    const WaitCursor wait;
    std::stable_sort(rows_.begin(), rows_.end(), [&](const TypeRow& a, const TypeRow& b) {
        return reversed ? command.before(b, a) : command.before(a, b);
    });
    showRows();
    (this->*command.item)->setChecked(true);
    sortedBy_ = &command;
    reversed_ = reversed;
    // Text goes up from A, figures down from the largest.
    gridTypes->setSortIndicator(command.column, command.numeric == reversed);
}

Qt::Alignment TypesPage::gridTypesGetAlignment(int col, int /*row*/) const {
    return (col > 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void TypesPage::chartSpacePieClick() {
    if (pieTimer_.isActive())
        pieTimer_.stop();
    else
        pieTimer_.start();
}

void TypesPage::ScrollBar2Change() {
    Series2->setStartAngle(ScrollBar2->value());
}

void TypesPage::turnTypesPie() {
    if (rgTypes->itemIndex() < 1) return;
    Series2->rotate(1);
    // The bar follows the pie; moving it here must not set the angle back.
    const QSignalBlocker quiet(ScrollBar2);
    ScrollBar2->setValue(Series2->startAngle());
}

bool TypesPage::print() {
    if (!StatisticsPage::print()) printTypesListing();
    return true;
}

void TypesPage::recolour(const QColor& colour) {
    recolourAllBut(colour, gridTypes);
}

GridPrintSettings TypesPage::typesListingPrintSettings() {
    GridPrintSettings settings;
    settings.title = QStringLiteral("File Types");
    const QFont font = formFont("MS Sans Serif", 11);
    settings.cellFont = font;
    settings.headerFont = font;
    settings.footerFont = font;
    return settings;
}

void TypesPage::printTypesListing() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().printDialog(window(), printer)) return;
    gridTypesPrint.title =
        QStringLiteral("File types for drive ") + QString::fromStdString(collector_.currentDrive);
    GridPrinter(*gridTypes, gridTypesPrint).print(printer, window());
}

}  // namespace quarvo
