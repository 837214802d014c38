// The program's icon at the sizes a desktop shows it: menu, task bar,
// title bar.
#include <QPainter>
#include <QPixmap>

#include "app/program_icon.h"
#include "tests/gallery/gallery.h"

namespace quarvo::gallery {
namespace {

const GalleryPage iconPage("program-icon", [](const QString& folder) {
    const QIcon icon = programIcon();
    QPixmap sheet(256 + 64 + 48 + 16 + 40, 256);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int x = 0;
    for (const int size : {256, 64, 48, 16}) {
        painter.drawPixmap(x, 0, icon.pixmap(size, size));
        x += size + 10;
    }
    painter.end();
    sheet.save(folder + QStringLiteral("/program-icon.png"));
});

}  // namespace
}  // namespace quarvo::gallery
