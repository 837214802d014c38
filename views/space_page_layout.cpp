// The controls of the Space page: figures, drive list, bar chart, view
// switches and the pie view, at the positions of its fixed layout.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "forms/form_fonts.h"
#include "views/plain_chart.h"
#include "views/space_page.h"

namespace quarvo {
namespace {

const QString kSpaceMask = QStringLiteral("#,##0.0# GB");

struct PiePlace {
    Chart* SpacePage::*field;
    QRect geometry;
};

// Three rows of small pies; the total pie takes the room right of rows 2
// and 3.
const PiePlace kSmallPies[SpacePage::kSmallPieCount] = {
    {&SpacePage::pie1, {6, 7, 103, 99}},     {&SpacePage::pie2, {132, 7, 103, 99}},
    {&SpacePage::pie3, {258, 7, 103, 99}},   {&SpacePage::pie4, {384, 7, 103, 99}},
    {&SpacePage::pie5, {510, 7, 103, 99}},   {&SpacePage::pie6, {6, 109, 103, 99}},
    {&SpacePage::pie7, {132, 109, 103, 99}}, {&SpacePage::pie8, {258, 109, 103, 99}},
    {&SpacePage::pie9, {6, 211, 103, 99}},   {&SpacePage::pie10, {132, 211, 103, 99}},
    {&SpacePage::pie11, {258, 211, 103, 99}}};

QFrame* swatch(QWidget* parent, const QColor& colour, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(geometry);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    return panel;
}

void legendLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setFont(formFont("Arial", 11));
    label->move(at);
    label->adjustSize();
}

void showBarMarks(BarSeries& series, int distance) {
    SeriesMarks& marks = series.marks();
    marks.visible = true;
    marks.content = MarkContent::Value;
    marks.font = formFont("Arial", 11);
    marks.textColor = Qt::white;
    marks.boxColor = series.color();
    marks.distance = distance;
    series.setValueFormat(kSpaceMask);
}

}  // namespace

Chart* SpacePage::smallPie(int number) const {
    return this->*kSmallPies[number - 1].field;
}

PieSeries* SpacePage::pieSeriesOf(const Chart& pie) {
    return static_cast<PieSeries*>(pie.series(0));
}

SpacePage::SpacePage(VolumeApi& volumes, QTimer& pieTimer)
    : volumes_(volumes), pieTimer_(pieTimer) {
    Timer2 = new QTimer(this);
    Timer2->setInterval(50);
    connect(Timer2, &QTimer::timeout, this, &SpacePage::Timer2Timer);
    popSel = new QMenu(this);
    SelectAll1 = popSel->addAction(QStringLiteral("Select All"));
    DeselectAll1 = popSel->addAction(QStringLiteral("Deselect All"));
    connect(SelectAll1, &QAction::triggered, this, &SpacePage::SelectAll1Click);
    connect(DeselectAll1, &QAction::triggered, this, &SpacePage::DeselectAll1Click);
    buildDrivePanel();
    buildSpaceBarChart();
    // The used space row reaches into the chart's empty top margin; built
    // after the chart, its letters stay in front of it.
    buildSpaceFigures();
    buildSpaceSwitches();
    buildPiePanel();
}

void SpacePage::buildSpaceFigures() {
    const struct {
        EffectLabel* SpacePage::*field;
        QRect geometry;
        const char* caption;
    } labels[] = {{&SpacePage::lblTotalC, {210, 5, 127, 23}, "Total Capacity:"},
                  {&SpacePage::lblTotal, {376, 5, 135, 23}, ""},
                  {&SpacePage::lblTot, {521, 5, 42, 23}, ""},
                  {&SpacePage::lblFreeC, {241, 34, 96, 23}, "Free Space:"},
                  {&SpacePage::lblFree, {376, 34, 136, 23}, ""},
                  {&SpacePage::lblPct, {521, 34, 42, 23}, ""},
                  {&SpacePage::label26, {236, 64, 101, 23}, "Used Space:"},
                  {&SpacePage::lblUsed, {376, 64, 136, 23}, ""},
                  {&SpacePage::lblPct2, {521, 64, 42, 23}, ""}};
    for (const auto& [field, geometry, caption] : labels) {
        auto* label = new EffectLabel(QString::fromLatin1(caption), this);
        label->setFont(formFont("Times New Roman", 21));
        label->setShadow(Qt::gray, 1, ShadowDirection::DownRight, false);
        label->setWordWrap(false);
        // The letters of these faces, with their raised edge, are a little
        // larger than the boxes were made for; the boxes grow right and down
        // into free space, so that no colon or descender is cut off.
        const int wider = *caption != '\0' ? 12 : 0;
        label->setGeometry(geometry.adjusted(0, 0, wider, 4));
        this->*field = label;
    }
    for (EffectLabel* figure : {lblTotal, lblFree, lblUsed})
        figure->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Panel1 = swatch(this, kFreeColour, {215, 35, 17, 17});
    Panel2 = swatch(this, kUsedColour, {215, 66, 17, 17});
}

void SpacePage::buildDrivePanel() {
    Panel4 = new QFrame(this);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setLineWidth(2);
    Panel4->setGeometry(5, 5, 183, 353);
    pckStatDrive = new TPickList(Panel4);
    pckStatDrive->setGeometry(Panel4->contentsRect());
    pckStatDrive->setAccessibleName(QStringLiteral("Drives"));
    pckStatDrive->setFrameShape(QFrame::NoFrame);
    pckStatDrive->setColor(palette().color(QPalette::Button));
    pckStatDrive->setFont(formFont("Arial", 13));
    pckStatDrive->setItemHeight(16);
    pckStatDrive->setMultiSelect(true);
    pckStatDrive->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pckStatDrive, &TPickList::entryClicked, this, &SpacePage::pckStatDriveClick);
    connect(pckStatDrive, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popSel->popup(pckStatDrive->viewport()->mapToGlobal(at)); });
}

void SpacePage::buildSpaceBarChart() {
    chartSpaceBar = new Chart(this);
    chartSpaceBar->setGeometry(190, 87, 436, 255);
    chartSpaceBar->title().visible = false;
    chartSpaceBar->legend().visible = false;
    chartSpaceBar->setAccessibleName(QStringLiteral("Used and free space by drive"));
    chartSpaceBar->background().color = palette().color(QPalette::Window);
    chartSpaceBar->setZoomEnabled(false);
    chartSpaceBar->set3D(true);
    chartSpaceBar->leftAxis().valueFormat = kSpaceMask;
    // No series is drawn against the right axis.
    chartSpaceBar->rightAxis().visible = false;
    Series5 = chartSpaceBar->addBarSeries();
    Series5->setColor(kUsedColour);
    Series4 = chartSpaceBar->addBarSeries();
    Series4->setColor(kFreeColour);
    // Shown by no legend; a screen reader reads a bar as "c: Used: 12.34 GB".
    Series5->setTitle(QStringLiteral("Used"));
    Series4->setTitle(QStringLiteral("Free"));
    // The used figure sits inside the top of its part, the free one above
    // the whole bar.
    showBarMarks(*Series5, -24);
    showBarMarks(*Series4, 10);
}

void SpacePage::buildSpaceSwitches() {
    rgSpace2 = new QRadioButton(QStringLiteral("Bar - totals"), this);
    rgSpace2->setGeometry(424, 342, 81, 17);
    rgSpace2->setChecked(true);
    rgSpace1 = new QRadioButton(QStringLiteral("Pie - percent"), this);
    rgSpace1->setGeometry(528, 342, 89, 17);
    for (QRadioButton* button : {rgSpace2, rgSpace1})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) rgSpaceClick();
        });
    cbTotal = new QCheckBox(QStringLiteral("Show Cumulative Total"), this);
    cbTotal->setGeometry(203, 341, 150, 17);
    cbTotal->setChecked(true);
    connect(cbTotal, &QCheckBox::toggled, this, &SpacePage::cbTotalClick);
}

void SpacePage::buildPiePanel() {
    pnlPie = new QWidget(this);
    pnlPie->setGeometry(4, 4, 616, 336);
    // Opaque, so that it hides the drive list and the figures below it.
    pnlPie->setAutoFillBackground(true);
    for (const PiePlace& place : kSmallPies) this->*place.field = makePie(place.geometry);
    pieTotal = makePie({374, 119, 235, 183});
    ScrollBar3 = new QScrollBar(Qt::Horizontal, pnlPie);
    ScrollBar3->setGeometry(3, 313, 134, 18);
    ScrollBar3->setRange(0, 360);
    ScrollBar3->setAccessibleName(QStringLiteral("Pie angle"));
    ScrollBar3->setPageStep(5);
    ScrollBar3->hide();
    connect(ScrollBar3, &QScrollBar::valueChanged, this, &SpacePage::ScrollBar1Change);
    Panel3 = swatch(pnlPie, kFreeColour, {492, 312, 17, 17});
    legendLabel(pnlPie, QStringLiteral("Free"), {513, 313});
    Panel5 = swatch(pnlPie, kUsedColour, {557, 312, 17, 17});
    legendLabel(pnlPie, QStringLiteral("Used"), {580, 313});
}

Chart* SpacePage::makePie(const QRect& geometry) {
    auto* pie = new Chart(pnlPie);
    pie->setGeometry(geometry);
    showTurningPie(*pie, palette().color(QPalette::Window), 65);
    // The drive's name and free share stand above each pie.
    pie->title().visible = true;
    pie->title().font = formFont("Arial", 11, true);
    pie->addPieSeries()->setStartAngle(60);
    connect(pie, &Chart::clicked, this, &SpacePage::pieTotalClick);
    pie->hide();
    return pie;
}

}  // namespace quarvo
