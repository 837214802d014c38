#include "toolkit/pick_list_delegate.h"

#include "toolkit/pick_list.h"

namespace quarvo {

PickListDelegate::PickListDelegate(TPickList& list) : QStyledItemDelegate(&list), list_(list) {
}

void PickListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    list_.paintEntry(*painter, option.rect, index.row(), option.state);
}

QSize PickListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), list_.itemHeight()};
}

}  // namespace quarvo
