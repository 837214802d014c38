#include "views/attribute_page.h"

#include <QLabel>
#include <array>
#include <cmath>

#include "forms/form_fonts.h"
#include "listings/listing_changes.h"
#include "listings/page_listings.h"
#include "text/number_text.h"
#include "views/page_labels.h"
#include "views/plain_chart.h"

namespace quarvo {
namespace {

constexpr int kRowTops[4] = {45, 70, 94, 119};  // Hidden, Read-only, System, Archive
const char* const kRowCaptions[4] = {"Hidden", "Read-only", "System", "Archive"};
constexpr int kChartWidth = 158;

// The table of changes: under the note, its rows closer together than the
// figures' rows, so that it ends above the view buttons' row.
constexpr QRect kChangesPlace{0, 250, 625, 100};
constexpr int kChangesRow = 19;
constexpr int kChangesWidth = 110;

// A text right-aligned at right, as the figures of a column are.
QLabel* rightAligned(QWidget* parent, const QString& text, int right, int top) {
    QLabel* label = figureLabel(parent, {right - kChangesWidth, top}, kChangesWidth);
    label->setText(text);
    return label;
}

int rightOf(const QWidget& widget) {
    return widget.x() + widget.width();
}

double middleOf(const QWidget& label) {
    return label.y() + label.height() / 2.0;
}

// The flat chart's four bars share its height evenly, so it runs from half
// a row above the middle of the top row label to half a row below the
// bottom one's: each bar lies beside its label.
QRect besideRows(int left, int width, const std::array<QLabel*, 4>& rowLabels) {
    const double top = middleOf(*rowLabels.front()), bottom = middleOf(*rowLabels.back());
    const double row = (bottom - top) / 3;
    return QRect(left, int(std::lround(top - row / 2)), width, int(std::lround(4 * row)));
}

Chart* attributeChart(QWidget* page, const QRect& geometry, const QString& name, BarSeries*& series,
                      const QColor& colour) {
    auto* chart = new Chart(page);
    chart->setGeometry(geometry);
    chart->setAccessibleName(name);
    showSeriesOnly(*chart, page->palette().color(QPalette::Window));
    chart->setPointsPerPage(4);
    // Flat, and the bars filling the height, so that each lies in the row
    // of its attribute.
    chart->set3D(false);
    chart->margins().top = 0;
    chart->margins().bottom = 0;
    series = chart->addBarSeries(BarSeries::Orientation::Horizontal);
    series->setColor(colour);
    series->setSideMargins(false);
    series->setValueFormat(QStringLiteral("#,##0.## %"));
    series->marks().visible = true;
    series->marks().content = MarkContent::Value;
    series->marks().font = formFont("Arial", 11);
    return chart;
}

// Each value's share of their sum, in percent; archive comes first, so its
// bar lies lowest, in the row of its label. Nothing when the sum is 0.
void fillShares(BarSeries& series, const std::array<double, 4>& archiveFirst) {
    series.clear();
    double sum = 0;
    for (double value : archiveFirst) sum += value;
    if (sum <= 0) return;
    // Labels drawn nowhere; they tell a screen reader which bar is which.
    const char* const labels[] = {"Archive", "System", "Read-only", "Hidden"};
    for (int i = 0; i < 4; ++i)
        series.add(100 * archiveFirst[i] / sum, QString::fromLatin1(labels[i]), series.color());
}

}  // namespace

AttributePage::AttributePage(const StatisticsCollector& collector, const NumberFormat& numbers,
                             const RunComparison& comparison)
    : collector_(collector), numbers_(numbers), comparison_(comparison) {
    labelRow(this, 16,
             {{"% of total # files", 98},
              {"# Files", 262},
              {"% of total size", 322},
              {"File Sizes", 512}});
    QLabel** const files[] = {&lblNHidden, &lblNReadOnly, &lblNSystem, &lblNArchive};
    QLabel** const bytes[] = {&lblSzHidden, &lblSzReadOnly, &lblSzSystem, &lblSzArchive};
    std::array<QLabel*, 4> rowLabels{};
    for (int i = 0; i < 4; ++i) {
        rowLabels[i] = fixedLabel(this, QString::fromLatin1(kRowCaptions[i]), {16, kRowTops[i]});
        *files[i] = figureLabel(this, {259, kRowTops[i]}, 45);
        *bytes[i] = figureLabel(this, {467, kRowTops[i]}, 97);
    }
    Chart2 =
        attributeChart(this, besideRows(92, kChartWidth, rowLabels),
                       QStringLiteral("% of total # files"), HorizBarSeries4, QColor(255, 0, 0));
    Chart3 = attributeChart(this, besideRows(321, kChartWidth, rowLabels),
                            QStringLiteral("% of total size"), HorizBarSeries5, QColor(0, 0, 255));
    auto* note = new QLabel(
        QStringLiteral("Note it is possible that some files may have more than one attribute "
                       "set.  For example many system files are also hidden."),
        this);
    note->setGeometry(56, 192, 521, 49);
    note->setWordWrap(true);
    buildChanges(*lblNHidden, *lblSzHidden);
}

void AttributePage::buildChanges(const QLabel& filesColumn, const QLabel& bytesColumn) {
    pnlChanges = new QWidget(this);
    pnlChanges->setGeometry(kChangesPlace);
    pnlChanges->hide();
    lblComparedWith = fixedLabel(pnlChanges, {}, {16, 0});
    // Each column of changes ends where the figures it changes end.
    const int filesRight = rightOf(filesColumn), bytesRight = rightOf(bytesColumn);
    rightAligned(pnlChanges, QStringLiteral("Change in files"), filesRight, 0);
    rightAligned(pnlChanges, QStringLiteral("Change in size"), bytesRight, 0);
    for (int i = 0; i < 4; ++i) {
        const int top = (i + 1) * kChangesRow;
        fixedLabel(pnlChanges, QString::fromLatin1(kRowCaptions[i]), {16, top});
        lblFilesChange[i] = rightAligned(pnlChanges, {}, filesRight, top);
        lblSizeChange[i] = rightAligned(pnlChanges, {}, bytesRight, top);
    }
}

void AttributePage::doFileAttrs() {
    const Tallies& t = collector_.tallies();
    const ListingRows rows = attributesListing(t, numbers_);
    QLabel* const files[] = {lblNHidden, lblNReadOnly, lblNSystem, lblNArchive};
    QLabel* const bytes[] = {lblSzHidden, lblSzReadOnly, lblSzSystem, lblSzArchive};
    for (int i = 0; i < 4; ++i) {
        files[i]->setText(QString::fromStdString(rows[i + 1][1]));
        bytes[i]->setText(QString::fromStdString(rows[i + 1][2]));
    }
    // Each column of figures takes its room from the chart on its left.
    fitFigureColumn({lblNHidden, lblNReadOnly, lblNSystem, lblNArchive}, *Chart2, kChartWidth);
    fitFigureColumn({lblSzHidden, lblSzReadOnly, lblSzSystem, lblSzArchive}, *Chart3, kChartWidth);
    // A file with several attributes counts once under each of them.
    fillShares(*HorizBarSeries4, {double(t.archiveCount), double(t.systemCount),
                                  double(t.readOnlyCount), double(t.hiddenCount)});
    fillShares(*HorizBarSeries5, {double(t.archiveBytes), double(t.systemBytes),
                                  double(t.readOnlyBytes), double(t.hiddenBytes)});
    showChanges();
}

void AttributePage::showChanges() {
    pnlChanges->setVisible(comparison_.on());
    if (!comparison_.on()) return;
    lblComparedWith->setText(QStringLiteral("Since the run of ") +
                             QString::fromStdString(comparison_.label()));
    lblComparedWith->adjustSize();
    const std::vector<RowChange> changes = attributeChanges(comparison_.changes());
    for (std::size_t i = 0; i < lblFilesChange.size() && i < changes.size(); ++i) {
        lblFilesChange[i]->setText(QString::fromStdString(changeText(changes[i].files, numbers_)));
        lblSizeChange[i]->setText(QString::fromStdString(changeText(changes[i].bytes, numbers_)));
    }
}

}  // namespace quarvo
