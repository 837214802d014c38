#pragma once
// The application's hints: shown everywhere, on an aqua background, after
// the mouse has rested for a second. The pause is a style hint in Qt, so a
// proxy of the platform's style answers it.

#include "toolkit/focus_frame_style.h"

namespace quarvo {

class HintStyle : public FocusFrameStyle {
    Q_OBJECT

public:
    static constexpr int hintPauseMs = 1000;

    explicit HintStyle(const QString& baseStyle);

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    // Installs the style once and the hint colours every time; safe to call
    // again.
    static void applyToApplication();
};

}  // namespace quarvo
