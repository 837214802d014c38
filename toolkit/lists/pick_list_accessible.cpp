#include "toolkit/lists/pick_list_accessible.h"

#include <QItemSelection>
#include <QPointer>

#include "toolkit/lists/pick_list.h"

namespace quarvo {
namespace {

// One entry of a pick list, read from the list each time it is asked.
class PickEntryAccessible : public QAccessibleInterface {
public:
    PickEntryAccessible(TPickList* list, int index) : list_(list), index_(index) {}

    [[nodiscard]] const TPickList* list() const { return list_; }
    [[nodiscard]] int index() const { return index_; }

    bool isValid() const override { return list_ && index_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return list_ ? QAccessible::queryAccessibleInterface(list_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // The columns of an entry are apart by tabs; a reader pauses at a comma.
    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name || !isValid()) return {};
        return list_->text(index_).split(u'\t', Qt::SkipEmptyParts).join(QStringLiteral(", "));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect entry = list_->entryRect(index_);
        return QRect(list_->viewport()->mapToGlobal(entry.topLeft()), entry.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    QPointer<TPickList> list_;
    int index_;
};

QAccessible::State PickEntryAccessible::state() const {
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.checkable = true;
    state.checked = list_->selected(index_);
    state.focusable = true;
    state.focused = list_->hasFocus() && list_->itemIndex() == index_;
    state.invisible = !list_->viewport()->rect().intersects(list_->entryRect(index_));
    state.offscreen = state.invisible;
    state.disabled = !list_->isEnabled();
    return state;
}

}  // namespace

PickListAccessible::PickListAccessible(TPickList* list)
    : QAccessibleWidget(list, QAccessible::List) {
}

PickListAccessible::~PickListAccessible() {
    for (const QAccessible::Id id : entries_) QAccessible::deleteAccessibleInterface(id);
}

TPickList* PickListAccessible::list() const {
    return static_cast<TPickList*>(widget());
}

int PickListAccessible::childCount() const {
    return list()->count();
}

QAccessibleInterface* PickListAccessible::child(int index) const {
    if (index < 0 || index >= list()->count()) return nullptr;
    while (static_cast<int>(entries_.size()) <= index)
        entries_.push_back(QAccessible::registerAccessibleInterface(
            new PickEntryAccessible(list(), static_cast<int>(entries_.size()))));
    return QAccessible::accessibleInterface(entries_[index]);
}

int PickListAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* entry = dynamic_cast<const PickEntryAccessible*>(child);
    return entry && entry->list() == list() && entry->isValid() ? entry->index() : -1;
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
