#pragma once
// A proxy of the platform's style that draws the toolkit's clear focus
// frame (see focus_frame.h) wherever the style would draw its own, often
// faint one: round the caption of a radio button or check box, and inside a
// push button that has the focus.

#include <QProxyStyle>

namespace quarvo {

class FocusFrameStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit FocusFrameStyle(const QString& baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace quarvo
