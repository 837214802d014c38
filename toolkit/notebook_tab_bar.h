#pragma once
// The notebook's row of tabs: every tab the same fixed size, in one row that
// never scrolls or elides, and the current tab's caption in its own colour.
// Captions are centred over the whole tab, so that a long one in a narrow
// tab is not cut short by the style's padding.

#include <QColor>
#include <QSize>
#include <QTabBar>

class QStylePainter;

namespace quarvo {

class NotebookTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit NotebookTabBar(QWidget* parent = nullptr);

    void setTabSize(QSize size);
    QSize tabSize() const { return tabSize_; }
    void setActiveCaptionColor(const QColor& color);
    QColor activeCaptionColor() const { return activeColor_; }

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void recolourCaptions();
    void paintTab(QStylePainter& painter, int index) const;

    QSize tabSize_{63, 18};
    QColor activeColor_{Qt::red};
};

}  // namespace quarvo
