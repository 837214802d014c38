// The pages of a chart's points and how the user turns them: the pager
// along the bottom edge and the page keys.
#include <QKeyEvent>
#include <QResizeEvent>
#include <algorithm>

#include "toolkit/chart/chart.h"

namespace quarvo {

void Chart::setPointsPerPage(int count) {
    pointsPerPage_ = std::max(0, count);
    page_ = 1;
    invalidate();
}

int Chart::pageCount() const {
    int count = 0;
    for (const auto& one : series_)
        if (one->isVisible() && one->kind() != ChartSeries::Kind::Pie)
            count = std::max(count, one->count());
    return pointsPerPage_ > 0 ? std::max(1, (count + pointsPerPage_ - 1) / pointsPerPage_) : 1;
}

void Chart::setPage(int page) {
    const int clamped = std::clamp(page, 1, pageCount());
    if (clamped == page_) return;
    page_ = clamped;
    invalidate();
    emit pageChanged(page_);
}

void Chart::updatePager() {
    const int pages = pageCount();
    page_ = std::min(page_, pages);
    {
        const QSignalBlocker quiet(pager_);
        pager_->setRange(1, pages);
        pager_->setPageStep(1);
        pager_->setValue(page_);
    }
    const int high = pager_->sizeHint().height();
    pager_->setGeometry(pagerLeft_, height() - high,
                        std::max(0, width() - pagerLeft_ - pagerRight_), high);
    pager_->setVisible(pages > 1);
    setFocusPolicy(pages > 1 ? Qt::StrongFocus : Qt::NoFocus);
}

void Chart::setPagerInsets(int left, int right) {
    pagerLeft_ = std::max(0, left);
    pagerRight_ = std::max(0, right);
    updatePager();
}

QSize Chart::drawingSize() const {
    if (pager_->isHidden()) return size();
    return QSize(width(), std::max(0, height() - pager_->height()));
}

// A chart with pages takes the focus; its frame shows where the page keys go.
void Chart::focusInEvent(QFocusEvent*) {
    update();
}

void Chart::focusOutEvent(QFocusEvent*) {
    update();
}

void Chart::keyPressEvent(QKeyEvent* event) {
    if (pageCount() <= 1 || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_PageDown:
            setPage(page_ + 1);
            break;
        case Qt::Key_PageUp:
            setPage(page_ - 1);
            break;
        case Qt::Key_Home:
            setPage(1);
            break;
        case Qt::Key_End:
            setPage(pageCount());
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
}

}  // namespace quarvo
