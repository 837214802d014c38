#pragma once
// The look that the scan set-up dialogs share: a fixed client area with only
// a close box in the frame, centred on the screen, and the blue headings
// with an olive extruded shadow.

#include <QSize>
#include <QString>

class QDialog;
class QWidget;

namespace quarvo {

class EffectLabel;

// Caption, frame and font of a set-up dialog whose client area is client.
void setUpDialogFrame(QDialog& dialog, const QString& caption, QSize client);
// Moves a window to the middle of the screen it is on.
void centreOnScreen(QWidget& window);
// A heading in the dialogs' 3-D look.
[[nodiscard]] EffectLabel* makeHeading(const QString& text, QWidget* parent);

}  // namespace quarvo
