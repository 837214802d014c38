// Printing the statistics window's current page: what the page prints of
// its own (its chart through the chart's print preview, the Types listing
// page by page), or a picture of the whole window.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "forms/form_fonts.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/print_start.h"
#include "views/frm_statistics.h"

namespace quarvo {
namespace {

// How finely the window's picture is drawn for print, in dots per inch.
constexpr double kPictureDpi = 300;

}  // namespace

void TfrmStatistics::btPrintClick() {
    if (!pageAt(OvcNotebook1->pageIndex())->print()) printWindowPicture();
}

void TfrmStatistics::printWindowPicture() {
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs().printDialog(this, printer)) return;
    changeBackgroundColor(Qt::white);
    QPainter painter;
    if (startPrinting(painter, printer, this)) {
        // The window keeps its size on paper; its picture is drawn finely
        // enough for print, but no finer, which would only slow printing.
        const double sx = double(printer.logicalDpiX()) / logicalDpiX();
        const double sy = double(printer.logicalDpiY()) / logicalDpiY();
        const QImage picture = windowPicture(std::min(sx, kPictureDpi / logicalDpiX()));
        painter.drawImage(QRectF(0, 0, width() * sx, height() * sy), picture);
        painter.end();
    }
    changeBackgroundColor(palette().color(QPalette::Button));
}

QImage TfrmStatistics::windowPicture(double scale) {
    QImage picture(size() * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    render(&picture, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
    return picture;
}

}  // namespace quarvo
