#include "toolkit/message_boxes.h"

namespace quarvo {

void showError(const QString& text, QWidget* parent) {
    dialogs().beep();
    dialogs().message(parent, MessageKind::Error, QStringLiteral("Error"), text);
}

void showInfo(const QString& text, QWidget* parent) {
    dialogs().message(parent, MessageKind::Information, QStringLiteral("Information"), text);
}

MessageAnswer confirm(const QString& caption, const QString& text, QWidget* parent) {
    return dialogs().message(parent, MessageKind::Confirmation, caption, text);
}

}  // namespace quarvo
