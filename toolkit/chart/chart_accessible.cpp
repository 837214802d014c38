#include "toolkit/chart/chart_accessible.h"

#include <QPointer>
#include <optional>
#include <utility>

#include "toolkit/chart/chart.h"
#include "toolkit/chart/chart_readout.h"

namespace quarvo {
namespace {

// One bar, slice or point: the index-th thing the chart shows. It reads the
// chart each time it is asked, so it always says what is drawn now.
class ChartItemAccessible : public QAccessibleInterface {
public:
    ChartItemAccessible(Chart* chart, int index) : chart_(chart), index_(index) {}

    [[nodiscard]] const Chart* chart() const { return chart_; }
    [[nodiscard]] int index() const { return index_; }

    bool isValid() const override { return readout().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return chart_ ? QAccessible::queryAccessibleInterface(chart_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override {
        const auto item = readout();
        return type == QAccessible::Name && item ? item->text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const auto item = readout();
        if (!item) return {};
        return QRect(chart_->mapToGlobal(item->area.topLeft().toPoint()),
                     item->area.size().toSize());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invalid = !isValid();
        return state;
    }

private:
    std::optional<ChartReadout> readout() const {
        if (!chart_) return std::nullopt;
        std::vector<ChartReadout> all = chartReadouts(*chart_);
        if (index_ >= static_cast<int>(all.size())) return std::nullopt;
        return all[index_];
    }

    QPointer<Chart> chart_;
    int index_;
};

}  // namespace

ChartAccessible::ChartAccessible(Chart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {
}

ChartAccessible::~ChartAccessible() {
    for (const QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
}

Chart* ChartAccessible::chart() const {
    return static_cast<Chart*>(widget());
}

QString ChartAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name && chart()->accessibleName().isEmpty())
        return std::as_const(*chart()).title().lines.join(u' ');
    return QAccessibleWidget::text(type);
}

int ChartAccessible::itemCount() const {
    return static_cast<int>(chartReadouts(*chart()).size());
}

int ChartAccessible::childCount() const {
    return itemCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* ChartAccessible::child(int index) const {
    const int items = itemCount();
    if (index < 0) return nullptr;
    if (index >= items) return QAccessibleWidget::child(index - items);
    while (static_cast<int>(items_.size()) <= index)
        items_.push_back(QAccessible::registerAccessibleInterface(
            new ChartItemAccessible(chart(), static_cast<int>(items_.size()))));
    return QAccessible::accessibleInterface(items_[index]);
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* item = dynamic_cast<const ChartItemAccessible*>(child))
        return item->chart() == chart() && item->isValid() ? item->index() : -1;
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? -1 : itemCount() + own;
}

void announceChartChanged(Chart* chart) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(chart, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

}  // namespace quarvo
