#pragma once
// The Space page: capacity, free and used space of the ticked drives as
// figures and a stacked bar chart, or every ready drive as a small pie with
// a total pie. The bars grow in depth by the page's own timer; the pies
// turn by the pie timer that the Types page shares.

#include <string>
#include <vector>

#include "system/drive_space.h"
#include "system/volume_api.h"
#include "toolkit/chart/chart.h"
#include "toolkit/effect_label.h"
#include "toolkit/lists/pick_list.h"
#include "views/statistics_page.h"

class QAction;
class QCheckBox;
class QFrame;
class QMenu;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace quarvo {

class SpacePage : public StatisticsPage {
public:
    static constexpr int kSmallPieCount = 11;

    SpacePage(VolumeApi& volumes, QTimer& pieTimer);

    // Fills the drive list with the machine's drives, once.
    void buildDrives();
    // The entries of the drive list, in its order, as they were built.
    [[nodiscard]] const std::vector<std::string>& driveEntries() const { return drives_; }
    // The page comes to the front: the figures are recomputed, and the
    // bars grow again from a depth of 1 percent.
    void pageShown();

    void doDiskSize();
    void clearSpaceFigures();
    void pckStatDriveClick();
    void cbTotalClick();
    void SelectAll1Click();
    void DeselectAll1Click();
    void rgSpaceClick();
    void doPieCharts();
    void pieTotalClick();
    void ScrollBar1Change();
    // One tick of the pie timer: the pies, in the pie view, turn.
    void turnSpacePies();
    void Timer2Timer();
    // 100 × part / whole with one decimal, in the regional number format;
    // "0.0" for a whole of 0 bytes or less.
    [[nodiscard]] static QString percentText(double part, double whole);
    // The small pie with the number 1 to 11.
    [[nodiscard]] Chart* smallPie(int number) const;
    // The one series of a pie chart.
    [[nodiscard]] static PieSeries* pieSeriesOf(const Chart& pie);

    EffectLabel* lblTotalC = nullptr;
    EffectLabel* lblTotal = nullptr;
    EffectLabel* lblTot = nullptr;
    QFrame* Panel1 = nullptr;
    EffectLabel* lblFreeC = nullptr;
    EffectLabel* lblFree = nullptr;
    EffectLabel* lblPct = nullptr;
    QFrame* Panel2 = nullptr;
    EffectLabel* label26 = nullptr;
    EffectLabel* lblUsed = nullptr;
    EffectLabel* lblPct2 = nullptr;
    QFrame* Panel4 = nullptr;
    TPickList* pckStatDrive = nullptr;
    QMenu* popSel = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* DeselectAll1 = nullptr;
    Chart* chartSpaceBar = nullptr;
    BarSeries* Series5 = nullptr;  // used space, at the bottom of each bar
    BarSeries* Series4 = nullptr;  // free space, on top
    QRadioButton* rgSpace2 = nullptr;
    QRadioButton* rgSpace1 = nullptr;
    QCheckBox* cbTotal = nullptr;
    QWidget* pnlPie = nullptr;
    Chart* pie1 = nullptr;
    Chart* pie2 = nullptr;
    Chart* pie3 = nullptr;
    Chart* pie4 = nullptr;
    Chart* pie5 = nullptr;
    Chart* pie6 = nullptr;
    Chart* pie7 = nullptr;
    Chart* pie8 = nullptr;
    Chart* pie9 = nullptr;
    Chart* pie10 = nullptr;
    Chart* pie11 = nullptr;
    Chart* pieTotal = nullptr;
    QScrollBar* ScrollBar3 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel5 = nullptr;
    QTimer* Timer2 = nullptr;  // growth of the bar chart's depth

    // Ticked and ready drives counted by the last doDiskSize.
    int spaceDriveCount = 0;
    // One per program: a refresh that is entered again while it runs
    // returns at once.
    static inline bool inDriveClick = false;

    // The colours of free and of used space.
    static inline const QColor kFreeColour{255, 0, 255};
    static inline const QColor kUsedColour{0, 0, 255};

private:
    void buildSpaceFigures();
    void buildDrivePanel();
    void buildSpaceBarChart();
    void buildSpaceSwitches();
    void buildPiePanel();
    Chart* makePie(const QRect& geometry);

    void showSpaceFigures(double freeGB, double totalGB);
    void hideSpaceCaptions();
    void showPieView();
    void showBarView();
    void fillPie(Chart& pie, const QString& titleStart, double freeBytes, double totalBytes);
    // The series of the small pies that are not hidden, pie1 first.
    [[nodiscard]] std::vector<PieSeries*> shownSmallPies() const;
    [[nodiscard]] bool entryReady(int index) const;
    [[nodiscard]] DriveSize entrySpace(int index) const;

    VolumeApi& volumes_;
    QTimer& pieTimer_;
    std::vector<std::string> drives_;
};

}  // namespace quarvo
