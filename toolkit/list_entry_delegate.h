#pragma once
// Lets a list widget draw its own entries: every entry is painted by the
// list's function and has the list's fixed item height.

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

}  // namespace quarvo
