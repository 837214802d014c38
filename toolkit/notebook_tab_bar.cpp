#include "toolkit/notebook_tab_bar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

#include "toolkit/focus_frame.h"

namespace quarvo {

NotebookTabBar::NotebookTabBar(QWidget* parent) : QTabBar(parent) {
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(true);
    connect(this, &QTabBar::currentChanged, this, &NotebookTabBar::recolourCaptions);
}

void NotebookTabBar::setTabSize(QSize size) {
    tabSize_ = size;
    updateGeometry();
    update();
}

void NotebookTabBar::setActiveCaptionColor(const QColor& color) {
    activeColor_ = color;
    recolourCaptions();
}

QSize NotebookTabBar::tabSizeHint(int) const {
    return tabSize_;
}

QSize NotebookTabBar::minimumTabSizeHint(int) const {
    return tabSize_;
}

void NotebookTabBar::tabInserted(int index) {
    QTabBar::tabInserted(index);
    recolourCaptions();
}

void NotebookTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        if (i == currentIndex()) continue;  // drawn last, over its neighbours
        paintTab(painter, i);
    }
    if (currentIndex() >= 0) paintTab(painter, currentIndex());
}

void NotebookTabBar::paintTab(QStylePainter& painter, int index) const {
    QStyleOptionTab option;
    initStyleOption(&option, index);
    painter.drawControl(QStyle::CE_TabBarTabShape, option);
    const QColor own = tabTextColor(index);
    painter.setPen(!isTabEnabled(index) ? palette().color(QPalette::Disabled, QPalette::WindowText)
                   : own.isValid()      ? own
                                        : palette().color(QPalette::WindowText));
    painter.drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, tabText(index));
    if (hasFocus() && index == currentIndex()) paintFocusFrame(painter, option.rect, palette());
}

void NotebookTabBar::recolourCaptions() {
    // An invalid colour gives the tab back the palette's own text colour.
    for (int i = 0; i < count(); ++i)
        setTabTextColor(i, i == currentIndex() ? activeColor_ : QColor());
}

}  // namespace quarvo
