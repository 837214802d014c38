#include "toolkit/focus_frame_style.h"

#include <QStyleOption>

#include "toolkit/focus_frame.h"

namespace quarvo {

FocusFrameStyle::FocusFrameStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {
}

void FocusFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameFocusRect)
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Caption rectangles are tight round the letters; the frame lies
    // outside them.
    paintFocusFrame(*painter, option->rect.adjusted(-2, -2, 2, 2), option->palette);
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && option->state.testFlag(State_HasFocus))
        paintFocusFrame(*painter, option->rect.adjusted(3, 3, -3, -3), option->palette);
}

}  // namespace quarvo
