#pragma once
// What the statistics window asks of each of its notebook pages: to fill
// itself from the tallies of the last run, to print what it shows, and to
// take a plain background for a printed picture of the window. Each page
// owns its controls and is given what it reads at construction.

#include <QWidget>

class QColor;

namespace quarvo {

class Chart;

class StatisticsPage : public QWidget {
public:
    explicit StatisticsPage(QWidget* parent = nullptr);

    // Fills the page from the tallies of the last run. The Space page,
    // which shows the drives as they are now, has nothing to fill.
    virtual void rebuild() {}
    // Prints what the page shows of its own, such as its chart; false when
    // it has nothing of its own, and the window prints a picture of itself.
    virtual bool print();
    // Gives the page's charts, lists and grids colour as their background,
    // so that a printed picture of the window can have a white ground.
    virtual void recolour(const QColor& colour);

protected:
    // The chart that the page prints while it shows it; none by default.
    [[nodiscard]] virtual Chart* printedChart() const { return nullptr; }
    // recolour, leaving keep as it is.
    void recolourAllBut(const QColor& colour, const QWidget* keep);
};

}  // namespace quarvo
