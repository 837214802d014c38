#pragma once
// The main window: the animated 3-D bar chart of used and free space per
// drive, with the buttons that open the statistics window, the about box and
// close the program. The first close request plays the closing animation
// instead of closing; the animation's end (or the user) asks again, and the
// second request closes the window and so ends the program.
// Controls are public fields and handlers plain public methods, so that tests
// drive the window without an event loop.

#include <QTimer>
#include <QWidget>

#include "forms/program_services.h"
#include "toolkit/chart/bar_series.h"
#include "toolkit/chart/chart.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"

namespace quarvo {

class TfrmStatistics;

class TfrmMain : public QWidget {
    Q_OBJECT

public:
    explicit TfrmMain(ProgramServices& services, QWidget* parent = nullptr);

    // The window whose drive list the chart shows; it must be set before the
    // main window is first shown.
    void setStatisticsWindow(TfrmStatistics* window) { statistics_ = window; }

    Chart* chartSpaceBar = nullptr;
    BarSeries* Series5 = nullptr;  // used space, the lower part of each bar
    BarSeries* Series4 = nullptr;  // free space, stacked on top
    EffectLabel* lblTitle = nullptr;
    EffectLabel* lblBottom = nullptr;
    GlyphButton* btStatistic = nullptr;
    GlyphButton* btReach = nullptr;
    GlyphButton* btClose = nullptr;
    QTimer* Timer1 = nullptr;  // the 3-D depth animation
    QTimer* Timer2 = nullptr;  // the zoom and rotation animation

    void FormCreate();
    void FormShow();
    void FormResize();
    void FormCloseQuery(bool& canClose);
    void btStatisticClick();
    void btReachClick();
    void btCloseClick();
    void lblBottomClick();

    // The drive overview chart and its animations.
    void doDiskSize();
    void Timer1Timer();
    void Timer2Timer();
    void chartSpaceBarDblClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeOnScreen();
    void createControls();
    void createLabels();
    void createButtons();
    void connectHandlers();
    void setUpChart();
    void setUpSeries();
    void setUpAxes();
    void startOpening();
    void chooseDepthSteps();
    void stepOpeningDepth();
    void stepClosingDepth();
    void turn(int zoomStep, int angleStep);
    void setLabelsVisible(bool visible);

    ProgramServices& services_;
    TfrmStatistics* statistics_ = nullptr;
    int closeRequests = 0;
    bool isOpening = true;
    int depthStep = 4;
    int depthTarget = 60;
};

}  // namespace quarvo
