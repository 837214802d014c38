// "Print page": which of the three printouts each page gives, and what is on
// the paper.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTemporaryDir>

#include "listings/page_listings.h"
#include "tests/fakes/sample_statistics.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/support/date_pages_fill.h"
#include "tests/support/pdf_reading.h"
#include "tests/ui/statistics_window_fixture.h"

namespace quarvo {
namespace {

// White, give or take what the PDF's picture compression leaves.
bool isWhite(QRgb pixel) {
    return qRed(pixel) >= 250 && qGreen(pixel) >= 250 && qBlue(pixel) >= 250;
}

// Where a page has anything but white.
QRect inkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!isWhite(page.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class PrintPageTest : public StatisticsWindowTest {
protected:
    void SetUp() override {
        volumes.add('c', sizedDrive(100 * kGiB, 40 * kGiB, "system"));
        volumes.add('d', sizedDrive(500 * kGiB, 120 * kGiB, "home"));
        window().show();
        tickOnly({0, 1});
    }

    QString pdf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;
};

TEST_F(PrintPageTest, CancellingThePrintDialogPrintsNothingAndKeepsTheColours) {
    dialogs.confirmPrint = false;
    dialogs.printToPdf = pdf("cancelled.pdf");
    const QColor before = window().spacePage->chartSpaceBar->background().color;
    window().btPrintClick();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(dialogs.previews, 0);
    EXPECT_FALSE(QFileInfo::exists(dialogs.printToPdf));
    EXPECT_EQ(window().spacePage->chartSpaceBar->background().color, before);
    EXPECT_EQ(window().palette().color(QPalette::Window),
              window().palette().color(QPalette::Button));
}

TEST_F(PrintPageTest, TheSpacePagePrintsThePictureOfTheWindowOnWhiteInEitherView) {
    const QColor usual = window().spacePage->chartSpaceBar->background().color;
    for (QRadioButton* view : {window().spacePage->rgSpace2, window().spacePage->rgSpace1}) {
        view->setChecked(true);
        dialogs.printToPdf = pdf(view == window().spacePage->rgSpace1 ? "pies.pdf" : "bars.pdf");
        window().btPrintClick();
        EXPECT_EQ(dialogs.previews, 0);
        // One page, the window on white: the corner left of the buttons,
        // where only the window's ground shows, is white.
        const QImage page = testing::pdfPageImage(dialogs.printToPdf, 1, 40);
        if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed";
        const QRect drawn = inkBounds(page);
        ASSERT_GT(drawn.width(), page.width() / 2);
        EXPECT_TRUE(isWhite(page.pixel(drawn.left() + 3, drawn.bottom() - 3)));
        EXPECT_EQ(window().spacePage->chartSpaceBar->background().color, usual);
    }
    EXPECT_EQ(dialogs.printDialogs, 2);
}

// The sample run's pages, with as many file types as take three pages.
class PrintFilledPagesTest : public PrintPageTest {
protected:
    void SetUp() override {
        PrintPageTest::SetUp();
        testing::fillSampleStatistics(window().collector);
        for (int i = 0; i < 120; ++i)
            window().collector.fileTypeTable().insertType(".X" + std::to_string(i), 100, false);
        window().typesPage->doFileTypes();
        testing::fillDatePages(window());
    }
    void showPage(int page) { window().OvcNotebook1->setPageIndex(page); }
};

TEST_F(PrintFilledPagesTest, ACharacterThatIsShownGoesToThePreviewAndNotToThePrintDialog) {
    for (int page :
         {TfrmStatistics::kTypesPage, TfrmStatistics::kSizesPage, TfrmStatistics::kAccessPage,
          TfrmStatistics::kCreatedPage, TfrmStatistics::kModifiedPage,
          TfrmStatistics::kCombinedPage, TfrmStatistics::kTimePage}) {
        showPage(page);
        window().btPrintClick();
    }
    EXPECT_EQ(dialogs.previews, 7);
    EXPECT_EQ(dialogs.printDialogs, 0);
}

TEST_F(PrintFilledPagesTest, TheTypesListingPrintsPageByPageUnderTheDriveOfTheLastRun) {
    showPage(TfrmStatistics::kTypesPage);
    window().typesPage->rgTypes->setItemIndex(0);
    window().collector.currentDrive = "d: [home]";
    dialogs.printToPdf = pdf("types.pdf");
    window().btPrintClick();
    EXPECT_EQ(dialogs.previews, 0);
    EXPECT_EQ(window().typesPage->gridTypesPrint.title,
              QStringLiteral("File types for drive d: [home]"));

    const auto pages = testing::pdfPages(dialogs.printToPdf);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_GE(pages->size(), 2);
    for (int i = 0; i < pages->size(); ++i) {
        const QString& page = pages->at(i);
        EXPECT_TRUE(page.contains(QStringLiteral("File types for drive d: [home]"))) << i;
        EXPECT_TRUE(page.contains(QStringLiteral("Page %1").arg(i + 1))) << i;
        // The header row once, on the first page; the totals row ends the last.
        EXPECT_EQ(page.contains(QStringLiteral("Avg File Size")), i == 0) << i;
        EXPECT_EQ(page.contains(QStringLiteral("Totals")), i == pages->size() - 1) << i;
    }

    // The three disc images average 1,789,569,706 bytes: on paper that
    // figure stands clear of the count of 3 beside it.
    const auto words = testing::pdfWords(dialogs.printToPdf);
    ASSERT_TRUE(words);
    const auto average = std::find_if(words->begin(), words->end(), [](const testing::PdfWord& w) {
        return w.text == QStringLiteral("1,789,569,706");
    });
    ASSERT_NE(average, words->end());
    ASSERT_NE(average, words->begin());
    const testing::PdfWord& count = *(average - 1);
    EXPECT_EQ(count.text, QStringLiteral("3"));
    EXPECT_NEAR(count.box.center().y(), average->box.center().y(), 1);
    EXPECT_GT(average->box.left() - count.box.right(), 3);
}

TEST_F(PrintFilledPagesTest, AListingOtherThanTheTypesPrintsTheWindow) {
    showPage(TfrmStatistics::kSizesPage);
    window().sizesPage->rgSize0->setChecked(true);
    dialogs.printToPdf = pdf("sizes.pdf");
    window().btPrintClick();
    EXPECT_EQ(dialogs.previews, 0);
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_TRUE(QFileInfo(dialogs.printToPdf).size() > 0);
}

}  // namespace
}  // namespace quarvo
