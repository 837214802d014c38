#include "app/hint_style.h"

#include <QApplication>
#include <QToolTip>

#include "app/window_colors.h"

namespace quarvo {

HintStyle::HintStyle(const QString& baseStyle) : FocusFrameStyle(baseStyle) {
}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) return hintPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void HintStyle::applyToApplication() {
    if (qobject_cast<HintStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new HintStyle(QApplication::style()->name()));
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, colors::aqua);
    hints.setColor(QPalette::ToolTipText, colors::black);
    QToolTip::setPalette(hints);
}

}  // namespace quarvo
