#pragma once
// A label whose text stands out from its background: a highlight edge on one
// side and a shadow of a given colour and depth on the other, in one of eight
// directions. An extruded shadow fills every step up to its depth, so the
// letters look like solid blocks. A clickable label shows the hand cursor.

#include <QColor>
#include <QWidget>

namespace quarvo {

enum class ShadowDirection { UpLeft, Up, UpRight, Right, DownRight, Down, DownLeft, Left };

class EffectLabel : public QWidget {
    Q_OBJECT
public:
    explicit EffectLabel(const QString& text = {}, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return alignment_; }
    void setWordWrap(bool wrap);
    void setTextColor(const QColor& color);
    QColor textColor() const { return textColor_; }
    // An invalid colour draws no highlight.
    void setHighlightColor(const QColor& color);
    void setShadow(const QColor& color, int depth, ShadowDirection direction, bool extruded);
    QColor shadowColor() const { return shadowColor_; }
    int shadowDepth() const { return shadowDepth_; }
    void setClickable(bool clickable);
    bool clickable() const { return clickable_; }

    // One step of the shadow, in pixels; the highlight lies one step back.
    [[nodiscard]] QPoint shadowStep() const;
    // The area the letters take, leaving room for shadow and highlight.
    [[nodiscard]] QRect textRect(const QRect& area) const;
    void paint(QPainter& painter, const QRect& area) const;

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int textFlags() const;

    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap_ = true;
    QColor textColor_{Qt::black};
    QColor highlightColor_{Qt::white};
    QColor shadowColor_{Qt::gray};
    int shadowDepth_ = 2;
    ShadowDirection direction_ = ShadowDirection::DownRight;
    bool extruded_ = false;
    bool clickable_ = false;
};

}  // namespace quarvo
