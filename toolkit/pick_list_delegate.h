#pragma once
// Hands the drawing of each entry of a pick list back to the list, and gives
// every entry the list's fixed item height.

#include <QStyledItemDelegate>

namespace quarvo {

class TPickList;

class PickListDelegate : public QStyledItemDelegate {
public:
    explicit PickListDelegate(TPickList& list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TPickList& list_;
};

}  // namespace quarvo
