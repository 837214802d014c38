// How TPickList draws its entries in each selected style.
#include <QGuiApplication>
#include <QPainter>

#include "toolkit/focus_frame.h"
#include "toolkit/lists/pick_list.h"
#include "toolkit/lists/standard_entry.h"

namespace quarvo {
namespace {

void paintOutline(QPainter& painter, const QRect& box, const QColor& colour) {
    painter.fillRect(box.left(), box.top(), box.width(), 1, colour);
    painter.fillRect(box.left(), box.bottom(), box.width(), 1, colour);
    painter.fillRect(box.left(), box.top(), 1, box.height(), colour);
    painter.fillRect(box.right(), box.top(), 1, box.height(), colour);
}

// The tick is a run of short vertical strokes, three pixels each: down to
// the right for the first third of the entry's height, then up to the right.
void paintTick(QPainter& painter, const QRect& entry, const QColor& colour) {
    const int h = entry.height() % 2 == 0 ? entry.height() - 1 : entry.height();
    const auto stroke = [&](int x, int y) {
        painter.fillRect(entry.left() + x + 1, entry.top() + y, 1, 3, colour);
    };
    int y = h / 2 + 1;
    for (int x = 2; x <= h / 3; ++x) stroke(x, y++);
    y -= 2;
    for (int x = h / 3 + 1; x <= h - 3; ++x) stroke(x, y--);
}

}  // namespace

void TPickList::paintEntry(QPainter& painter, const QRect& rect, int index,
                           QStyle::State state) const {
    const bool isSelected = state.testFlag(QStyle::State_Selected);
    painter.save();
    painter.setClipRect(rect);
    switch (style_) {
        case TSelectedStyle::psCheckbox:
            paintCheckboxEntry(painter, rect, index, isSelected);
            break;
        case TSelectedStyle::psBoldText:
            paintBoldEntry(painter, rect, index, isSelected);
            break;
        case TSelectedStyle::psOwnerDraw:
            if (drawItem_) {
                drawItem_(painter, rect, index, isSelected);
                break;
            }
            [[fallthrough]];
        case TSelectedStyle::psStandard:
            paintStandardEntry(painter, rect, index, isSelected);
            break;
    }
    if (state.testFlag(QStyle::State_HasFocus)) paintFocus(painter, rect);
    painter.restore();
}

void TPickList::paintCheckboxEntry(QPainter& painter, const QRect& rect, int index,
                                   bool selected) const {
    // A selected entry is shown by its tick alone, never highlighted.
    painter.fillRect(rect, color());
    const QRect box = checkBoxRect(rect);
    painter.fillRect(box, QGuiApplication::palette().color(QPalette::Base));
    paintOutline(painter, box, fontColor());
    if (selected) paintTick(painter, rect, fontColor());
    painter.setPen(fontColor());
    paintEntryText(painter, rect, index);
}

void TPickList::paintBoldEntry(QPainter& painter, const QRect& rect, int index,
                               bool selected) const {
    painter.fillRect(rect, color());
    QFont bold = font();
    bold.setBold(selected);
    painter.setFont(bold);
    painter.setPen(fontColor());
    paintEntryText(painter, rect, index);
}

void TPickList::paintStandardEntry(QPainter& painter, const QRect& rect, int index,
                                   bool selected) const {
    const TabLayout tabs = tabLayout();
    quarvo::paintStandardEntry(painter, rect, text(index), selected, palette(),
                               useTabStops_ ? &tabs : nullptr);
}

void TPickList::paintEntryText(QPainter& painter, const QRect& rect, int index) const {
    const QPoint at = textOrigin(rect);
    if (useTabStops_)
        drawTabbedText(painter, at.x(), at.y(), text(index), tabLayout());
    else
        drawPlainText(painter, at.x(), at.y(), text(index));
}

// Round the text, clear of the check box.
void TPickList::paintFocus(QPainter& painter, const QRect& rect) const {
    QRect frame = rect;
    if (style_ == TSelectedStyle::psCheckbox) frame.setLeft(textOrigin(rect).x() - 3);
    paintFocusFrame(painter, frame, palette());
}

}  // namespace quarvo
