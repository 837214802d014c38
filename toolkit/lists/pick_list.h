#pragma once
// TPickList: a list box for picking several entries. Each entry is drawn with
// a check box that is ticked when the entry is selected (or in bold, or as the
// platform draws a list), with its tab-separated columns laid out at tab
// stops. With multiple selection on and extended selection off, each click on
// an entry (or the space bar on the focused one) toggles that entry alone.

#include <QListWidget>
#include <QStyle>
#include <functional>
#include <vector>

#include "toolkit/lists/tab_stop_list.h"
#include "toolkit/lists/tabbed_text.h"

namespace quarvo {

enum class TSelectedStyle { psStandard, psCheckbox, psBoldText, psOwnerDraw };

class TPickList : public QListWidget {
    Q_OBJECT
public:
    // Draws one entry in the psOwnerDraw style.
    using DrawItemHandler =
        std::function<void(QPainter&, const QRect& rect, int index, bool selected)>;

    explicit TPickList(QWidget* parent = nullptr);

    bool useTabStops() const { return useTabStops_; }
    void setUseTabStops(bool use);
    TSelectedStyle selectedStyle() const { return style_; }
    void setSelectedStyle(TSelectedStyle style);
    // Tab stops such as "16" or "12;30" in average character widths of the
    // font. Throws InvalidTabStop; the stops before the bad piece are kept.
    QString tabStops() const { return tabStops_.text(); }
    void setTabStops(const QString& text);
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);
    void setMultiSelect(bool multi);
    void setExtendedSelect(bool extended);
    bool multiSelect() const { return multiSelect_; }
    bool extendedSelect() const { return extendedSelect_; }
    // A sorted list puts each new entry in its place, ignoring case, after
    // its equals.
    void setSorted(bool sorted);
    bool sorted() const { return sorted_; }
    QColor color() const;
    void setColor(const QColor& color);
    QColor fontColor() const;
    void setFontColor(const QColor& color);
    void setDrawItemHandler(DrawItemHandler handler) { drawItem_ = std::move(handler); }

    // Entries by index, from 0. add returns where the entry went.
    int add(const QString& text);
    QString text(int index) const;
    bool selected(int index) const;
    void setSelected(int index, bool selected);
    // The entry with the focus; -1 when none.
    int itemIndex() const { return currentRow(); }
    // The item index at the last change notification.
    int lastChangeIndex() const { return lastChangeIndex_; }

    // Geometry, in viewport coordinates: tabs count from its left edge.
    [[nodiscard]] TabLayout tabLayout() const;
    [[nodiscard]] QRect entryRect(int index) const;
    [[nodiscard]] QRect checkBoxRect(const QRect& entry) const;
    [[nodiscard]] QPoint textOrigin(const QRect& entry) const;

    // Draws one entry; the list's delegate calls it for every visible entry.
    void paintEntry(QPainter& painter, const QRect& rect, int index, QStyle::State state) const;

signals:
    // A click or key on an entry; fired before changed.
    void entryClicked();
    // Fired after a click that changed the item index.
    void changed();

protected:
    virtual void doChange();
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void click();
    void applySelectionMode();
    void resort();
    void paintCheckboxEntry(QPainter& painter, const QRect& rect, int index, bool selected) const;
    void paintBoldEntry(QPainter& painter, const QRect& rect, int index, bool selected) const;
    void paintStandardEntry(QPainter& painter, const QRect& rect, int index, bool selected) const;
    void paintEntryText(QPainter& painter, const QRect& rect, int index) const;
    void paintFocus(QPainter& painter, const QRect& rect) const;

    bool useTabStops_ = true;
    TSelectedStyle style_ = TSelectedStyle::psCheckbox;
    TabStopList tabStops_;
    int lastChangeIndex_ = -1;
    int itemHeight_ = 16;
    bool multiSelect_ = true;
    bool extendedSelect_ = false;
    bool sorted_ = false;
    DrawItemHandler drawItem_;
};

}  // namespace quarvo
