#include "toolkit/accessible/accessibility.h"

#include <QAccessibleWidget>

#include "toolkit/chart/chart.h"
#include "toolkit/chart/chart_accessible.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/grid_accessible.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/pick_list.h"
#include "toolkit/lists/pick_list_accessible.h"

namespace quarvo {
namespace {

class EffectLabelAccessible : public QAccessibleWidget {
public:
    explicit EffectLabelAccessible(EffectLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override {
        const QString own = QAccessibleWidget::text(type);
        if (type != QAccessible::Name || !own.isEmpty()) return own;
        return static_cast<EffectLabel*>(widget())->text();
    }
};

// A button that shows only a picture is named by its hint, so that a
// reader never meets a button without a name.
class GlyphButtonAccessible : public QAccessibleWidget {
public:
    explicit GlyphButtonAccessible(GlyphButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name:
                return name();
            case QAccessible::Description:
                return name() == button()->toolTip() ? button()->accessibleDescription()
                                                     : QAccessibleWidget::text(type);
            default:
                return QAccessibleWidget::text(type);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.defaultButton = button()->isDefault();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    GlyphButton* button() const { return static_cast<GlyphButton*>(widget()); }
    QString name() const {
        if (!button()->accessibleName().isEmpty()) return button()->accessibleName();
        QString caption = button()->text();
        caption.remove(u'&');
        return caption.isEmpty() ? button()->toolTip() : caption;
    }
};

template <class Widget>
Widget* asExactly(const QString& className, QObject* object) {
    if (className != QLatin1String(Widget::staticMetaObject.className())) return nullptr;
    return qobject_cast<Widget*>(object);
}

QAccessibleInterface* toolkitInterface(const QString& className, QObject* object) {
    if (auto* grid = asExactly<StringGrid>(className, object)) return new GridAccessible(grid);
    if (auto* chart = asExactly<Chart>(className, object)) return new ChartAccessible(chart);
    if (auto* list = asExactly<TPickList>(className, object)) return new PickListAccessible(list);
    if (auto* label = asExactly<EffectLabel>(className, object))
        return new EffectLabelAccessible(label);
    if (auto* button = asExactly<GlyphButton>(className, object))
        return new GlyphButtonAccessible(button);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(toolkitInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace quarvo
