#pragma once
// A push button with a small picture in front of its caption.

#include <QPushButton>

#include "toolkit/glyph.h"

namespace quarvo {

class GlyphButton : public QPushButton {
    Q_OBJECT
public:
    GlyphButton(Glyph glyph, const QString& text, QWidget* parent = nullptr);

    Glyph glyph() const { return glyph_; }
    void setGlyph(Glyph glyph);

private:
    Glyph glyph_ = Glyph::None;
};

}  // namespace quarvo
