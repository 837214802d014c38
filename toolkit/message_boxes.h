#pragma once
// The program's message boxes, all through the dialog seam: an error box that
// sounds the system's warning first, an information box, and a confirmation
// that offers Yes, No and Cancel.

#include <QString>

#include "toolkit/dialog_seam.h"

class QWidget;

namespace quarvo {

// Sounds the warning, then shows a modal box captioned "Error" with one OK.
void showError(const QString& text, QWidget* parent = nullptr);
// A modal box captioned "Information" with one OK.
void showInfo(const QString& text, QWidget* parent = nullptr);
// Asks a question with Yes, No and Cancel; closing the box answers Cancel.
[[nodiscard]] MessageAnswer confirm(const QString& caption, const QString& text,
                                    QWidget* parent = nullptr);

}  // namespace quarvo
