// The controls of the Overhang page: the table of cluster sizes with the
// arrow and the bar chart of the share wasted, the explanation, the totals
// panel and the panel that covers the page for other cluster sizes.
#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "forms/form_fonts.h"
#include "views/overhang_page.h"
#include "views/page_labels.h"
#include "views/plain_chart.h"

namespace quarvo {
namespace {

constexpr int kRowTops[5] = {55, 79, 103, 127, 151};

struct OverhangRow {
    const char* fatSize;
    const char* fat32Size;
    const char* clusterSize;
    QLabel* OverhangPage::*sizeLabel;
    QLabel* OverhangPage::*overLabel;
};

const OverhangRow kRows[5] = {
    {"255 MB", "Less than 8GB", "4K", &OverhangPage::lblCSize1, &OverhangPage::lblOver1},
    {"256 MB - 511 MB", "Less than 16GB", "8K", &OverhangPage::lblCSize2, &OverhangPage::lblOver2},
    {"512 MB - 1023 MB", "Less than 32GB", "16K", &OverhangPage::lblCSize3,
     &OverhangPage::lblOver3},
    {"1 GB - 2 GB", "32GB or more", "32K", &OverhangPage::lblCSize4, &OverhangPage::lblOver4},
    {"2 GB - 4 GB", "", "64K", &OverhangPage::lblCSize5, &OverhangPage::lblOver5},
};

const char* const kMemoLines[] = {
    "This page is an illustration of the amount of disk space wasted due to 'cluster "
    "overhang.'  This is the smallest amount of ",
    "space ",
    "a file will actually use.   The arrow points to your actual cluster size, the other "
    "numbers are hypothetical.",
    "",
    "Due to the design of both Windows 95 and DOS the hard disk is divided into clusters.  "
    "Files are stored in clusters. A file of ",
    "one byte will take an entire cluster and a file that's one byte larger than a cluster "
    "will take two clusters.  The larger the ",
    "partition, the more overhang or waste is involved.",
    "",
    "Solutions are to either repartition your hard disk or use disk compression.  Later "
    "versions of Win95 come with FAT32 which ",
    "uses 4K cluster sizes for drives up to 8GB in size and 8K clusters for up to 16GB.",
};

// The arrow points left at the cluster size label that its top row shares;
// the rest of the picture is clear, so the table shows through.
QPixmap arrowPicture() {
    QPixmap picture(41, 49);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(25, 7);
    arrow.lineTo(32, 1);
    arrow.lineTo(32, 4);
    arrow.lineTo(40, 4);
    arrow.lineTo(40, 10);
    arrow.lineTo(32, 10);
    arrow.lineTo(32, 13);
    arrow.closeSubpath();
    painter.fillPath(arrow, QColor(0, 0, 128));
    return picture;
}

// The lines of the note as paragraphs: a line ending in a blank was only
// broken to fit a box and goes on in the next, so no word is left alone on
// a line of its own.
QString memoText() {
    QString text;
    for (const char* line : kMemoLines) {
        text += QString::fromLatin1(line);
        if (!text.endsWith(u' ')) text += u'\n';
    }
    text.chop(1);
    return text;
}

}  // namespace

void OverhangPage::buildOverhangTable() {
    labelRow(this, 29,
             {{"FAT Partion size", 11},
              {"FAT 32 Size", 119},
              {"Cluster size", 231},
              {"Percent wasted", 310},
              {"Wasted space", 544}});
    for (int i = 0; i < 5; ++i) {
        const OverhangRow& row = kRows[i];
        labelRow(this, kRowTops[i], {{row.fatSize, 11}, {row.fat32Size, 119}});
        this->*row.sizeLabel =
            fixedLabel(this, QString::fromLatin1(row.clusterSize), {231, kRowTops[i]});
        this->*row.overLabel = figureLabel(this, {536, kRowTops[i]}, 85);
    }
    imArrow = new QLabel(this);
    imArrow->setGeometry(229, 55, 41, 49);
    imArrow->setPixmap(arrowPicture());
    imArrow->hide();
}

void OverhangPage::buildOverhangChart() {
    chartOverhang = new Chart(this);
    chartOverhang->setGeometry(308, 42, kOverhangChartWidth, 134);
    chartOverhang->setAccessibleName(QStringLiteral("Share wasted by cluster size"));
    showSeriesOnly(*chartOverhang, palette().color(QPalette::Window));
    chartOverhang->setDepthPercent(25);
    chartOverhang->setPointsPerPage(5);
    chartOverhang->margins().top = 0;
    chartOverhang->margins().bottom = 0;
    Series9 = chartOverhang->addBarSeries(BarSeries::Orientation::Horizontal);
    Series9->setColor(Qt::red);
    // The bars fill the height, so that each lies in the row of its size.
    Series9->setSideMargins(false);
    // One decimal, so that a bar never reads "0 %".
    Series9->setValueFormat(QStringLiteral("#,##0.0 %"));
    SeriesMarks& marks = Series9->marks();
    marks.visible = true;
    marks.content = MarkContent::Value;
    marks.boxColor = Qt::transparent;
    marks.frame = false;
    marks.font = formFont("Arial", 11);
}

void OverhangPage::buildOverhangNotes() {
    Memo1 = new QPlainTextEdit(memoText(), this);
    Memo1->setGeometry(7, 221, 611, 126);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The box was made for the text: a narrow inner margin, and wrapped
    // lines never call for a sideways scroll.
    Memo1->document()->setDocumentMargin(2);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = Memo1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    Memo1->setPalette(palette);
}

void OverhangPage::buildOverhangTotals() {
    pnlOverhang = new QFrame(this);
    pnlOverhang->setGeometry(8, 189, 609, 27);
    pnlOverhang->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblNumFiles = fixedLabel(pnlOverhang, {}, {7, 7});
    fixedLabel(pnlOverhang, QStringLiteral("Total file sizes:"), {215, 7});
    lblSize = fixedLabel(pnlOverhang, QStringLiteral("lblSize"), {303, 7});
    lblLbl = fixedLabel(pnlOverhang, QStringLiteral("Actual space used:"), {423, 7});
    pnlOverhang->hide();
}

}  // namespace quarvo
