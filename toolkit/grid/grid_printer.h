#pragma once
// Prints a string grid over as many pages as its rows need: the title at the
// top centre, the date top left, the time top right and the page number
// bottom left, the grid centred between the margins. The header row is
// printed once, at the top of the first page; the footer row ends the last.
// Columns are as wide on paper as on screen, and wider where a cell in the
// printing fonts needs it, as the grid itself fits them (column_fit.h).

#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/grid/text_widths.h"

class QPainter;
class QPrinter;
class QWidget;

namespace quarvo {

class StringGrid;

struct GridPrintSettings {
    QString title;
    QString pagePrefix = QStringLiteral("Page");
    QFont cellFont;
    QFont headerFont;
    QFont footerFont;
    double leftMarginMm = 20;
    double rightMarginMm = 20;
    double topMarginMm = 15;
    double bottomMarginMm = 15;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

class GridPrinter {
public:
    // The rows of one page, first and last included.
    using PageRows = std::pair<int, int>;
    struct PageTexts {
        QString title;
        QString date;
        QString time;
        QString page;
    };

    GridPrinter(const StringGrid& grid, GridPrintSettings settings);

    // The moment the date and time are printed from; the clock by default.
    void setNow(const QDateTime& now) { now_ = now; }

    // Prints on the printer as set up (in the settings' orientation and
    // margins); returns the number of pages printed. When the printer cannot
    // be started, says so in an error box over parent and prints nothing.
    int print(QPrinter& printer, QWidget* parent = nullptr) const;

    // How the rows fall on pages whose printable area is pageHeight high, in
    // screen pixels (96 to the inch).
    [[nodiscard]] std::vector<PageRows> paginate(double pageHeight) const;
    [[nodiscard]] PageTexts pageTexts(int pageNumber) const;
    // Paints page pageIndex (from 0) of the pages paginate gives for area,
    // in screen pixels.
    void paintPage(QPainter& painter, const QRectF& area, const std::vector<PageRows>& pages,
                   int pageIndex) const;

private:
    double bandHeight() const;
    // The column widths on a page whose printable area is width wide.
    const std::vector<int>& columnWidths(double width) const;
    void paintBands(QPainter& painter, const QRectF& area, int pageNumber) const;
    void paintRow(QPainter& painter, double left, double top, int row,
                  const std::vector<int>& widths) const;
    // The widths of texts in the printing font of row.
    TextWidths& widthsOf(int row) const;

    const StringGrid& grid_;
    GridPrintSettings settings_;
    QDateTime now_ = QDateTime::currentDateTime();
    mutable std::optional<std::pair<double, std::vector<int>>> fitted_;
    mutable TextWidths headerWidths_;
    mutable TextWidths cellWidths_;
    mutable TextWidths footerWidths_;
};

}  // namespace quarvo
