#pragma once
// How a screen reader sees a pick list: a list of checkable entries, each
// checked while it is picked, named by its text with its columns apart.

#include <QAccessibleWidget>

#include "toolkit/part_accessible.h"

class QItemSelection;

namespace quarvo {

class TPickList;

class PickListAccessible : public QAccessibleWidget {
public:
    explicit PickListAccessible(TPickList* list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TPickList* list() const;

    mutable PartCache entries_;
};

// Entries were picked or let go: their checked state changed.
void announcePicks(TPickList* list, const QItemSelection& picked, const QItemSelection& dropped);

}  // namespace quarvo
