#include "views/band_colors.h"

namespace quarvo {

const BandColors kDefaultBandColors{
    QColor(255, 0, 0), QColor(128, 0, 0),   QColor(0, 0, 255),     QColor(255, 255, 0),
    QColor(0, 128, 0), QColor(0, 255, 0),   QColor(255, 0, 255),   QColor(0, 128, 128),
    QColor(0, 0, 128), QColor(0, 255, 255), QColor(255, 255, 255), QColor(128, 128, 128)};

BandColors initAColors(bool useDefaults, const QColor& colour) {
    if (useDefaults) return kDefaultBandColors;
    BandColors colours;
    colours.fill(colour);
    return colours;
}

}  // namespace quarvo
