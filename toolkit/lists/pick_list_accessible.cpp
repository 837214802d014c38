#include "toolkit/lists/pick_list_accessible.h"

#include <QItemSelection>
#include <QPointer>

#include "toolkit/lists/pick_list.h"

namespace quarvo {
namespace {

// One entry of a pick list, read from the list each time it is asked.
class PickEntryAccessible : public IndexedPart<TPickList> {
public:
    using IndexedPart::IndexedPart;

    bool isValid() const override { return control_ && index_ < control_->count(); }
    // The columns of an entry are apart by tabs; a reader pauses at a comma.
    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name || !isValid()) return {};
        return control_->text(index_).split(u'\t', Qt::SkipEmptyParts).join(QStringLiteral(", "));
    }
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect entry = control_->entryRect(index_);
        return QRect(control_->viewport()->mapToGlobal(entry.topLeft()), entry.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
};

QAccessible::State PickEntryAccessible::state() const {
    QAccessible::State state = readOnlyState();
    if (state.invalid) return state;
    // The user picks an entry by checking it.
    state.readOnly = false;
    state.checkable = true;
    state.checked = control_->selected(index_);
    state.focusable = true;
    state.focused = control_->hasFocus() && control_->itemIndex() == index_;
    state.invisible = !control_->viewport()->rect().intersects(control_->entryRect(index_));
    state.offscreen = state.invisible;
    state.disabled = !control_->isEnabled();
    return state;
}

}  // namespace

PickListAccessible::PickListAccessible(TPickList* list)
    : QAccessibleWidget(list, QAccessible::List) {
}

TPickList* PickListAccessible::list() const {
    return static_cast<TPickList*>(widget());
}

int PickListAccessible::childCount() const {
    return list()->count();
}

QAccessibleInterface* PickListAccessible::child(int index) const {
    if (index < 0 || index >= list()->count()) return nullptr;
    return entries_.part({index, 0}, [&] { return new PickEntryAccessible(list(), index); });
}

int PickListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* entry = dynamic_cast<const PickEntryAccessible*>(child);
    return entry && entry->control() == list() && entry->isValid() ? entry->index() : -1;
}

QAccessibleInterface* PickListAccessible::childAt(int x, int y) const {
    const QModelIndex at = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return at.isValid() ? child(at.row()) : nullptr;
}

QAccessibleInterface* PickListAccessible::focusChild() const {
    return list()->hasFocus() ? child(list()->itemIndex()) : nullptr;
}

void announcePicks(TPickList* list, const QItemSelection& picked, const QItemSelection& dropped) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* entries = QAccessible::queryAccessibleInterface(list);
    QAccessible::State checked;
    checked.checked = true;
    for (const QItemSelection* changed : {&picked, &dropped})
        for (const QModelIndex& index : changed->indexes())
            if (QAccessibleInterface* entry = entries ? entries->child(index.row()) : nullptr) {
                QAccessibleStateChangeEvent event(entry, checked);
                QAccessible::updateAccessibility(&event);
            }
}

}  // namespace quarvo
