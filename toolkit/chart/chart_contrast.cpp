#include "toolkit/chart/chart_contrast.h"

#include <cmath>

namespace quarvo {
namespace {

// Closer than this, a bar's lighter faces melt into the ground: white and
// silver (a grey of 192) lie about 190 apart, white and yellow 360.
constexpr double kApart = 180;

// The weighted distance of two colours, red and blue weighted by how red
// they are, as the eye tells them apart.
double distance(const QColor& a, const QColor& b) {
    const double redMean = (a.red() + b.red()) / 2.0;
    const double r = a.red() - b.red(), g = a.green() - b.green(), bl = a.blue() - b.blue();
    return std::sqrt((2 + redMean / 256) * r * r + 4 * g * g +
                     (2 + (255 - redMean) / 256) * bl * bl);
}

QColor blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()), from.alpha());
}

}  // namespace

QColor standingOut(const QColor& colour, const QColor& ground) {
    if (!ground.isValid() || !colour.isValid()) return colour;
    const QColor toward = ground.lightness() >= 128 ? Qt::black : Qt::white;
    QColor tone = colour;
    for (double share = 0.05; share <= 1 && distance(tone, ground) < kApart; share += 0.05)
        tone = blend(colour, toward, share);
    return tone;
}

QPen earlierOutline(const QColor& colour) {
    return QPen(colour.darker(170), 1.5);
}

QColor earlierWash(const QColor& colour) {
    QColor wash = colour;
    wash.setAlpha(56);
    return wash;
}

}  // namespace quarvo
