#pragma once
// The Types page: the file types of the last run as a sortable listing with
// a totals row, or as a turning pie of the twelve biggest types by size, by
// number of files or by average size, the other types together as "Other".

#include <QStringList>
#include <cstdint>
#include <string>
#include <vector>

#include "collect/statistics_collector.h"
#include "system/classes_root.h"
#include "text/number_format.h"
#include "toolkit/chart/chart.h"
#include "toolkit/grid/grid_printer.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/radio_group.h"
#include "views/run_comparison.h"
#include "views/statistics_page.h"

class QAction;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;

namespace quarvo {

class TypesPage : public StatisticsPage {
public:
    // pieTimer turns the pie; the Space page's pies share it.
    TypesPage(StatisticsCollector& collector, ClassesRoot& classes, const NumberFormat& numbers,
              QTimer& pieTimer, const RunComparison& comparison);

    // The listing in extension order, the view that rgTypes has chosen.
    void rebuild() override;
    bool print() override;
    void recolour(const QColor& colour) override;

    // Writes the listing's header row.
    void showHeader();
    // Fills the listing from the file-type table (seeding the types of an
    // include rule first), then shows the view that rgTypes has chosen.
    void doFileTypes();
    void rgTypesClick();
    void doTotals();
    // sender: one of the sort items of PopupMenu1.
    void SortbyExtensionClick(QAction* sender);
    // A click on a header sorts as the Sort menu's item of its column does;
    // a second click on the same column reverses the order.
    void gridTypesHeaderClick(int col);
    [[nodiscard]] Qt::Alignment gridTypesGetAlignment(int col, int row) const;
    void chartSpacePieClick();
    void ScrollBar2Change();
    // One tick of the pie timer: the pie, when the page shows one, turns a
    // degree.
    void turnTypesPie();

    // The file types of the last run with a totals row as its fixed footer.
    StringGrid* gridTypes = nullptr;
    // How the listing prints; its title names the drive of the last run
    // once it has been printed.
    GridPrintSettings gridTypesPrint = typesListingPrintSettings();
    Chart* chartPie = nullptr;
    PieSeries* Series2 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    RadioGroup* rgTypes = nullptr;
    QPushButton* btSort = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* SortbyExtension = nullptr;
    QAction* SortbyType = nullptr;
    QAction* SortbySize = nullptr;
    QAction* SortbyNumFiles = nullptr;
    QAction* SortbyAverageFileSize1 = nullptr;
    // Shown while comparing with an earlier run.
    QAction* SortbyFilesChange = nullptr;
    QAction* SortbyBytesChange = nullptr;

protected:
    [[nodiscard]] Chart* printedChart() const override { return chartPie; }

private:
    // A type of the listing: its cells as shown, and the figures it sorts on.
    struct TypeRow {
        std::vector<std::string> cells;
        std::int64_t bytes = 0;
        double files = 0;
        // The changes since the run compared with, when comparing.
        double filesChange = 0;
        std::int64_t bytesChange = 0;
    };
    struct SortCommand;
    static const SortCommand kSortCommands[];

    // Sorts the rows as command does, or the other way round, and marks
    // the order in the menu and in the listing's header.
    void sortTypes(const SortCommand& command, bool reversed);
    void buildSortMenu();
    void buildTypesGrid();
    void buildTypesPie();
    void buildTypesSwitches();
    // The listing's columns: five, or seven with the change columns.
    void setTypesColumns();
    // The pie of the measure of listing column keyColumn (2 size, 3 files,
    // 4 average): the twelve biggest types, the others in "Other".
    void fillTypesPie(int keyColumn);
    // While comparing, each slice's type gets its measure in the earlier
    // run (none for a type new since), and "Other" all the other types then.
    void showEarlierShares(int keyColumn, const std::vector<std::string>& sliceKeys);
    // The name of a file-type key, "" for files without an extension.
    [[nodiscard]] std::string typeDescription(const std::string& key) const;
    // Writes the rows between the header and the totals in their order.
    void showRows();
    static GridPrintSettings typesListingPrintSettings();
    void printTypesListing();

    StatisticsCollector& collector_;
    ClassesRoot& classes_;
    const NumberFormat& numbers_;
    QTimer& pieTimer_;
    const RunComparison& comparison_;
    std::vector<TypeRow> rows_;
    const SortCommand* sortedBy_ = nullptr;
    bool reversed_ = false;
    // The totals row as the last fill worked it out from the table's own
    // figures.
    QStringList typesTotals_;
};

}  // namespace quarvo
