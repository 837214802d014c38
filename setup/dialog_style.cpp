#include "setup/dialog_style.h"

#include <QDialog>
#include <QScreen>

#include "forms/form_fonts.h"
#include "toolkit/effect_label.h"

namespace quarvo {

void setUpDialogFrame(QDialog& dialog, const QString& caption, QSize client) {
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(client);
    dialog.setFont(formFont("MS Sans Serif", 11));
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

EffectLabel* makeHeading(const QString& text, QWidget* parent) {
    auto* heading = new EffectLabel(text, parent);
    heading->setFont(formFont("Times New Roman", 23));
    heading->setTextColor(Qt::blue);
    heading->setShadow(QColor(128, 128, 0), 4, ShadowDirection::DownRight, true);
    return heading;
}

}  // namespace quarvo
