#pragma once
// Fonts asked for by their character height in pixels, so that the windows
// keep their proportions whatever the system's font size.

#include <QFont>
#include <QString>

namespace quarvo {

[[nodiscard]] inline QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace quarvo
