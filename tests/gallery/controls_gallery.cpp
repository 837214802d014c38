// Gallery pages of the notebook, grids, pick lists, labels and buttons.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "tests/gallery/gallery.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/grid_printer.h"
#include "toolkit/notebook.h"
#include "toolkit/lists/pick_list.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/tab_list_box.h"
#include "toolkit/tiled_picture.h"

namespace quarvo::gallery {
namespace {

// Shows a widget off screen and lets it lay itself out before it is drawn.
void settle(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
}

QFont pixelFont(const char* family, int height, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(height);
    font.setBold(bold);
    return font;
}

// A listing of file types with a header and a totals footer.
void fillTypes(StringGrid& grid, int rows) {
    grid.setFont(pixelFont("MS Sans Serif", 11));
    grid.setFixedFont(grid.font());
    grid.setColCount(5);
    grid.setRowCount(rows + 2);
    grid.setFixedFooter(true);
    grid.setRowHeight(19);
    grid.setRowSelect(true);
    const int widths[] = {80, 219, 120, 75, 82};
    for (int col = 0; col < 5; ++col) grid.setColWidth(col, widths[col]);
    grid.setAlignmentHandler([](int col, int) { return col > 1 ? Qt::AlignRight : Qt::AlignLeft; });
    grid.setRow(0, {"Extension", "Type", "Size", "# Files", "Avg File Size"});
    const QStringList types[] = {{".DOC", "Microsoft Word Document", "30,000", "3", "10,000"},
                                 {".TXT", "Text Document", "100", "1", "100"},
                                 {".PNG", "PNG image", "1,245,880", "112", "11,124"},
                                 {".CPP", "C++ source code", "884,120", "240", "3,683"},
                                 {".H", "C header", "120,400", "198", "608"}};
    for (int r = 1; r <= rows; ++r) grid.setRow(r, types[(r - 1) % 5]);
    grid.setRow(rows + 1, {"", "Totals", "2,280,500", "554", ""});
}

const GalleryPage notebookPage("notebook", [](const QString& folder) {
    Notebook notebook;
    notebook.setFont(pixelFont("MS Sans Serif", 11));
    for (const char* caption : {"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                "Modified", "Combined", "Attribute", "Time"}) {
        auto* page = new QWidget;
        page->setFont(pixelFont("Arial", 11));
        notebook.addPage(page, QString::fromLatin1(caption));
    }
    auto* grid = new StringGrid(notebook.page(1));
    fillTypes(*grid, 8);
    grid->setGeometry(11, 8, 607, 317);
    notebook.setPageEnabled(3, false);
    notebook.setPageIndex(1);
    notebook.resize(632, 382);
    settle(notebook);
    saveWidget(notebook, folder, "notebook");
});

const GalleryPage gridPage("grid", [](const QString& folder) {
    QWidget page;
    page.resize(629, 333);
    auto* types = new StringGrid(&page);
    fillTypes(*types, 30);
    types->setGeometry(11, 8, 607, 317);
    settle(page);
    types->setSelection(0, 3);
    saveWidget(page, folder, "grid-types");

    // A read-only listing: no vertical lines between body cells, no selection.
    StringGrid sizes;
    sizes.setFont(pixelFont("MS Sans Serif", 11));
    sizes.setFixedFont(sizes.font());
    sizes.setColCount(3);
    sizes.setRowCount(13);
    sizes.setRowHeight(19);
    sizes.setRowSelect(true);
    sizes.setFrameShape(QFrame::NoFrame);
    sizes.setColor(sizes.palette().color(QPalette::Button));
    sizes.setGridLines(false, true);
    const int widths[] = {194, 189, 140};
    for (int col = 0; col < 3; ++col) sizes.setColWidth(col, widths[col]);
    sizes.setRow(0, {"File size", "Total file size", "Number of files"});
    const char* bands[] = {"Over 16MB",  "8MB - 16MB", "4MB - 8MB",   "2MB - 4MB",
                           "1MB - 2MB",  "512K - 1MB", "256K - 512K", "128K - 256K",
                           "64K - 128K", "32K - 64K",  "16K - 32K",   "0 - 16K"};
    for (int r = 1; r <= 12; ++r)
        sizes.setRow(r, {QString::fromLatin1(bands[r - 1]), QString::number(r * 104857 + 12),
                         QString::number(r * 7)});
    sizes.setDrawCellHandler(
        [&sizes](QPainter& p, int col, int row, const QRect& rect, StringGrid::CellState) {
            p.fillRect(rect, sizes.cellBackground(col, row));
            const QRect text = rect.adjusted(3, 2, -3, 0);
            p.drawText(text, (col == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop,
                       sizes.cell(col, row));
        });
    sizes.setSelectCellHandler([](int, int) { return false; });
    sizes.setSelection(20, 20);
    sizes.resize(538, 277);
    settle(sizes);
    saveWidget(sizes, folder, "grid-sizes");
});

TPickList* makeList(QWidget& parent, TSelectedStyle style, const QString& stops, int x) {
    auto* list = new TPickList(&parent);
    list->setFont(pixelFont("MS Sans Serif", 11));
    list->setSelectedStyle(style);
    list->setTabStops(stops);
    list->setGeometry(x, 10, 220, 120);
    for (const char* entry : {"*.doc\tWord document", "*.txt\tText Document",
                              "*.cpp\tC++ source code", "*.png\tPNG image", "*.zip\tZip archive"})
        list->add(QString::fromLatin1(entry));
    list->setSelected(0, true);
    list->setSelected(2, true);
    list->setSelected(3, true);
    return list;
}

const GalleryPage pickListPage("pick-lists", [](const QString& folder) {
    QWidget frame;
    frame.resize(950, 140);
    makeList(frame, TSelectedStyle::psCheckbox, QStringLiteral("12"), 10);
    makeList(frame, TSelectedStyle::psBoldText, QStringLiteral("12"), 240);
    TPickList* standard = makeList(frame, TSelectedStyle::psStandard, QStringLiteral("16"), 470);
    standard->setItemHeight(13);
    standard->setExtendedSelect(true);
    auto* drives = new TPickList(&frame);
    drives->setFont(pixelFont("MS Sans Serif", 11));
    drives->setGeometry(700, 10, 240, 120);
    for (const char* entry : {"c: [/]", "d: [/home]", "e: (Removable)", "f: [backup]"})
        drives->add(QString::fromLatin1(entry));
    drives->setSelected(0, true);
    drives->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    settle(frame);
    drives->setFocus();
    saveWidget(frame, folder, "pick-lists");
    const QImage tick = drives->viewport()->grab(QRect(0, 0, 80, 34)).toImage();
    tick.scaled(tick.size() * 6).save(folder + QStringLiteral("/pick-list-zoomed.png"));

    TTabListBox box;
    box.setFont(pixelFont("MS Sans Serif", 11));
    box.resize(260, 90);
    box.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const char* entry : {"*.bmp\tBitmap image", "*.doc\tWord document", "*.txt\tText"})
        box.addItem(QString::fromLatin1(entry));
    box.item(1)->setSelected(true);
    saveWidget(box, folder, "tab-list-box");
});

const GalleryPage coverPage("cover-panel", [](const QString& folder) {
    QFrame panel;
    panel.setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel.setLineWidth(2);
    panel.resize(625, 359);
    auto* tile = new TiledPicture(&panel);
    tile->setPicture(TiledPicture::lightPattern());
    tile->setGeometry(panel.contentsRect());
    auto* label = new EffectLabel(QStringLiteral("Statistics haven't been collected yet!"), &panel);
    label->setFont(pixelFont("Times New Roman", 36));
    label->setTextColor(Qt::blue);
    label->setShadow(QColor(128, 128, 0), 4, ShadowDirection::DownRight, true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(16, 13, 593, 140);
    auto* abort = new GlyphButton(Glyph::Stop, QStringLiteral("Abort"), &panel);
    abort->setFont(pixelFont("MS Sans Serif", 13));
    abort->setGeometry(250, 170, 121, 41);
    saveWidget(panel, folder, "cover-panel");

    label->setText(
        QStringLiteral("Collecting statistics ... standby.  Press Esc or click Abort to stop."));
    saveWidget(panel, folder, "cover-panel-scanning");
});

const GalleryPage buttonsPage("buttons", [](const QString& folder) {
    QWidget bar;
    bar.setFont(pixelFont("MS Sans Serif", 11));
    bar.resize(632, 31);
    (new GlyphButton(Glyph::Chart, QStringLiteral("&Collect statistics"), &bar))
        ->setGeometry(256, 3, 155, 25);
    (new GlyphButton(Glyph::Printer, QStringLiteral("&Print page"), &bar))
        ->setGeometry(424, 3, 105, 25);
    (new GlyphButton(Glyph::Exit, QStringLiteral("Close"), &bar))->setGeometry(544, 3, 81, 25);
    (new GlyphButton(Glyph::Check, QStringLiteral("OK"), &bar))->setGeometry(8, 3, 75, 25);
    (new GlyphButton(Glyph::Cross, QStringLiteral("Cancel"), &bar))->setGeometry(88, 3, 75, 25);
    (new GlyphButton(Glyph::Question, QStringLiteral("Help"), &bar))->setGeometry(168, 3, 75, 25);
    saveWidget(bar, folder, "buttons");
});

const GalleryPage printPage("grid-print", [](const QString& folder) {
    StringGrid grid;
    fillTypes(grid, 70);
    GridPrintSettings settings;
    settings.title = QStringLiteral("File types for drive c: [/]");
    settings.cellFont = settings.headerFont = settings.footerFont = pixelFont("MS Sans Serif", 11);
    GridPrinter printer(grid, settings);
    // An A4 page at screen resolution, less 20 mm side and 15 mm top and
    // bottom margins.
    const QRectF area(76, 57, 794 - 2 * 76, 1123 - 2 * 57);
    const auto pages = printer.paginate(area.height());
    for (int i = 0; i < 2 && i < static_cast<int>(pages.size()); ++i) {
        QImage page(794, 1123, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        printer.paintPage(painter, area, pages, i);
        painter.end();
        page.save(folder + QStringLiteral("/grid-print-%1.png").arg(i + 1));
    }
});

}  // namespace
}  // namespace quarvo::gallery
