#pragma once
// The parts of a control that a screen reader sees as objects of their own
// though they are no widgets: a cell of a grid, a bar of a chart, an entry
// of a list. A part reads its control each time it is asked, has no
// children, takes no text and lies in its control's window. Its control's
// interface keeps its parts in a PartCache, which hands each part out under
// one id for as long as the control's interface lives.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <functional>
#include <map>
#include <utility>

namespace quarvo {

class PartAccessible : public QAccessibleInterface {
public:
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    // Read-only, or invalid when the part is gone from its control.
    [[nodiscard]] QAccessible::State readOnlyState() const;
};

// The index-th part of a control, such as an entry of a list.
template <class Control>
class IndexedPart : public PartAccessible {
public:
    IndexedPart(Control* control, int index) : control_(control), index_(index) {}

    [[nodiscard]] const Control* control() const { return control_; }
    [[nodiscard]] int index() const { return index_; }
    QAccessibleInterface* parent() const override {
        return control_ ? QAccessible::queryAccessibleInterface(control_.data()) : nullptr;
    }

protected:
    QPointer<Control> control_;
    int index_;
};

class PartCache {
public:
    using Key = std::pair<int, int>;

    PartCache() = default;
    PartCache(const PartCache&) = delete;
    PartCache& operator=(const PartCache&) = delete;
    ~PartCache();

    // The part under key, made by make when it is first asked for.
    QAccessibleInterface* part(Key key, const std::function<QAccessibleInterface*()>& make);
    // Forgets the parts whose keys keep answers false.
    void dropUnless(const std::function<bool(Key key)>& keep);

private:
    std::map<Key, QAccessible::Id> ids_;
};

}  // namespace quarvo
