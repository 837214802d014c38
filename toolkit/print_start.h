#pragma once
// Starting to paint on a printer the user has chosen. Where nothing can be
// printed (no printer can be opened, a PDF file that cannot be written), the
// user is told so in an error box instead of the print vanishing silently.

#include <QPainter>

class QPrinter;
class QWidget;

namespace quarvo {

// Begins painter on printer; false, after the error box, when it cannot.
[[nodiscard]] bool startPrinting(QPainter& painter, QPrinter& printer, QWidget* parent);

}  // namespace quarvo
