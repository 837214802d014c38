#pragma once
// A tabbed notebook: pages addressed by index, each with a tab caption, in one
// row of tabs of a fixed size. Pages can be disabled by index (their tab can
// then not be chosen), and pageChanged reports the newly chosen page.
// Ctrl+Tab and Ctrl+PageDown go to the next enabled page, Ctrl+Shift+Tab and
// Ctrl+PageUp to the previous one, wrapping round at the ends, wherever in
// the notebook the focus is (a grid on a page does not keep the keys).

#include <QTabWidget>

namespace quarvo {

class NotebookTabBar;

class Notebook : public QTabWidget {
    Q_OBJECT
public:
    explicit Notebook(QWidget* parent = nullptr);

    // Appends a page (the notebook takes ownership); returns its index.
    int addPage(QWidget* page, const QString& caption);
    int pageCount() const { return count(); }
    QWidget* page(int index) const { return widget(index); }
    QString caption(int index) const { return tabText(index); }

    int pageIndex() const { return currentIndex(); }
    void setPageIndex(int index) { setCurrentIndex(index); }

    void setPageEnabled(int index, bool enabled) { setTabEnabled(index, enabled); }
    bool isPageEnabled(int index) const { return isTabEnabled(index); }

    void setTabSize(QSize size);
    QSize tabSize() const;
    void setActiveCaptionColor(const QColor& color);
    QColor activeCaptionColor() const;
    // The caption colour the tab of a page shows now.
    QColor captionColor(int index) const;

    // Goes to the next (+1) or previous (-1) enabled page, wrapping round.
    void stepPage(int direction);

signals:
    void pageChanged(int newIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    NotebookTabBar* bar_ = nullptr;
};

}  // namespace quarvo
