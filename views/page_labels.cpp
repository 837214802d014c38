#include "views/page_labels.h"

#include <algorithm>

namespace quarvo {

QLabel* fixedLabel(QWidget* parent, const QString& text, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->move(at);
    label->adjustSize();
    return label;
}

void labelRow(QWidget* parent, int top, std::initializer_list<LabelPlace> labels) {
    for (const LabelPlace& label : labels)
        fixedLabel(parent, QString::fromLatin1(label.text), {label.left, top});
}

QLabel* figureLabel(QWidget* parent, QPoint at, int width) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(at.x(), at.y(), width, label->fontMetrics().height() + 2);
    label->setMinimumWidth(width);
    return label;
}

void fitFigureColumn(std::initializer_list<QLabel*> column, QWidget& neighbour,
                     int neighbourWidth) {
    // Room between the neighbour and the widest figure.
    constexpr int kGap = 6;
    int widest = 0;
    for (const QLabel* label : column)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()) + 2);
    int right = 0;
    for (QLabel* label : column) {
        const QRect box = label->geometry();
        right = box.x() + box.width();
        const int wide = std::max(label->minimumWidth(), widest);
        label->setGeometry(right - wide, box.y(), wide, box.height());
    }
    const int room = right - widest - kGap - neighbour.x();
    neighbour.resize(std::min(neighbourWidth, room), neighbour.height());
}

}  // namespace quarvo
