#pragma once
// TTabListBox: a plain list box that expands the tab characters of its
// entries, at a stop every eight average character widths of its font unless
// told another width.

#include <QListWidget>
#include <QStyle>
#include <vector>

#include "toolkit/lists/tabbed_text.h"

namespace quarvo {

class TTabListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TTabListBox(QWidget* parent = nullptr);

    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int height);
    // The distance between tab stops, in pixels; 0 gives back the default.
    [[nodiscard]] int tabWidth() const;
    void setTabWidth(int pixels);
    // Where the tab-separated fields of an entry begin, in viewport pixels.
    [[nodiscard]] std::vector<int> fieldStarts(int index) const;
    // Draws one entry; the list's delegate calls it for every visible entry.
    void paintEntry(QPainter& painter, const QRect& rect, int index, QStyle::State state) const;

private:
    [[nodiscard]] TabLayout tabLayout() const;

    int itemHeight_ = 13;
    int tabWidth_ = 0;
};

}  // namespace quarvo
