// The Overhang page of a one-drive run: the bytes that the selected files
// leave unused in their last cluster at each FAT cluster size, with the
// arrow at the drive's own size.
#include <QFrame>
#include <QLabel>

#include "listings/overhang_page.h"
#include "views/frm_statistics.h"
#include "views/page_labels.h"

namespace quarvo {
namespace {

void setText(QLabel& label, const std::string& text) {
    label.setText(QString::fromStdString(text));
    label.adjustSize();
}

}  // namespace

void TfrmStatistics::doOverHang() {
    const OverhangPage page =
        overhangPage(collector.tallies(), collector.clusterSize, services_.numbers);
    if (!page.enabled) {
        setOverhangPageEnabled(false);
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
    // The 64K bar goes in first and lies lowest, each bar in its row.
    Series9->clear();
    for (int row = 5; row >= 1; --row)
        Series9->add(static_cast<double>(page.wastedPercent[row - 1]), {}, QColor(255, 0, 0));
}

void TfrmStatistics::drawClusterArrow() {
    imArrow->hide();
    const QLabel* const sizes[] = {lblCSize1, lblCSize2, lblCSize3, lblCSize4, lblCSize5};
    if (const int row = clusterRow(collector.clusterSize); row > 0) {
        imArrow->move(imArrow->x(), sizes[row - 1]->y());
        imArrow->show();
    }
    pnlCluster->setVisible(imArrow->isHidden());
}

}  // namespace quarvo
