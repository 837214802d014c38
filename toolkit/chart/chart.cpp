#include "toolkit/chart/chart.h"

#include <algorithm>
#include <array>

#include "toolkit/chart/chart_accessible.h"

namespace quarvo {
namespace {

QColor defaultColor(size_t index) {
    static const std::array<QColor, 8> colors{
        QColor(255, 0, 0),   QColor(0, 128, 0),   QColor(255, 255, 0), QColor(0, 0, 255),
        QColor(255, 0, 255), QColor(0, 128, 128), QColor(128, 0, 0),   QColor(128, 128, 128)};
    return colors[index % colors.size()];
}

}  // namespace

Chart::Chart(QWidget* parent) : QWidget(parent), pager_(new QScrollBar(Qt::Horizontal, this)) {
    pager_->hide();
    pager_->setFocusPolicy(Qt::NoFocus);
    connect(pager_, &QScrollBar::valueChanged, this, &Chart::setPage);
    zoomTimer_.setInterval(30);
    connect(&zoomTimer_, &QTimer::timeout, this, &Chart::zoomTimerTick);
}

Chart::~Chart() = default;

template <class S>
S* Chart::adopt(std::unique_ptr<S> series) {
    S* raw = series.get();
    raw->setChangeHandler([this] {
        invalidate();
        announceChartChanged(this);
    });
    series_.push_back(std::move(series));
    invalidate();
    return raw;
}

BarSeries* Chart::addBarSeries(BarSeries::Orientation orientation) {
    return adopt(std::make_unique<BarSeries>(orientation, defaultColor(series_.size())));
}

PieSeries* Chart::addPieSeries() {
    return adopt(std::make_unique<PieSeries>(defaultColor(series_.size())));
}

LineSeries* Chart::addLineSeries() {
    return adopt(std::make_unique<LineSeries>(defaultColor(series_.size())));
}

ChartSeries* Chart::series(int index) const {
    return index >= 0 && index < seriesCount() ? series_[index].get() : nullptr;
}

std::vector<const ChartSeries*> Chart::seriesList() const {
    std::vector<const ChartSeries*> out;
    for (const auto& one : series_) out.push_back(one.get());
    return out;
}

void Chart::invalidate() {
    layout_.reset();
    updatePager();
    update();
}

// The view decides only part of the layout; the rest is kept.
void Chart::viewChanged() {
    viewChanged_ = true;
    update();
}

void Chart::setTitle(const QString& line) {
    setTitle(QStringList{line});
}

void Chart::setTitle(const QStringList& lines) {
    title_.lines = lines;
    invalidate();
}

// Handing out a setting for change schedules a new layout.
ChartTitle& Chart::title() {
    invalidate();
    return title_;
}

ChartLegend& Chart::legend() {
    invalidate();
    return legend_;
}

ChartMargins& Chart::margins() {
    invalidate();
    return margins_;
}

ChartBackground& Chart::background() {
    invalidate();
    return background_;
}

ChartWall& Chart::backWall() {
    invalidate();
    return backWall_;
}

ChartWall& Chart::leftWall() {
    invalidate();
    return leftWall_;
}

ChartWall& Chart::bottomWall() {
    invalidate();
    return bottomWall_;
}

ChartAxis& Chart::leftAxis() {
    invalidate();
    return leftAxis_;
}

ChartAxis& Chart::rightAxis() {
    invalidate();
    return rightAxis_;
}

ChartAxis& Chart::bottomAxis() {
    invalidate();
    return bottomAxis_;
}

void Chart::setView3D(const ChartView3D& view) {
    view3D_ = view;
    viewChanged();
}

void Chart::set3D(bool on) {
    view3D_.enabled = on;
    viewChanged();
}

void Chart::setDepthPercent(int percent) {
    view3D_.depthPercent = percent;
    viewChanged();
}

void Chart::setZoomPercent(int percent) {
    view3D_.zoomPercent = percent;
    viewChanged();
}

void Chart::setRotation(int degrees) {
    view3D_.rotation = degrees;
    viewChanged();
}

void Chart::setElevation(int degrees) {
    view3D_.elevation = degrees;
    viewChanged();
}

void Chart::setPerspective(int strength) {
    view3D_.perspective = strength;
    viewChanged();
}

void Chart::setOrthogonal(bool on) {
    view3D_.orthogonal = on;
    viewChanged();
}

ChartLayoutInput Chart::layoutInput(const QSizeF& size) const {
    return {size,           &title_,      &legend_, &margins_,    &leftAxis_,
            &rightAxis_,    &bottomAxis_, &view3D_, seriesList(), zoom_.window(),
            pointsPerPage_, page_,        ground()};
}

QColor Chart::ground() const {
    if (backWall_.visible && !backWall_.transparent) return backWall_.color;
    return background_.gradient ? QColor() : background_.color;
}

const ChartLayout& Chart::currentLayout() {
    if (!layout_ || layout_->chartRect.size() != QSizeF(drawingSize()))
        layout_ = std::make_unique<ChartLayout>(layoutInput(drawingSize()));
    else if (viewChanged_)
        layout_->placeView(layoutInput(drawingSize()));
    viewChanged_ = false;
    return *layout_;
}

std::vector<LegendItem> Chart::legendItems() const {
    return quarvo::legendItems(legend_, seriesList(), ground());
}

}  // namespace quarvo
