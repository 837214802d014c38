#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "tests/ui/statistics_window_fixture.h"
#include "views/band_colors.h"

namespace quarvo {
namespace {

using ::testing::ElementsAre;

class TypesPageTest : public StatisticsWindowTest {
protected:
    TypesPageTest() {
        classes.add(".doc", "Word.Document").add("Word.Document", "Word document");
        window().FormShow();
    }
    // A type of files files holding bytes bytes in all.
    void addType(const std::string& key, int files, std::int64_t bytes) {
        FileTypeTable& table = window().collector.fileTypeTable();
        for (int i = 0; i < files; ++i) table.insertType(key, i == 0 ? bytes : 0, false);
    }
    // Types of one file each, bytes as given.
    void addTypes(std::initializer_list<std::pair<const char*, std::int64_t>> types) {
        for (const auto& [key, bytes] : types) addType(key, 1, bytes);
    }
    void fill(int view) {
        window().typesPage->rgTypes->setItemIndex(view);
        window().typesPage->doFileTypes();
    }
    QStringList row(int r) { return window().typesPage->gridTypes->row(r); }
    void clickHeader(int col) {
        StringGrid& grid = *window().typesPage->gridTypes;
        const QPointF at = grid.cellRect(col, 0).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &press);
    }
    QStringList column(int col) {
        QStringList cells;
        for (int r = 1; r < window().typesPage->gridTypes->rowCount() - 1; ++r)
            cells << window().typesPage->gridTypes->cell(col, r);
        return cells;
    }
    // The sort items that carry a check mark, by caption.
    QStringList checked() {
        QStringList captions;
        for (QAction* item : window().typesPage->PopupMenu1->actions())
            if (item->isChecked()) captions << item->text();
        return captions;
    }
    std::vector<QString> sliceLabels() {
        std::vector<QString> labels;
        for (const ChartPoint& point : window().typesPage->Series2->points())
            labels.push_back(point.label);
        return labels;
    }
};

TEST_F(TypesPageTest, ListingShowsEachTypeAndTheTotalsRow) {
    addType(".DOC", 3, 30000);
    addType(".TXT", 1, 100);
    fill(0);
    TfrmStatistics& w = window();
    ASSERT_EQ(w.typesPage->gridTypes->rowCount(), 4);
    EXPECT_EQ(row(0), QStringList({"Extension", "Type", "Size", "# Files", "Avg File Size"}));
    EXPECT_EQ(row(1), QStringList({".DOC", "Word document", "30,000", "3", "10,000"}));
    EXPECT_EQ(row(2), QStringList({".TXT", "TXT File", "100", "1", "100"}));
    EXPECT_EQ(row(3), QStringList({"", "Totals", "30,100", "4", ""}));
    EXPECT_TRUE(w.typesPage->gridTypes->isFixedRow(3));
    EXPECT_FALSE(w.typesPage->gridTypes->isHidden());
    EXPECT_TRUE(w.typesPage->chartPie->isHidden());
    EXPECT_FALSE(w.typesPage->btSort->isHidden());
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST_F(TypesPageTest, UnregisteredTypesAndFilesWithoutExtensionAreNamed) {
    addType(".QQQ", 1, 10);
    addType("", 2, 20);
    fill(0);
    EXPECT_THAT(column(1), ElementsAre("No extension", "QQQ File"));
    EXPECT_THAT(column(0), ElementsAre("", ".QQQ"));
}

TEST_F(TypesPageTest, IncludeRuleSeedsListedTypesWithoutFilesAndWithoutSlices) {
    FileRule& rule = window().collector.rule();
    rule.allFileTypes = false;
    rule.selectIfListed = true;
    rule.setRuleList({"*.doc\tWord document", "*.xyz\tXyz data"});
    addType(".DOC", 2, 5000);
    fill(1);
    TfrmStatistics& w = window();
    EXPECT_EQ(row(2), QStringList({".XYZ", "XYZ File", "0", "0", "0"}));
    EXPECT_THAT(sliceLabels(), ElementsAre("Word document"));

    // An exclude rule leaves its types out of the listing.
    w.collector.fileTypeTable().clear();
    rule.selectIfListed = false;
    rule.selectIfNotListed = true;
    addType(".TXT", 1, 10);
    fill(0);
    EXPECT_THAT(column(0), ElementsAre(".TXT"));
}

TEST_F(TypesPageTest, SortsOrderTheRowsAndMoveTheCheckMark) {
    addType(".A", 1, 999);
    addType(".B", 3, 1024);
    addType(".C", 2, 12000);
    classes.add(".a", "a.class").add("a.class", "cherry");
    classes.add(".b", "b.class").add("b.class", "apple");
    classes.add(".c", "c.class").add("c.class", "Banana");
    fill(0);
    TfrmStatistics& w = window();
    EXPECT_EQ(checked(), QStringList({"Sort by &Extension"}));

    // Through the menu, as the user sorts; choosing an item twice keeps it.
    w.typesPage->SortbySize->trigger();
    EXPECT_THAT(column(2), ElementsAre("12,000", "1,024", "999"));
    EXPECT_THAT(column(0), ElementsAre(".C", ".B", ".A"));
    w.typesPage->SortbySize->trigger();
    EXPECT_EQ(checked(), QStringList({"Sort by &Size"}));
    w.typesPage->SortbyNumFiles->trigger();
    EXPECT_THAT(column(3), ElementsAre("3", "2", "1"));
    w.typesPage->SortbyAverageFileSize1->trigger();
    EXPECT_THAT(column(4), ElementsAre("6,000", "999", "341"));
    w.typesPage->SortbyType->trigger();
    EXPECT_THAT(column(1), ElementsAre("apple", "Banana", "cherry"));
    EXPECT_EQ(checked(), QStringList({"Sort by &Type"}));
    w.typesPage->SortbyExtension->trigger();
    EXPECT_THAT(column(0), ElementsAre(".A", ".B", ".C"));
    EXPECT_EQ(row(4), QStringList({"", "Totals", "14,023", "6", ""}));
    EXPECT_EQ(row(0)[0], "Extension");

    // A header click sorts as the menu does and moves the check mark; a
    // second click on it reverses, the totals staying last.
    StringGrid& grid = *w.typesPage->gridTypes;
    clickHeader(2);
    EXPECT_THAT(column(0), ElementsAre(".C", ".B", ".A"));
    EXPECT_EQ(checked(), QStringList({"Sort by &Size"}));
    EXPECT_EQ(grid.sortIndicatorColumn(), 2);
    const bool firstOrder = grid.sortIndicatorAscending();
    clickHeader(2);
    EXPECT_THAT(column(0), ElementsAre(".A", ".B", ".C"));
    EXPECT_NE(grid.sortIndicatorAscending(), firstOrder);
    EXPECT_EQ(checked(), QStringList({"Sort by &Size"}));
    EXPECT_EQ(row(4)[1], "Totals");
    // The menu sorts its own way again, and the arrow follows it.
    w.typesPage->SortbySize->trigger();
    EXPECT_THAT(column(0), ElementsAre(".C", ".B", ".A"));
    EXPECT_EQ(grid.sortIndicatorAscending(), firstOrder);
    w.typesPage->SortbyType->trigger();
    EXPECT_EQ(grid.sortIndicatorColumn(), 1);
}

TEST_F(TypesPageTest, OneTypeOnlyIsNeverSortedNorAreTheMarksMoved) {
    addType(".DOC", 1, 10);
    fill(0);
    window().typesPage->SortbySize->trigger();
    EXPECT_EQ(checked(), QStringList({"Sort by &Extension"}));
    window().typesPage->SortbyExtensionClick(window().typesPage->SortbyNumFiles);
    EXPECT_EQ(checked(), QStringList({"Sort by &Extension"}));
}

TEST_F(TypesPageTest, PieShowsTheTwelveBiggestTypesInPlaceColoursAndTheRestAsOther) {
    // Thirteen types with 20 to 32 files: the one with 20 is in "Other".
    for (int n = 0; n < 13; ++n) addType("." + std::string(1, char('A' + n)), 20 + n, 1000);
    fill(2);
    TfrmStatistics& w = window();
    const std::vector<ChartPoint>& points = w.typesPage->Series2->points();
    ASSERT_EQ(points.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(points[i].value, 32 - i);
        EXPECT_EQ(points[i].label, QString("%1 File").arg(QChar('M' - i)));
        EXPECT_EQ(points[i].color, kDefaultBandColors[i]);
    }
    EXPECT_EQ(checked(), QStringList({"Sort by &Number of files"}));
    EXPECT_TRUE(w.typesPage->gridTypes->isHidden());
    EXPECT_FALSE(w.typesPage->chartPie->isHidden());
    EXPECT_TRUE(w.typesPage->btSort->isHidden());
    EXPECT_TRUE(w.Timer1->isActive());
    // Every slice is above 5 percent, and so is the thirteenth type; the
    // shares are of all 338 files.
    const std::vector<PieSlice> slices = w.typesPage->Series2->slices();
    ASSERT_EQ(slices.size(), 13u);
    EXPECT_TRUE(slices.back().merged);
    EXPECT_EQ(slices.back().value, 20);
    EXPECT_EQ(w.typesPage->Series2->percentText(32), "9.5 %");

    // Eleven types: every row has a slice, the totals row none.
    w.collector.fileTypeTable().clear();
    for (int n = 0; n < 11; ++n) addType("." + std::string(1, char('A' + n)), 1, 1000 + n);
    fill(1);
    EXPECT_EQ(w.typesPage->Series2->count(), 11);
    EXPECT_EQ(w.typesPage->Series2->points()[0].value, 1010);
    EXPECT_EQ(w.typesPage->Series2->rest(), 0);

    // Small types among the twelve and the types beyond them make one
    // "Other" together.
    w.collector.fileTypeTable().clear();
    addType(".BIG", 1, 100000);
    for (int n = 0; n < 14; ++n) addType(".S" + std::to_string(n), 1, n < 11 ? 100 : 50);
    fill(1);
    const std::vector<PieSlice> whole = w.typesPage->Series2->slices();
    ASSERT_EQ(whole.size(), 2u);
    EXPECT_EQ(whole[0].label, "BIG File");
    EXPECT_EQ(whole[1].label, "Other");
    EXPECT_EQ(whole[1].value, 11 * 100 + 3 * 50);
}

TEST_F(TypesPageTest, SmallTypesMergeIntoOtherAndTheBiggestIsPulledOut) {
    addTypes({{".BIG", 9000}, {".MID", 1000}, {".TINY", 400}});
    addType(".ZERO", 2, 0);
    fill(1);
    const std::vector<PieSlice> slices = window().typesPage->Series2->slices();
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].label, "BIG File");
    EXPECT_EQ(slices[1].label, "MID File");
    EXPECT_TRUE(slices[2].merged);
    EXPECT_EQ(slices[2].label, "Other");
    EXPECT_EQ(slices[2].value, 400);
    EXPECT_EQ(PieSeries::biggest(slices), 0);
    EXPECT_EQ(window().typesPage->Series2->explodeBiggest(), 10);

    // By average size the type of empty files gets no slice either.
    window().typesPage->rgTypes->setItemIndex(3);
    EXPECT_EQ(window().typesPage->Series2->count(), 3);
}

TEST_F(TypesPageTest, RefillWithFewerTypesLeavesNothingInTheTotalsRow) {
    addTypes({{".A", 10}, {".B", 20}, {".C", 30}});
    fill(0);
    TfrmStatistics& w = window();
    w.collector.fileTypeTable().clear();
    addType(".D", 4, 4000);
    fill(1);
    ASSERT_EQ(w.typesPage->gridTypes->rowCount(), 3);
    // Behind the pie too, where a screen reader still reads the listing.
    EXPECT_EQ(row(2), QStringList({"", "Totals", "4,000", "4", ""}));
    w.typesPage->rgTypes->setItemIndex(0);
    EXPECT_EQ(row(2), QStringList({"", "Totals", "4,000", "4", ""}));
}

TEST_F(TypesPageTest, EmptyTableShowsZeroTotalsAndAnEmptyPie) {
    fill(1);
    TfrmStatistics& w = window();
    EXPECT_EQ(w.typesPage->gridTypes->rowCount(), 2);
    EXPECT_EQ(w.typesPage->Series2->count(), 0);
    w.typesPage->rgTypes->setItemIndex(0);
    EXPECT_EQ(row(1), QStringList({"", "Totals", "0", "0", ""}));
}

TEST_F(TypesPageTest, EndOfRunOrdersTheListingByExtensionAndKeepsThePie) {
    addTypes({{".A", 10}, {".B", 30}, {".C", 20}});
    fill(1);
    TfrmStatistics& w = window();
    w.typesPage->SortbyExtensionClick(w.typesPage->SortbyExtension);
    EXPECT_THAT(column(0), ElementsAre(".A", ".B", ".C"));
    EXPECT_EQ(checked(), QStringList({"Sort by &Extension"}));
    EXPECT_THAT(sliceLabels(), ElementsAre("B File", "C File", "A File"));
    // Types with as many files keep the order they had.
    w.typesPage->SortbyNumFiles->trigger();
    EXPECT_THAT(column(0), ElementsAre(".A", ".B", ".C"));
}

TEST_F(TypesPageTest, PieTurnsOnItsPageUntilClickedAndFollowsTheAngleBar) {
    addType(".A", 1, 10);
    fill(1);
    TfrmStatistics& w = window();
    w.typesPage->ScrollBar2->setValue(100);
    EXPECT_EQ(w.typesPage->Series2->startAngle(), 100);
    w.scanRun.statisticsCollected = true;
    w.OvcNotebook1->setPageIndex(TfrmStatistics::kTypesPage);
    w.Timer1Timer();
    w.Timer1Timer();
    EXPECT_EQ(w.typesPage->Series2->startAngle(), 102);
    EXPECT_EQ(w.typesPage->ScrollBar2->value(), 102);

    w.typesPage->chartSpacePieClick();
    EXPECT_FALSE(w.Timer1->isActive());
    w.typesPage->chartSpacePieClick();
    EXPECT_TRUE(w.Timer1->isActive());

    // The listing stops the turning, and a tick turns nothing there.
    w.typesPage->rgTypes->setItemIndex(0);
    EXPECT_FALSE(w.Timer1->isActive());
    w.Timer1Timer();
    EXPECT_EQ(w.typesPage->Series2->startAngle(), 102);
}

}  // namespace
}  // namespace quarvo
