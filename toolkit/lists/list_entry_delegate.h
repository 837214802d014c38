#pragma once
// Lets a list widget draw its own entries: every entry is painted by the
// list's function and has the list's fixed item height.

#include <QListView>
#include <QStyle>
#include <QStyledItemDelegate>
#include <functional>

namespace quarvo {

class ListEntryDelegate : public QStyledItemDelegate {
public:
    using PaintEntry =
        std::function<void(QPainter&, const QRect& rect, int index, QStyle::State state)>;
    using ItemHeight = std::function<int()>;

    ListEntryDelegate(QObject* parent, PaintEntry paint, ItemHeight height);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    PaintEntry paint_;
    ItemHeight height_;
};

// Lets a list draw every entry with its own paintEntry, at its own
// itemHeight(), all entries alike high.
template <class List>
void drawEntriesWith(List* list) {
    list->setItemDelegate(new ListEntryDelegate(
        list,
        [list](QPainter& painter, const QRect& rect, int index, QStyle::State state) {
            list->paintEntry(painter, rect, index, state);
        },
        [list] { return list->itemHeight(); }));
    list->setUniformItemSizes(true);
}

}  // namespace quarvo
