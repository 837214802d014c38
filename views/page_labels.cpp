#include "views/page_labels.h"

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
    return label;
}

}  // namespace quarvo
