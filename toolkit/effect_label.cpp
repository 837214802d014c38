#include "toolkit/effect_label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quarvo {

EffectLabel::EffectLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
}

void EffectLabel::setText(const QString& text) {
    text_ = text;
    updateGeometry();
    update();
    // A label that changes while the user waits (a scan's progress) is read
    // out again.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void EffectLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void EffectLabel::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

void EffectLabel::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void EffectLabel::setHighlightColor(const QColor& color) {
    highlightColor_ = color;
    update();
}

void EffectLabel::setShadow(const QColor& color, int depth, ShadowDirection direction,
                            bool extruded) {
    shadowColor_ = color;
    shadowDepth_ = std::max(0, depth);
    direction_ = direction;
    extruded_ = extruded;
    update();
}

void EffectLabel::setClickable(bool clickable) {
    clickable_ = clickable;
    if (clickable)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

QPoint EffectLabel::shadowStep() const {
    switch (direction_) {
        case ShadowDirection::UpLeft:
            return {-1, -1};
        case ShadowDirection::Up:
            return {0, -1};
        case ShadowDirection::UpRight:
            return {1, -1};
        case ShadowDirection::Right:
            return {1, 0};
        case ShadowDirection::DownRight:
            return {1, 1};
        case ShadowDirection::Down:
            return {0, 1};
        case ShadowDirection::DownLeft:
            return {-1, 1};
        case ShadowDirection::Left:
            return {-1, 0};
    }
    return {1, 1};
}

QRect EffectLabel::textRect(const QRect& area) const {
    const QPoint step = shadowStep();
    // The shadow needs its depth on its own side, the highlight a pixel on
    // the other.
    const auto before = [this](int s) { return s < 0 ? shadowDepth_ : (s > 0 ? 1 : 0); };
    const auto after = [this](int s) { return s > 0 ? shadowDepth_ : (s < 0 ? 1 : 0); };
    return area.adjusted(before(step.x()), before(step.y()), -after(step.x()), -after(step.y()));
}

int EffectLabel::textFlags() const {
    return static_cast<int>(alignment_) | (wordWrap_ ? Qt::TextWordWrap : 0);
}

void EffectLabel::paint(QPainter& painter, const QRect& area) const {
    painter.save();
    painter.setFont(font());
    const QRect rect = textRect(area);
    const QPoint step = shadowStep();
    painter.setPen(shadowColor_);
    for (int i = shadowDepth_; i >= 1; --i) {
        if (!extruded_ && i != shadowDepth_) break;
        painter.drawText(rect.translated(step * i), textFlags(), text_);
    }
    if (highlightColor_.isValid()) {
        painter.setPen(highlightColor_);
        painter.drawText(rect.translated(-step), textFlags(), text_);
    }
    painter.setPen(textColor_);
    painter.drawText(rect, textFlags(), text_);
    painter.restore();
}

QSize EffectLabel::sizeHint() const {
    const QSize text = fontMetrics().size(0, text_);
    return text + QSize(shadowDepth_ + 1, shadowDepth_ + 1);
}

void EffectLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect());
}

void EffectLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace quarvo
