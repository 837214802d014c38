// Gallery page of the focus frames: each control that takes the keyboard
// focus, drawn with it, as a keyboard user sees it.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTabBar>
#include <functional>
#include <memory>

#include "tests/gallery/gallery.h"
#include "toolkit/chart/chart.h"
#include "toolkit/focus_frame_style.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/pick_list.h"
#include "toolkit/notebook.h"
#include "toolkit/radio_group.h"

namespace quarvo::gallery {
namespace {

QFont sansSerif() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// A window of its own per control, so that each can hold the focus while
// it is drawn; returns the picture.
QImage withFocus(QStyle& style, const QSize& size,
                 const std::function<QWidget*(QWidget& window)>& build, int key = 0) {
    QWidget window;
    window.setFont(sansSerif());
    window.resize(size);
    QWidget* focused = build(window);
    window.setStyle(&style);
    for (QWidget* child : window.findChildren<QWidget*>()) child->setStyle(&style);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    focused->setFocus(Qt::TabFocusReason);
    if (key != 0) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(focused, &press);
    }
    QApplication::processEvents();
    return window.grab().toImage();
}

StringGrid* listing(QWidget& window) {
    auto* grid = new StringGrid(&window);
    grid->setFont(window.font());
    grid->setFixedFont(window.font());
    grid->setGeometry(4, 4, 300, 102);
    grid->setColCount(3);
    grid->setRowCount(5);
    grid->setFixedFooter(true);
    grid->setRowHeight(19);
    grid->setRowSelect(true);
    grid->setColWidth(0, 90);
    grid->setColWidth(1, 110);
    grid->setColWidth(2, 70);
    grid->setAlignmentHandler(
        [](int col, int) { return col > 0 ? Qt::AlignRight : Qt::AlignLeft; });
    grid->setRow(0, {"Extension", "Size", "# Files"});
    grid->setRow(1, {".PNG", "1,245,880", "112"});
    grid->setRow(2, {".CPP", "884,120", "240"});
    grid->setRow(3, {".DOC", "30,000", "3"});
    grid->setRow(4, {"Totals", "2,160,000", "355"});
    return grid;
}

const GalleryPage focusPage("focus-frames", [](const QString& folder) {
    auto style = std::make_unique<FocusFrameStyle>(QApplication::style()->name());
    std::vector<QImage> pictures;
    // A listing sorted by size, descending, with the focus on that header.
    pictures.push_back(withFocus(
        *style, {310, 112},
        [](QWidget& window) {
            StringGrid* grid = listing(window);
            grid->setSortIndicator(1, false);
            return grid;
        },
        Qt::Key_Up));
    pictures.push_back(withFocus(*style, {310, 112}, [](QWidget& window) {
        StringGrid* grid = listing(window);
        grid->setSelection(0, 2);
        return grid;
    }));
    // A listing that never shows a selection shows the focus round itself.
    pictures.push_back(withFocus(*style, {310, 112}, [](QWidget& window) {
        StringGrid* grid = listing(window);
        grid->setSelectCellHandler([](int, int) { return false; });
        return grid;
    }));
    pictures.push_back(withFocus(*style, {310, 112}, [](QWidget& window) {
        auto* list = new TPickList(&window);
        list->setFont(window.font());
        list->setGeometry(4, 4, 300, 104);
        for (const char* entry : {"c: [/]", "d: [/home]", "e: (Removable)"})
            list->add(QString::fromLatin1(entry));
        list->setSelected(1, true);
        return list;
    }));
    pictures.push_back(withFocus(*style, {310, 40}, [](QWidget& window) {
        auto* ok = new GlyphButton(Glyph::Check, QStringLiteral("OK"), &window);
        ok->setGeometry(4, 6, 75, 25);
        (new GlyphButton(Glyph::Cross, QStringLiteral("Cancel"), &window))
            ->setGeometry(88, 6, 75, 25);
        (new GlyphButton(Glyph::Question, {}, &window))->setGeometry(172, 7, 25, 22);
        return ok;
    }));
    pictures.push_back(withFocus(*style, {310, 60}, [](QWidget& window) {
        auto* notebook = new Notebook(&window);
        notebook->setGeometry(4, 4, 300, 52);
        for (const char* caption : {"Space", "Types", "Sizes", "Overhang"})
            notebook->addPage(new QWidget, QString::fromLatin1(caption));
        return notebook->findChild<QTabBar*>();
    }));
    pictures.push_back(withFocus(*style, {310, 70}, [](QWidget& window) {
        auto* group = new RadioGroup({QStringLiteral("Listing"), QStringLiteral("Pie by Size"),
                                      QStringLiteral("Pie by Files")},
                                     2, &window);
        group->setGeometry(4, 4, 300, 60);
        group->setItemIndex(1);
        return group->button(1);
    }));
    // A chart with pages takes the focus for the page keys.
    pictures.push_back(withFocus(*style, {310, 160}, [](QWidget& window) {
        auto* chart = new Chart(&window);
        chart->setGeometry(4, 4, 300, 150);
        chart->legend().visible = false;
        BarSeries* bars = chart->addBarSeries(BarSeries::Orientation::Horizontal);
        for (int i = 1; i <= 8; ++i) bars->add(i * 10, QStringLiteral("Item %1").arg(i));
        chart->setPointsPerPage(4);
        return chart;
    }));
    int height = 0;
    for (const QImage& picture : pictures) height += picture.height() + 6;
    QImage sheet(310, height, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int top = 0;
    for (const QImage& picture : pictures) {
        painter.drawImage(0, top, picture);
        top += picture.height() + 6;
    }
    sheet.save(folder + QStringLiteral("/focus-frames.png"));
});

}  // namespace
}  // namespace quarvo::gallery
