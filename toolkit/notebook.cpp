#include "toolkit/notebook.h"

#include <QApplication>
#include <QKeyEvent>

#include "toolkit/notebook_tab_bar.h"

namespace quarvo {

Notebook::Notebook(QWidget* parent) : QTabWidget(parent), bar_(new NotebookTabBar(this)) {
    setTabBar(bar_);
    connect(this, &QTabWidget::currentChanged, this, &Notebook::pageChanged);
    // The keys that turn pages reach the notebook before the control on the
    // page that has the focus.
    qApp->installEventFilter(this);
}

namespace {

// +1 or -1 for the keys that turn pages, 0 for any other.
int pageStep(const QKeyEvent& key) {
    if (!(key.modifiers() & Qt::ControlModifier) || (key.modifiers() & Qt::AltModifier)) return 0;
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    switch (key.key()) {
        case Qt::Key_Tab:
            return shift ? -1 : 1;
        case Qt::Key_Backtab:
            return -1;
        case Qt::Key_PageDown:
            return shift ? 0 : 1;
        case Qt::Key_PageUp:
            return shift ? 0 : -1;
        default:
            return 0;
    }
}

}  // namespace

bool Notebook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != this && !isAncestorOf(widget)) return false;
    const int step = pageStep(static_cast<QKeyEvent&>(*event));
    if (step == 0) return false;
    stepPage(step);
    return true;
}

void Notebook::stepPage(int direction) {
    const int n = count();
    for (int i = 1; i < n; ++i) {
        const int candidate = ((currentIndex() + direction * i) % n + n) % n;
        if (isTabEnabled(candidate)) {
            setCurrentIndex(candidate);
            return;
        }
    }
}

// A page has the window's colour, as the panels and charts on it have,
// rather than the shade the style gives the notebook's frame.
int Notebook::addPage(QWidget* page, const QString& caption) {
    page->setAutoFillBackground(true);
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
