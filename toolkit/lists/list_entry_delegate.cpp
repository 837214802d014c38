#include "toolkit/lists/list_entry_delegate.h"

namespace quarvo {

ListEntryDelegate::ListEntryDelegate(QObject* parent, PaintEntry paint, ItemHeight height)
    : QStyledItemDelegate(parent), paint_(std::move(paint)), height_(std::move(height)) {
}

void ListEntryDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    paint_(*painter, option.rect, index.row(), option.state);
}

QSize ListEntryDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), height_()};
}

}  // namespace quarvo
