// What reaches the paper: charts print as text and lines, not as a picture,
// and a printer that cannot be started is reported instead of printing
// nothing in silence.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "tests/fakes/scripted_dialogs.h"
#include "tests/support/pdf_reading.h"
#include "tests/toolkit/chart_test_application.h"
#include "toolkit/chart/chart.h"
#include "toolkit/grid/grid_printer.h"
#include "toolkit/grid/string_grid.h"

namespace quarvo {
namespace {

class PrintingTest : public ::testing::Test, protected testing::WithApplication {
protected:
    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;

    QString pdf(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
};

TEST_F(PrintingTest, ThePreviewPrintsTheChartAloneWithItsTextsAsText) {
    Chart chart;
    chart.resize(400, 300);
    chart.setTitle({QStringLiteral("Size bands")});
    BarSeries* bars = chart.addBarSeries();
    bars->add(10, QStringLiteral("0 - 16K"), Qt::red);
    bars->add(30, QStringLiteral("Over 16MB"), Qt::blue);
    bars->setEarlier(1, 20);
    bars->setEarlierTitle(QStringLiteral("Last month"));
    dialogs.printToPdf = pdf("chart.pdf");
    chart.printPreview();

    const auto pages = testing::pdfPages(dialogs.printToPdf);
    if (!pages) GTEST_SKIP() << "pdftotext is not installed";
    ASSERT_EQ(pages->size(), 1);
    EXPECT_TRUE(pages->front().contains(QStringLiteral("Size bands")));
    EXPECT_TRUE(pages->front().contains(QStringLiteral("Over 16MB")));
    EXPECT_TRUE(pages->front().contains(QStringLiteral("Last month")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PrintingTest, APrinterThatCannotStartIsReportedAndNothingIsPrinted) {
    const QString unwritable = pdf("no such folder/chart.pdf");
    Chart chart;
    chart.resize(200, 100);
    dialogs.printToPdf = unwritable;
    chart.printPreview();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Nothing was printed: the file \"%1\" could not be written.").arg(unwritable));

    StringGrid grid;
    grid.setRowCount(3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    EXPECT_EQ(GridPrinter(grid, {}).print(printer), 0);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Nothing was printed: no printer is available and no file was chosen."));
    EXPECT_FALSE(QFileInfo::exists(unwritable));
}

}  // namespace
}  // namespace quarvo
