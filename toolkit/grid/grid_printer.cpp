#include "toolkit/grid/grid_printer.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <numeric>

#include "toolkit/grid/column_fit.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/print_start.h"

namespace quarvo {
namespace {

constexpr double screenDpi = 96.0;

// The page is painted in screen pixels scaled up to the printer, so a font
// sized in points is given its size in screen pixels; else the printer's
// resolution would enlarge it twice.
QFont inScreenPixels(QFont font) {
    if (font.pixelSize() <= 0) font.setPixelSize(qRound(font.pointSizeF() * screenDpi / 72.0));
    return font;
}

}  // namespace

GridPrinter::GridPrinter(const StringGrid& grid, GridPrintSettings settings)
    : grid_(grid), settings_(std::move(settings)) {
    settings_.cellFont = inScreenPixels(settings_.cellFont);
    settings_.headerFont = inScreenPixels(settings_.headerFont);
    settings_.footerFont = inScreenPixels(settings_.footerFont);
    headerWidths_.useFont(settings_.headerFont);
    cellWidths_.useFont(settings_.cellFont);
    footerWidths_.useFont(settings_.footerFont);
}

int GridPrinter::print(QPrinter& printer, QWidget* parent) const {
    printer.setPageOrientation(settings_.orientation);
    printer.setPageMargins(QMarginsF(settings_.leftMarginMm, settings_.topMarginMm,
                                     settings_.rightMarginMm, settings_.bottomMarginMm),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!startPrinting(painter, printer, parent)) return 0;
    // The grid keeps its screen size on paper.
    const double scale = printer.resolution() / screenDpi;
    painter.scale(scale, scale);
    const QRectF area(QPointF(0, 0), QSizeF(painter.viewport().size()) / scale);
    const std::vector<PageRows> pages = paginate(area.height());
    for (int i = 0; i < static_cast<int>(pages.size()); ++i) {
        if (i > 0) printer.newPage();
        paintPage(painter, area, pages, i);
    }
    return static_cast<int>(pages.size());
}

double GridPrinter::bandHeight() const {
    return QFontMetricsF(settings_.headerFont).height() * 2;
}

const std::vector<int>& GridPrinter::columnWidths(double width) const {
    // Measured once for all the pages of a print. Paper has no lines
    // between the columns, so a column keeps twice the room of a cell's
    // margin clear beside its widest figure.
    if (!fitted_ || fitted_->first != width) {
        fitted_.emplace(width, fitColumns(columnRooms(grid_, headerWidths_, cellWidths_,
                                                      footerWidths_, 2 * StringGrid::kTextMargin),
                                          static_cast<int>(width)));
    }
    return fitted_->second;
}

std::vector<GridPrinter::PageRows> GridPrinter::paginate(double pageHeight) const {
    const double rowsArea = pageHeight - 2 * bandHeight();
    const int perPage = std::max(1, static_cast<int>(rowsArea / grid_.rowHeight()));
    std::vector<PageRows> pages;
    for (int first = 0; first < grid_.rowCount(); first += perPage)
        pages.emplace_back(first, std::min(grid_.rowCount(), first + perPage) - 1);
    if (pages.empty()) pages.emplace_back(0, -1);
    return pages;
}

GridPrinter::PageTexts GridPrinter::pageTexts(int pageNumber) const {
    const QLocale locale;
    return {settings_.title, locale.toString(now_.date(), QLocale::ShortFormat),
            locale.toString(now_.time(), QLocale::ShortFormat),
            settings_.pagePrefix + QLatin1Char(' ') + QString::number(pageNumber)};
}

void GridPrinter::paintPage(QPainter& painter, const QRectF& area,
                            const std::vector<PageRows>& pages, int pageIndex) const {
    painter.save();
    paintBands(painter, area, pageIndex + 1);
    const std::vector<int>& widths = columnWidths(area.width());
    const double gridWidth = std::accumulate(widths.begin(), widths.end(), 0);
    const double left = area.left() + std::max(0.0, (area.width() - gridWidth) / 2);
    double top = area.top() + bandHeight();
    const auto [first, last] = pages.at(pageIndex);
    for (int row = first; row <= last; ++row, top += grid_.rowHeight())
        paintRow(painter, left, top, row, widths);
    painter.restore();
}

void GridPrinter::paintBands(QPainter& painter, const QRectF& area, int pageNumber) const {
    const PageTexts texts = pageTexts(pageNumber);
    const double band = bandHeight();
    const QRectF head(area.left(), area.top(), area.width(), band / 2);
    const QRectF foot(area.left(), area.bottom() - band / 2, area.width(), band / 2);
    painter.setPen(Qt::black);
    painter.setFont(settings_.headerFont);
    painter.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, texts.date);
    painter.drawText(head, Qt::AlignHCenter | Qt::AlignVCenter, texts.title);
    painter.drawText(head, Qt::AlignRight | Qt::AlignVCenter, texts.time);
    painter.setFont(settings_.footerFont);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, texts.page);
}

void GridPrinter::paintRow(QPainter& painter, double left, double top, int row,
                           const std::vector<int>& widths) const {
    TextWidths& texts = widthsOf(row);
    painter.setFont(texts.font());
    const int margin = StringGrid::kTextMargin;
    for (int col = 0; col < grid_.colCount(); ++col) {
        const QRectF cell(left, top, widths[col], grid_.rowHeight());
        painter.drawText(cell.adjusted(margin, 0, -margin, 0), grid_.alignment(col, row),
                         texts.shown(grid_.cell(col, row), widths[col] - 2 * margin,
                                     row == 0 || grid_.colShortenable(col)));
        left += widths[col];
    }
}

TextWidths& GridPrinter::widthsOf(int row) const {
    if (row == 0) return headerWidths_;
    if (grid_.fixedFooter() && row == grid_.rowCount() - 1) return footerWidths_;
    return cellWidths_;
}

}  // namespace quarvo
