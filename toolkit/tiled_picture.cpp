#include "toolkit/tiled_picture.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <cmath>
#include <numbers>
#include <vector>

namespace quarvo {

// It paints every pixel it covers, so what lies under it needs no painting.
TiledPicture::TiledPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledPicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

// The waves' periods divide the size, so they meet themselves at the edges
// and each is read from one table of the sine over the size.
QPixmap TiledPicture::lightPattern(int size) {
    std::vector<double> sine(size);
    for (int i = 0; i < size; ++i) sine[i] = std::sin(2 * std::numbers::pi * i / size);
    const auto wave = [&](int step) { return sine[(step % size + size) % size]; };
    QImage image(size, size, QImage::Format_RGB32);
    QRandomGenerator grain(150);  // the same pattern every time
    for (int y = 0; y < size; ++y) {
        auto* const line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const double waves =
                4 * wave(2 * x + y) + 3 * wave(3 * y - x) + 2 * wave(5 * x + 4 * y);
            const int v = 214 + static_cast<int>(waves) + grain.bounded(-5, 6);
            line[x] = qRgb(v, v, v + 2);
        }
    }
    return QPixmap::fromImage(image);
}

void TiledPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), palette().color(QPalette::Window));
    else
        painter.drawTiledPixmap(rect(), picture_);
}

}  // namespace quarvo
