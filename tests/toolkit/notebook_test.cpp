#include "toolkit/notebook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QTableWidget>

#include "toolkit/chart/chart.h"

namespace quarvo {
namespace {

struct TenPages {
    Notebook notebook;
    std::vector<int> changes;
    TenPages() {
        for (const char* caption : {"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                    "Modified", "Combined", "Attribute", "Time"})
            notebook.addPage(new QWidget, QString::fromLatin1(caption));
        notebook.resize(632, 382);
        notebook.show();
        QObject::connect(&notebook, &Notebook::pageChanged,
                         [this](int index) { changes.push_back(index); });
    }
    void clickTab(int index) {
        QTabBar* bar = notebook.tabBar();
        const QPoint at = bar->tabRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }
};

TEST(Notebook, TabsAreOneRowOfFixedSize) {
    TenPages pages;
    QTabBar* bar = pages.notebook.tabBar();
    EXPECT_EQ(bar->tabRect(0).size(), QSize(63, 18));
    EXPECT_EQ(bar->tabRect(9).top(), bar->tabRect(0).top());
    EXPECT_EQ(bar->tabRect(9).left(), 9 * 63);
    EXPECT_EQ(pages.notebook.caption(3), "Overhang");
}

TEST(Notebook, ClickingATabReportsTheNewPageAndColoursOnlyItsCaption) {
    TenPages pages;
    pages.clickTab(4);
    EXPECT_EQ(pages.notebook.pageIndex(), 4);
    EXPECT_EQ(pages.changes, std::vector<int>{4});
    EXPECT_EQ(pages.notebook.captionColor(4), QColor(Qt::red));
    EXPECT_NE(pages.notebook.captionColor(0), QColor(Qt::red));
}

TEST(Notebook, DisabledPageCannotBeChosenUntilEnabledAgain) {
    TenPages pages;
    pages.notebook.setPageEnabled(3, false);
    pages.clickTab(3);
    EXPECT_EQ(pages.notebook.pageIndex(), 0);
    EXPECT_TRUE(pages.changes.empty());
    EXPECT_FALSE(pages.notebook.isPageEnabled(3));
    pages.notebook.setPageEnabled(3, true);
    pages.clickTab(3);
    EXPECT_EQ(pages.changes, std::vector<int>{3});
}

// The keys go to a control on a page, as when the user works in a listing.
void press(QWidget& target, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(&target, &event);
}

TEST(Notebook, ControlKeysTurnPagesFromInsideAPageSkippingDisabledOnesAndWrapping) {
    TenPages pages;
    auto* grid = new QTableWidget(5, 3, pages.notebook.page(9));
    pages.notebook.setPageEnabled(1, false);
    pages.notebook.setPageEnabled(3, false);
    QWidget& inside = *pages.notebook.page(0);

    press(inside, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 2);
    press(inside, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 4);
    press(inside, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 2);
    press(inside, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 0);
    press(inside, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 9);
    // A grid would take Ctrl+PageDown for itself; the notebook comes first.
    press(*grid, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 0);
    EXPECT_EQ(pages.changes, (std::vector<int>{2, 4, 2, 0, 9, 0}));

    // Plain page keys and keys outside the notebook turn nothing.
    press(*grid, Qt::Key_PageDown, Qt::NoModifier);
    QWidget elsewhere;
    press(elsewhere, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages.notebook.pageIndex(), 0);
}

TEST(Notebook, PagesAndTheChartsOnThemShowTheWindowColour) {
    TenPages pages;
    auto* chart = new Chart(pages.notebook.page(0));
    chart->setGeometry(100, 100, 200, 150);
    chart->legend().visible = false;
    const QImage image = pages.notebook.grab().toImage();
    const QColor window = pages.notebook.palette().color(QPalette::Window);
    const QPoint page = pages.notebook.page(0)->mapTo(&pages.notebook, QPoint(50, 50));
    EXPECT_EQ(image.pixelColor(page), window);
    EXPECT_EQ(image.pixelColor(chart->mapTo(&pages.notebook, QPoint(5, 5))), window);
}

}  // namespace
}  // namespace quarvo
