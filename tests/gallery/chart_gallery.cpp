// The chart control in the settings the windows give it.
#include <QColor>
#include <cmath>

#include "tests/gallery/gallery.h"
#include "toolkit/chart/chart.h"

namespace quarvo::gallery {
namespace {

const QColor blue(0, 0, 255);
const QColor fuchsia(255, 0, 255);

QFont font(const char* family, int pixels, bool bold = false) {
    QFont out{QString::fromLatin1(family)};
    out.setPixelSize(pixels);
    out.setBold(bold);
    return out;
}

// Used and free space per drive, stacked, as on the main window.
void fillSpaceBars(Chart& chart, const std::vector<std::pair<double, double>>& drives) {
    BarSeries* used = chart.addBarSeries();
    BarSeries* free = chart.addBarSeries();
    for (BarSeries* series : {used, free}) {
        series->setBarWidthPercent(65);
        series->setSideMargins(false);
        series->setValueFormat(QStringLiteral("#,##0.00 GB"));
        SeriesMarks& marks = series->marks();
        marks.visible = true;
        marks.font = font("Arial", 11);
        marks.textColor = Qt::white;
        marks.arrowLength = 0;
        marks.frame = false;
    }
    used->setStyle(BarSeries::Style::Gradient);
    used->marks().boxColor = blue;
    used->marks().distance = -24;
    free->marks().boxColor = fuchsia;
    free->marks().distance = 10;
    double usedSum = 0, freeSum = 0;
    char letter = 'c';
    for (const auto& [total, spare] : drives) {
        used->add(total - spare, QString(QChar(letter)), blue);
        free->add(spare, QString(QChar(letter++)), fuchsia);
        usedSum += total - spare;
        freeSum += spare;
    }
    used->add(usedSum, QStringLiteral("Total"), blue);
    free->add(freeSum, QStringLiteral("Total"), fuchsia);
}

void setUpMainChart(Chart& chart) {
    chart.resize(620, 380);
    ChartBackground& background = chart.background();
    background.gradient = true;
    background.gradientBottom = Qt::black;
    background.gradientTop = blue;
    chart.backWall().transparent = true;
    chart.leftWall() = {true, true, QColor(128, 128, 192)};
    chart.bottomWall().color = QColor(128, 128, 255);
    chart.margins() = {2, 11, 2, 9};
    chart.title().visible = false;
    chart.legend().visible = false;
    ChartAxis& bottom = chart.bottomAxis();
    bottom.labelColor = Qt::white;
    bottom.labelFont = font("Arial", 16);
    bottom.minorTicksVisible = false;
    for (ChartAxis* axis : {&chart.leftAxis(), &chart.rightAxis()}) {
        axis->labelColor = Qt::white;
        axis->labelFont = font("Times New Roman", 12);
        axis->valueFormat = QStringLiteral("#,##0.0## GB");
        axis->tickColor = Qt::white;
        axis->minorTicksVisible = false;
    }
    chart.leftAxis().lineVisible = false;
    chart.rightAxis().labelFont = font("Times New Roman", 13);
    chart.setPerspective(100);
    fillSpaceBars(chart, {{111.8, 40.2}, {465.7, 120.5}, {29.3, 27.9}});
    for (int s = 0; s < chart.seriesCount(); ++s)
        chart.series(s)->setValueAxes(ChartSeries::ValueAxes::LeftAndRight);
}

void mainWindowViews(const QString& folder) {
    struct View {
        const char* name;
        int zoom, rotation, elevation, depth;
        bool orthogonal;
    };
    const View views[] = {
        {"chart_main_opening_start", 20, 280, 280, 25, false},
        {"chart_main_opening_middle", 60, 320, 320, 25, false},
        {"chart_main_opening_turned", 96, 356, 356, 25, false},
        {"chart_main_depth_25", 100, 360, 360, 25, true},
        {"chart_main_depth_61", 100, 360, 360, 61, true},
        {"chart_main_closing", 100, 360, 360, 15, false},
    };
    for (const View& view : views) {
        Chart chart;
        setUpMainChart(chart);
        chart.setView3D(
            {true, view.depth, view.zoom, view.rotation, view.elevation, 100, view.orthogonal});
        saveWidget(chart, folder, QString::fromLatin1(view.name));
    }
}

const QColor palette[12] = {{255, 0, 0},   {0, 128, 0},   {255, 255, 0}, {0, 0, 255},
                            {255, 0, 255}, {0, 128, 128}, {128, 0, 0},   {0, 255, 0},
                            {128, 128, 0}, {0, 0, 128},   {128, 0, 128}, {0, 255, 255}};

void sizesChart(const QString& folder) {
    Chart chart;
    chart.resize(617, 331);
    chart.setTitle(QStringLiteral("File Sizes in MB"));
    chart.legend().style = LegendStyle::Values;
    chart.legend().inverted = true;
    BarSeries* bars = chart.addBarSeries(BarSeries::Orientation::Horizontal);
    bars->setStyle(BarSeries::Style::Gradient);
    bars->setPercentFormat(QStringLiteral("##0.# %"));
    bars->marks().visible = true;
    bars->marks().content = MarkContent::Percent;
    const char* labels[] = {"0 - 16K",     "16K - 32K",   "32K - 64K",  "64K - 128K",
                            "128K - 256K", "256K - 512K", "512K - 1MB", "1MB - 2MB",
                            "2MB - 4MB",   "4MB - 8MB",   "8MB - 16MB", "Over 16MB"};
    const double values[] = {310.2, 120.4, 150.9, 201.3, 260.0, 240.7,
                             300.1, 410.6, 380.2, 350.0, 290.4, 1210.5};
    for (int b = 0; b < 12; ++b) bars->add(values[b], QString::fromLatin1(labels[b]), palette[b]);
    saveWidget(chart, folder, QStringLiteral("chart_sizes_horizontal_marks"));
}

// The ages of files, one side by side series of them, scaled.
BarSeries* addAgeSeries(Chart& chart, const char* title, const QColor& color, int offset,
                        double scale) {
    const char* labels[] = {"Not recorded",  "<= 7 days",      "8 - 30 days", "31 - 60 days",
                            "61 - 120 days", "121 - 365 days", "1 - 2 years", "2 - 3 years",
                            "3 - 4 years",   "Over 4 years"};
    BarSeries* series = chart.addBarSeries(BarSeries::Orientation::Horizontal);
    series->setTitle(QString::fromLatin1(title));
    series->setColor(color);
    series->setOffsetPercent(offset);
    series->setBarWidthPercent(40);
    series->setSideBySide(true);
    series->setStyle(BarSeries::Style::Gradient);
    for (int k = 0; k < 10; ++k)
        series->add((20 + 13 * ((k * 7) % 10)) * scale, QString::fromLatin1(labels[k]), color);
    return series;
}

void combinedChart(const QString& folder) {
    Chart chart;
    chart.resize(619, 329);
    chart.setTitle(QStringLiteral("Combination Access/Created/Modified Chart"));
    chart.setDepthPercent(20);
    chart.legend().inverted = true;
    addAgeSeries(chart, "Modified", QColor(255, 255, 0), -25, 1.0);
    addAgeSeries(chart, "Created", QColor(0, 128, 0), 0, 0.8);
    addAgeSeries(chart, "Accessed", QColor(255, 0, 0), 25, 0.6);
    saveWidget(chart, folder, QStringLiteral("chart_combined_side_by_side"));
}

// A pie of file types as the types page draws it, without its slices.
PieSeries* addTypesPie(Chart& chart) {
    chart.resize(624, 326);
    chart.title().visible = false;
    chart.legend().visible = false;
    chart.setView3D({true, 25, 100, 360, 315, 0, false});
    PieSeries* pie = chart.addPieSeries();
    pie->setPercentFormat(QStringLiteral("##0.# %"));
    pie->setExplodeBiggest(10);
    pie->setOtherSlicePercent(5);
    pie->setStartAngle(60);
    pie->marks().visible = true;
    pie->marks().content = MarkContent::LabelAndPercent;
    return pie;
}

void typesPie(const QString& folder) {
    Chart chart;
    PieSeries* pie = addTypesPie(chart);
    const char* types[] = {"Application",   "Word Document", "Bitmap Image",
                           "Text Document", "Help File",     "Dynamic Link Library",
                           "Cursor",        "Font file",     "Configuration Settings"};
    const double sizes[] = {4200, 2600, 1900, 900, 610, 150, 120, 90, 40};
    for (int i = 0; i < 9; ++i) pie->add(sizes[i], QString::fromLatin1(types[i]), palette[i + 1]);
    saveWidget(chart, folder, QStringLiteral("chart_types_pie_other"));
}

void smallPie(const QString& folder) {
    Chart chart;
    chart.resize(103, 99);
    chart.setTitle(QStringLiteral("C: (FIXED DISK)  41.3% free"));
    chart.title().font = font("Arial", 11, true);
    chart.legend().visible = false;
    chart.setView3D({true, 65, 100, 360, 315, 0, false});
    PieSeries* pie = chart.addPieSeries();
    pie->setStartAngle(60);
    pie->add(58.7, QStringLiteral(" "), blue);
    pie->add(41.3, QStringLiteral(" "), fuchsia);
    saveWidget(chart, folder, QStringLiteral("chart_space_small_pie"));
    chart.resize(235, 183);
    chart.setTitle(QStringLiteral("TOTAL 27.0% free"));
    saveWidget(chart, folder, QStringLiteral("chart_space_total_pie"));
}

// One drive pie with depth seen from four elevations, above and below the
// straight-ahead view: each shows its top and the near half of its rim.
void pieElevations(const QString& folder) {
    QWidget strip;
    strip.resize(4 * 130, 130);
    const int elevations[] = {315, 345, 15, 45};
    for (int i = 0; i < 4; ++i) {
        auto* chart = new Chart(&strip);
        chart->setGeometry(i * 130, 0, 130, 130);
        chart->setTitle(QStringLiteral("Elevation %1").arg(elevations[i]));
        chart->title().font = font("Arial", 11, true);
        chart->legend().visible = false;
        chart->setView3D({true, 65, 100, 360, elevations[i], 0, false});
        PieSeries* pie = chart->addPieSeries();
        pie->setStartAngle(60);
        pie->add(58.7, QStringLiteral(" "), blue);
        pie->add(41.3, QStringLiteral(" "), fuchsia);
    }
    saveWidget(strip, folder, QStringLiteral("pie-3d-elevations"));
}

// Files per half hour of the day, peaking at a phase of its own.
LineSeries* addDayLine(Chart& chart, const char* title, const QColor& color, int phase) {
    LineSeries* line = chart.addLineSeries();
    line->setTitle(QString::fromLatin1(title));
    line->setColor(color);
    for (int s = 0; s < 48; ++s) {
        const int hour = (s + phase) % 48;
        const double count = 20 + 180 * std::exp(-((hour - 28) * (hour - 28)) / 60.0);
        line->addXY(s, count, QStringLiteral("%1:%2").arg(s / 2).arg(s % 2 ? "30" : "00"));
    }
    return line;
}

void setUpDayChart(Chart& chart) {
    chart.resize(630, 360);
    chart.setDepthPercent(20);
    chart.legend().alignment = LegendAlignment::Top;
    ChartAxis& bottom = chart.bottomAxis();
    bottom.automatic = false;
    bottom.minimum = 0;
    bottom.maximum = 47.9583333333333;
    bottom.labelAngle = 90;
    bottom.labelSeparation = 3;
}

void timeChart(const QString& folder) {
    Chart chart;
    setUpDayChart(chart);
    chart.bottomAxis().title = QStringLiteral("Time of day file was modified/created/accessed");
    chart.leftAxis().title = QStringLiteral("Numer of files");
    addDayLine(chart, "Modified time", Qt::red, 0);
    addDayLine(chart, "Created time", Qt::green, 6);
    addDayLine(chart, "Access Time", Qt::blue, 12);
    saveWidget(chart, folder, QStringLiteral("chart_time_lines"));
    // The last half hour lies on a page of its own, reached by the pager.
    chart.setPointsPerPage(47);
    saveWidget(chart, folder, QStringLiteral("chart_time_lines_paged"));
    chart.setPage(2);
    saveWidget(chart, folder, QStringLiteral("chart_time_lines_page_2"));
}

void flatBars(const QString& folder) {
    Chart chart;
    chart.resize(436, 255);
    chart.set3D(false);
    chart.legend().visible = false;
    chart.setTitle(QStringList{QStringLiteral("Space per drive"), QStringLiteral("(GB)")});
    fillSpaceBars(chart, {{100, 40}, {250, 20}});
    saveWidget(chart, folder, QStringLiteral("chart_flat_bars"));
}

// Earlier values beside the present ones: outlines beside the bars, the
// earlier share in the pie's marks, dashed earlier lines.
void earlierBars(const QString& folder) {
    const char* labels[] = {"0 - 16K",     "16K - 32K",   "32K - 64K",  "64K - 128K",
                            "128K - 256K", "256K - 512K", "512K - 1MB", "Over 1MB"};
    const double now[] = {48211, 9120, 6210, 3302, 2107, 0, 803, 514};
    const double before[] = {45020, 9870, 4100, 3302, 1650, 920, 1210, -1};
    const auto fill = [&](Chart& chart, BarSeries::Orientation orientation) {
        BarSeries* bars = chart.addBarSeries(orientation);
        bars->setStyle(BarSeries::Style::Gradient);
        bars->marks().visible = true;
        for (int b = 0; b < 8; ++b) {
            bars->add(now[b], QString::fromLatin1(labels[b]), palette[b]);
            if (before[b] >= 0) bars->setEarlier(b, before[b]);
        }
    };
    Chart upright;
    upright.resize(620, 330);
    upright.setTitle(QStringLiteral("Number of Files"));
    upright.legend().style = LegendStyle::Values;
    fill(upright, BarSeries::Orientation::Vertical);
    saveWidget(upright, folder, QStringLiteral("chart_earlier_vertical_bars"));
    upright.set3D(false);
    saveWidget(upright, folder, QStringLiteral("chart_earlier_flat_bars"));
    Chart lying;
    lying.resize(620, 330);
    lying.setTitle(QStringLiteral("Number of Files"));
    lying.legend().style = LegendStyle::Values;
    lying.legend().inverted = true;
    fill(lying, BarSeries::Orientation::Horizontal);
    saveWidget(lying, folder, QStringLiteral("chart_earlier_horizontal_bars"));
    lying.setDepthPercent(40);
    lying.setView3D({true, 40, 100, 340, 340, 15, false});
    saveWidget(lying, folder, QStringLiteral("chart_earlier_horizontal_bars_turned"));
}

void earlierSideBySide(const QString& folder) {
    Chart chart;
    chart.resize(619, 329);
    chart.setTitle(QStringLiteral("Modified and Created, now and earlier"));
    chart.setDepthPercent(20);
    chart.legend().inverted = true;
    int shift = 0;
    for (BarSeries* series : {addAgeSeries(chart, "Modified", QColor(255, 255, 0), -25, 1.0),
                              addAgeSeries(chart, "Created", QColor(0, 128, 0), 25, 0.8)}) {
        series->setBarWidthPercent(48);
        series->setEarlierTitle(series->title() + QStringLiteral(" (earlier)"));
        for (int k = 0; k < series->count(); ++k)
            series->setEarlier(k, 14 + 11 * ((k * 5 + shift) % 10));
        shift += 3;
    }
    saveWidget(chart, folder, QStringLiteral("chart_earlier_side_by_side"));
}

void earlierPie(const QString& folder) {
    Chart chart;
    PieSeries* pie = addTypesPie(chart);
    const char* types[] = {"JPEG image", "Word Document",        "Bitmap Image", "Text Document",
                           "Disc image", "Dynamic Link Library", "Cursor",       "Font file"};
    const double sizes[] = {4200, 2600, 1900, 900, 1500, 150, 120, 90};
    const double before[] = {3500, 2700, 1900, 1100, -1, 180, 120, 60};
    for (int i = 0; i < 8; ++i) {
        pie->add(sizes[i], QString::fromLatin1(types[i]), palette[i + 1]);
        if (before[i] >= 0) pie->setEarlier(i, before[i]);
    }
    pie->setRest(300);
    pie->setEarlierRest(280);
    saveWidget(chart, folder, QStringLiteral("chart_earlier_pie"));
}

void earlierLines(const QString& folder) {
    Chart chart;
    setUpDayChart(chart);
    for (LineSeries* line :
         {addDayLine(chart, "Modified", Qt::red, 0), addDayLine(chart, "Created", Qt::blue, 12)}) {
        line->setEarlierTitle(line->title() + QStringLiteral(" (earlier)"));
        for (int s = 0; s < line->count(); ++s)
            line->setEarlier(s, 0.8 * line->points()[s].value + 15 * std::sin(s / 4.0));
    }
    saveWidget(chart, folder, QStringLiteral("chart_earlier_lines"));
    chart.set3D(false);
    saveWidget(chart, folder, QStringLiteral("chart_earlier_lines_flat"));
}

GalleryPage mainPage("chart: main window animation", mainWindowViews);
GalleryPage sizesPage("chart: horizontal bars with marks", sizesChart);
GalleryPage combinedPage("chart: side by side bars", combinedChart);
GalleryPage piePage("chart: 3-D pie", typesPie);
GalleryPage smallPiePage("chart: small pies", smallPie);
GalleryPage elevationsPage("chart: pie elevations", pieElevations);
GalleryPage timePage("chart: lines", timeChart);
GalleryPage flatPage("chart: 2-D bars", flatBars);
GalleryPage earlierBarsPage("chart: bars with earlier values", earlierBars);
GalleryPage earlierGroupPage("chart: side by side bars with earlier values", earlierSideBySide);
GalleryPage earlierPiePage("chart: pie with earlier shares", earlierPie);
GalleryPage earlierLinesPage("chart: lines with earlier lines", earlierLines);

}  // namespace
}  // namespace quarvo::gallery
