#include "toolkit/tiled_picture.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <cmath>
#include <numbers>

namespace quarvo {

// It paints every pixel it covers, so what lies under it needs no painting.
TiledPicture::TiledPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledPicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QPixmap TiledPicture::lightPattern(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    QRandomGenerator grain(150);  // the same pattern every time
    const double turn = 2 * std::numbers::pi / size;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Waves whose periods divide the size meet themselves at the edges.
            const double wave = 4 * std::sin(turn * (2 * x + y)) +
                                3 * std::sin(turn * (3 * y - x)) +
                                2 * std::sin(turn * (5 * x + 4 * y));
            const int v = 214 + static_cast<int>(wave) + grain.bounded(-5, 6);
            image.setPixel(x, y, qRgb(v, v, v + 2));
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
