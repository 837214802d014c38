#include "views/overhang_page.h"

#include <QFrame>
#include <QLabel>

#include "listings/overhang_page.h"
#include "views/page_labels.h"

namespace quarvo {
namespace {

void setText(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
    label.adjustSize();
}

}  // namespace

OverhangPage::OverhangPage(const StatisticsCollector& collector, const NumberFormat& numbers,
                           std::function<void()> disablePage)
    : collector_(collector), numbers_(numbers), disablePage_(std::move(disablePage)) {
    fixedLabel(this, QStringLiteral("Cluster overhang for FAT and FAT32 drives"), {166, 3});
    buildOverhangTable();
    buildOverhangChart();
    buildOverhangNotes();
    buildOverhangTotals();
    pnlCluster = new QLabel(
        QStringLiteral("Cluster overhang analysis is not applicable to this drive."), this);
    pnlCluster->setGeometry(-1, 1, 625, 358);
    pnlCluster->setAlignment(Qt::AlignCenter);
    pnlCluster->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlCluster->setAutoFillBackground(true);
    pnlCluster->hide();
}

void OverhangPage::doOverHang() {
    const OverhangFigures page =
        overhangPage(collector_.tallies(), collector_.clusterSize, numbers_);
    if (!page.enabled) {
        disablePage_();
        return;
    }
    QLabel* const wasted[] = {lblOver1, lblOver2, lblOver3, lblOver4, lblOver5};
    for (int row = 1; row <= 5; ++row)
        wasted[row - 1]->setText(QString::fromStdString(page.rows[row][4]));
    fitFigureColumn({lblOver1, lblOver2, lblOver3, lblOver4, lblOver5}, *chartOverhang,
                    kOverhangChartWidth);
    drawClusterArrow();
    pnlOverhang->show();
    setText(*lblSize, page.totalFileSizes);
    setText(*lblNumFiles, page.numberOfFiles);
    // Without an arrow the label goes back to its caption, under the panel
    // that covers the page, rather than keep a figure of an earlier run.
    setText(*lblLbl, page.actualSpaceUsed);
    // The 64K bar goes in first and lies lowest, each bar in its row. Its
    // label, drawn nowhere, tells a screen reader which cluster size it is.
    Series9->clear();
    for (int row = 5; row >= 1; --row)
        Series9->add(static_cast<double>(page.wastedPercent[row - 1]),
                     QStringLiteral("%1K clusters").arg(4 << (row - 1)), QColor(255, 0, 0));
}

void OverhangPage::drawClusterArrow() {
    imArrow->hide();
    const QLabel* const sizes[] = {lblCSize1, lblCSize2, lblCSize3, lblCSize4, lblCSize5};
    if (const int row = clusterRow(collector_.clusterSize); row > 0) {
        imArrow->move(imArrow->x(), sizes[row - 1]->y());
        imArrow->show();
    }
    pnlCluster->setVisible(imArrow->isHidden());
}

}  // namespace quarvo
