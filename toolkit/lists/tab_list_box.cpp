#include "toolkit/lists/tab_list_box.h"

#include <QPainter>

#include "toolkit/focus_frame.h"
#include "toolkit/lists/list_entry_delegate.h"
#include "toolkit/lists/standard_entry.h"

namespace quarvo {

TTabListBox::TTabListBox(QWidget* parent) : QListWidget(parent) {
    drawEntriesWith(this);
}

void TTabListBox::setItemHeight(int height) {
    itemHeight_ = height;
    doItemsLayout();
}

int TTabListBox::tabWidth() const {
    return tabWidth_ > 0 ? tabWidth_ : 8 * QFontMetrics(font()).averageCharWidth();
}

void TTabListBox::setTabWidth(int pixels) {
    tabWidth_ = pixels;
    viewport()->update();
}

TabLayout TTabListBox::tabLayout() const {
    return {{}, 0, tabWidth()};
}

std::vector<int> TTabListBox::fieldStarts(int index) const {
    const QRect rect = visualItemRect(item(index));
    return tabbedFieldStarts(QFontMetrics(font()), rect.left() + 2, item(index)->text(),
                             tabLayout());
}

void TTabListBox::paintEntry(QPainter& painter, const QRect& rect, int index,
                             QStyle::State state) const {
    painter.save();
    const TabLayout tabs = tabLayout();
    paintStandardEntry(painter, rect, item(index)->text(), state.testFlag(QStyle::State_Selected),
                       palette(), &tabs);
    if (state.testFlag(QStyle::State_HasFocus)) paintFocusFrame(painter, rect, palette());
    painter.restore();
}

}  // namespace quarvo
