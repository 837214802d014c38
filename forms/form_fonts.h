#pragma once
// The fonts of the forms, sized by the height of their characters in pixels
// so that the fixed layouts hold on every screen.

#include <QFont>

namespace quarvo {

[[nodiscard]] inline QFont formFont(const char* family, int pixelHeight, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

}  // namespace quarvo
