#include "toolkit/notebook.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTabBar>

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

}  // namespace
}  // namespace quarvo
