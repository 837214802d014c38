#pragma once
// Widget tests need one application object; the first test that asks
// makes it, and it lives as long as the test program.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "toolkit/chart/chart.h"

namespace quarvo::testing {

inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "test_toolkit";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

// A base for fixtures whose members are widgets: bases are made first.
struct WithApplication {
    WithApplication() { ensureApplication(); }
};

// The chart's drawing (without its pager) on white, as the screen shows it.
inline QImage renderChart(Chart& chart) {
    QImage image(chart.currentLayout().chartRect.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    chart.paint(painter, QRectF(image.rect()));
    return image;
}

}  // namespace quarvo::testing
