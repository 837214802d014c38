#include "views/attribute_page.h"

#include <QLabel>
#include <array>
#include <cmath>

#include "forms/form_fonts.h"
#include "listings/page_listings.h"
#include "views/page_labels.h"
#include "views/plain_chart.h"

namespace quarvo {
namespace {

constexpr int kRowTops[4] = {45, 70, 94, 119};  // Hidden, Read-only, System, Archive
constexpr int kChartWidth = 158;

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

AttributePage::AttributePage(const StatisticsCollector& collector, const NumberFormat& numbers)
    : collector_(collector), numbers_(numbers) {
    labelRow(this, 16,
             {{"% of total # files", 98},
              {"# Files", 262},
              {"% of total size", 322},
              {"File Sizes", 512}});
    const struct {
        const char* caption;
        QLabel* AttributePage::*files;
        QLabel* AttributePage::*bytes;
    } rows[] = {{"Hidden", &AttributePage::lblNHidden, &AttributePage::lblSzHidden},
                {"Read-only", &AttributePage::lblNReadOnly, &AttributePage::lblSzReadOnly},
                {"System", &AttributePage::lblNSystem, &AttributePage::lblSzSystem},
                {"Archive", &AttributePage::lblNArchive, &AttributePage::lblSzArchive}};
    std::array<QLabel*, 4> rowLabels{};
    for (int i = 0; i < 4; ++i) {
        rowLabels[i] = fixedLabel(this, QString::fromLatin1(rows[i].caption), {16, kRowTops[i]});
        this->*rows[i].files = figureLabel(this, {259, kRowTops[i]}, 45);
        this->*rows[i].bytes = figureLabel(this, {467, kRowTops[i]}, 97);
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
}

}  // namespace quarvo
