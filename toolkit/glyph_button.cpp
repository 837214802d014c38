#include "toolkit/glyph_button.h"

namespace quarvo {

GlyphButton::GlyphButton(Glyph glyph, const QString& text, QWidget* parent)
    : QPushButton(text, parent) {
    setIconSize(QSize(16, 16));
    setGlyph(glyph);
}

void GlyphButton::setGlyph(Glyph glyph) {
    glyph_ = glyph;
    setIcon(glyphIcon(glyph));
}

}  // namespace quarvo
