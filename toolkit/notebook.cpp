#include "toolkit/notebook.h"

#include "toolkit/notebook_tab_bar.h"

namespace quarvo {

Notebook::Notebook(QWidget* parent) : QTabWidget(parent), bar_(new NotebookTabBar(this)) {
    setTabBar(bar_);
    connect(this, &QTabWidget::currentChanged, this, &Notebook::pageChanged);
}

int Notebook::addPage(QWidget* page, const QString& caption) {
    return addTab(page, caption);
}

void Notebook::setTabSize(QSize size) {
    bar_->setTabSize(size);
}

QSize Notebook::tabSize() const {
    return bar_->tabSize();
}

void Notebook::setActiveCaptionColor(const QColor& color) {
    bar_->setActiveCaptionColor(color);
}

QColor Notebook::activeCaptionColor() const {
    return bar_->activeCaptionColor();
}

QColor Notebook::captionColor(int index) const {
    const QColor own = bar_->tabTextColor(index);
    return own.isValid() ? own : bar_->palette().color(QPalette::WindowText);
}

}  // namespace quarvo
