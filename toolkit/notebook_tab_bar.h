#pragma once
// The notebook's row of tabs: every tab the same fixed size, in one row that
// never scrolls or elides, and the current tab's caption in its own colour.

#include <QColor>
#include <QSize>
#include <QTabBar>

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

private:
    void recolourCaptions();

    QSize tabSize_{63, 18};
    QColor activeColor_{Qt::red};
};

}  // namespace quarvo
