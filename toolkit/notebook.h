#pragma once
// A tabbed notebook: pages addressed by index, each with a tab caption, in one
// row of tabs of a fixed size. Pages can be disabled by index (their tab can
// then not be chosen), and pageChanged reports the newly chosen page.

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

signals:
    void pageChanged(int newIndex);

private:
    NotebookTabBar* bar_ = nullptr;
};

}  // namespace quarvo
