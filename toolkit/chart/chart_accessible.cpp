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
class ChartItemAccessible : public IndexedPart<Chart> {
public:
    using IndexedPart::IndexedPart;

    bool isValid() const override { return readout().has_value(); }
    QString text(QAccessible::Text type) const override {
        const auto item = readout();
        return type == QAccessible::Name && item ? item->text : QString();
    }
    QRect rect() const override {
        const auto item = readout();
        if (!item) return {};
        return QRect(control_->mapToGlobal(item->area.topLeft().toPoint()),
                     item->area.size().toSize());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override { return readOnlyState(); }

private:
    std::optional<ChartReadout> readout() const {
        if (!control_) return std::nullopt;
        std::vector<ChartReadout> all = chartReadouts(*control_);
        if (index_ >= static_cast<int>(all.size())) return std::nullopt;
        return all[index_];
    }
};

}  // namespace

ChartAccessible::ChartAccessible(Chart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {
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
    return items_.part({index, 0}, [&] { return new ChartItemAccessible(chart(), index); });
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* item = dynamic_cast<const ChartItemAccessible*>(child))
        return item->control() == chart() && item->isValid() ? item->index() : -1;
    const int own = QAccessibleWidget::indexOfChild(child);
    return own < 0 ? -1 : itemCount() + own;
}

void announceChartChanged(Chart* chart) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(chart, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

}  // namespace quarvo
