#pragma once
// The widths of texts in one font, each text shaped once. A listing of a
// thousand rows asks for the width of every cell whenever its columns are
// fitted, and between two fittings most cells hold the same texts as before,
// often only in another order. Shaping is what costs; a lookup does not.

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <unordered_map>

namespace quarvo {

class TextWidths {
public:
    explicit TextWidths(const QFont& font = QFont());

    const QFont& font() const { return font_; }
    // Measures from now on in font; the widths known in another font are
    // forgotten.
    void useFont(const QFont& font);
    // The advance of text, as QFontMetricsF::horizontalAdvance gives it.
    [[nodiscard]] double width(const QString& text);
    // The text as a cell width pixels wide shows it: whole when it fits, or
    // when it may not be shortened; else cut with "…".
    [[nodiscard]] QString shown(const QString& text, int width, bool shortenable);
    // Starts a pass over every text in use. The widths not asked for since
    // the previous pass began are forgotten, so that texts long gone from the
    // listing are not kept.
    void newPass();

private:
    struct Known {
        double width;
        unsigned pass;  // the last pass that asked for it
    };
    // Qt's seeded string hash costs more than a lookup may; the texts of a
    // listing are not chosen to collide.
    struct Hash {
        std::size_t operator()(const QString& text) const noexcept { return qHash(text, 0); }
    };
    QFont font_;
    QFontMetricsF metrics_;
    std::unordered_map<QString, Known, Hash> known_;
    unsigned pass_ = 0;
};

}  // namespace quarvo
