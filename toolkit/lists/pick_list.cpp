#include "toolkit/lists/pick_list.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "toolkit/lists/list_entry_delegate.h"
#include "toolkit/lists/pick_list_accessible.h"

namespace quarvo {

TPickList::TPickList(QWidget* parent) : QListWidget(parent) {
    drawEntriesWith(this);
    applySelectionMode();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& picked, const QItemSelection& dropped) {
                announcePicks(this, picked, dropped);
            });
}

void TPickList::setUseTabStops(bool use) {
    if (use == useTabStops_) return;
    useTabStops_ = use;
    viewport()->update();
}

void TPickList::setSelectedStyle(TSelectedStyle style) {
    if (style == style_) return;
    style_ = style;
    viewport()->update();
}

void TPickList::setTabStops(const QString& text) {
    tabStops_.parse(text);
    viewport()->update();
}

void TPickList::setItemHeight(int height) {
    itemHeight_ = height;
    doItemsLayout();
}

void TPickList::setMultiSelect(bool multi) {
    multiSelect_ = multi;
    applySelectionMode();
}

void TPickList::setExtendedSelect(bool extended) {
    extendedSelect_ = extended;
    applySelectionMode();
}

void TPickList::applySelectionMode() {
    if (!multiSelect_)
        setSelectionMode(SingleSelection);
    else
        setSelectionMode(extendedSelect_ ? ExtendedSelection : MultiSelection);
}

void TPickList::setSorted(bool sorted) {
    sorted_ = sorted;
    if (sorted_) resort();
}

QColor TPickList::color() const {
    return palette().color(QPalette::Base);
}

void TPickList::setColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

QColor TPickList::fontColor() const {
    return palette().color(QPalette::Text);
}

void TPickList::setFontColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

}  // namespace quarvo

namespace quarvo {

int TPickList::add(const QString& text) {
    int at = count();
    if (sorted_) {
        // After the last entry that does not sort behind the new one, so that
        // equal entries keep the order in which they came; a binary search,
        // so that a long saved list fills the list quickly.
        int first = 0;
        while (first < at) {
            const int middle = first + (at - first) / 2;
            if (QString::compare(this->text(middle), text, Qt::CaseInsensitive) <= 0)
                first = middle + 1;
            else
                at = middle;
        }
    }
    insertItem(at, text);
    return at;
}

QString TPickList::text(int index) const {
    return item(index)->text();
}

bool TPickList::selected(int index) const {
    return item(index)->isSelected();
}

void TPickList::setSelected(int index, bool selected) {
    item(index)->setSelected(selected);
}

void TPickList::resort() {
    std::vector<std::pair<QString, bool>> entries;
    for (int i = 0; i < count(); ++i) entries.emplace_back(text(i), selected(i));
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return QString::compare(a.first, b.first, Qt::CaseInsensitive) < 0;
    });
    clear();
    for (const auto& [entry, isSelected] : entries) setSelected(add(entry), isSelected);
}

void TPickList::doChange() {
    lastChangeIndex_ = itemIndex();
    emit changed();
}

void TPickList::click() {
    emit entryClicked();
    if (itemIndex() != lastChangeIndex_) doChange();
}

void TPickList::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        click();
}

void TPickList::mouseMoveEvent(QMouseEvent* event) {
    // Without extended selection a click toggles the one entry under it;
    // dragging on over other entries must not toggle them too.
    if (selectionMode() == MultiSelection && event->buttons() != Qt::NoButton) return;
    QListWidget::mouseMoveEvent(event);
}

void TPickList::keyPressEvent(QKeyEvent* event) {
    const int before = itemIndex();
    QListWidget::keyPressEvent(event);
    const bool toggled = event->key() == Qt::Key_Space && itemIndex() >= 0;
    if (toggled || itemIndex() != before) click();
}

// A list reached by the keyboard shows at once which entry Space would
// pick, instead of waiting for the first arrow key.
void TPickList::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && itemIndex() < 0 && count() > 0)
        setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

TabLayout TPickList::tabLayout() const {
    const int average = QFontMetrics(font()).averageCharWidth();
    return {tabStops_.positions(average), 0, 8 * average};
}

QRect TPickList::entryRect(int index) const {
    return visualItemRect(item(index));
}

QRect TPickList::checkBoxRect(const QRect& entry) const {
    return {entry.left() + 2, entry.top() + 1, itemHeight_ - 2, itemHeight_ - 2};
}

QPoint TPickList::textOrigin(const QRect& entry) const {
    const int indent = style_ == TSelectedStyle::psCheckbox ? itemHeight_ + 4 : 2;
    return {entry.left() + indent, entry.top()};
}

}  // namespace quarvo
