#include "toolkit/print_start.h"

#include <QPrinter>

#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

QString whyNothingPrinted(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        if (printer.outputFileName().isEmpty())
            return QStringLiteral(
                "Nothing was printed: no printer is available and no file was chosen.");
        return QStringLiteral("Nothing was printed: the file \"%1\" could not be written.")
            .arg(printer.outputFileName());
    }
    return QStringLiteral("Nothing was printed: the printer \"%1\" could not be opened.")
        .arg(printer.printerName());
}

}  // namespace

bool startPrinting(QPainter& painter, QPrinter& printer, QWidget* parent) {
    if (painter.begin(&printer)) return true;
    showError(whyNothingPrinted(printer), parent);
    return false;
}

}  // namespace quarvo
