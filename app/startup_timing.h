#pragma once
// Measures how long the program takes to put its main window on screen. With
// QUARVO_STARTUP_TIMING set in the environment, the time from the start of
// main to the window's first paint is written to the standard error, with the
// wall-clock time of that paint so that a launcher can measure from the
// process's own start.

#include <QElapsedTimer>
#include <QObject>

namespace quarvo {

class StartupTiming : public QObject {
    Q_OBJECT

public:
    StartupTiming();

    // Reports at the first paint of window.
    void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer sinceStart_;
    bool enabled_ = false;
};

}  // namespace quarvo
