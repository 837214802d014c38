#include "toolkit/grid/text_widths.h"

namespace quarvo {

TextWidths::TextWidths(const QFont& font) : font_(font), metrics_(font) {
}

void TextWidths::useFont(const QFont& font) {
    if (font == font_) return;
    *this = TextWidths(font);
}

double TextWidths::width(const QString& text) {
    if (const auto known = known_.find(text); known != known_.end()) {
        known->second.pass = pass_;
        return known->second.width;
    }
    const double width = metrics_.horizontalAdvance(text);
    known_.emplace(text, Known{width, pass_});
    return width;
}

QString TextWidths::shown(const QString& text, int width, bool shortenable) {
    if (!shortenable || this->width(text) <= width) return text;
    return metrics_.elidedText(text, Qt::ElideRight, width);
}

void TextWidths::newPass() {
    std::erase_if(known_, [this](const auto& entry) { return entry.second.pass != pass_; });
    ++pass_;
}

}  // namespace quarvo
