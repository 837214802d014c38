#include "toolkit/lists/tab_list_box.h"

#include <QPainter>

#include "toolkit/focus_frame.h"
#include "toolkit/lists/list_entry_delegate.h"
#include "toolkit/lists/standard_entry.h"
#include "toolkit/lists/tabbed_text.h"

namespace quarvo {
namespace {

TabLayout defaultTabs(const QFont& font) {
    return {{}, 0, 8 * QFontMetrics(font).averageCharWidth()};
}

}  // namespace

TTabListBox::TTabListBox(QWidget* parent) : QListWidget(parent) {
    drawEntriesWith(this);
}

void TTabListBox::setItemHeight(int height) {
    itemHeight_ = height;
    doItemsLayout();
}

std::vector<int> TTabListBox::fieldStarts(int index) const {
    const QRect rect = visualItemRect(item(index));
    return tabbedFieldStarts(QFontMetrics(font()), rect.left() + 2, item(index)->text(),
                             defaultTabs(font()));
}

void TTabListBox::paintEntry(QPainter& painter, const QRect& rect, int index,
                             QStyle::State state) const {
    painter.save();
    const TabLayout tabs = defaultTabs(font());
    paintStandardEntry(painter, rect, item(index)->text(), state.testFlag(QStyle::State_Selected),
                       palette(), &tabs);
    if (state.testFlag(QStyle::State_HasFocus)) paintFocusFrame(painter, rect, palette());
    painter.restore();
}

}  // namespace quarvo
