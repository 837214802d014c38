#pragma once
// The statistics window: the tallies of the last scan on ten notebook pages,
// the scan itself, and printing. Created once at start-up, hidden until the
// main window shows it, alive until the program ends; "Close" only hides it.
// Its controls are public fields named as the pages name them, and its
// handlers are plain public methods, so that the main window and the tests
// reach them as the pages do (tests step the timers by calling the
// handlers).

#include <QDialog>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "collect/scan_run.h"
#include "collect/scan_run_window.h"
#include "collect/statistics_collector.h"
#include "system/drive_space.h"
#include "toolkit/chart/chart.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/grid/grid_printer.h"
#include "toolkit/grid/string_grid.h"
#include "toolkit/lists/pick_list.h"
#include "toolkit/notebook.h"
#include "toolkit/radio_group.h"
#include "toolkit/tiled_picture.h"
#include "views/attribute_page.h"
#include "views/combined_page.h"
#include "views/date_page.h"
#include "views/overhang_page.h"
#include "views/program_services.h"
#include "views/scan_choice.h"
#include "views/sizes_page.h"
#include "views/time_page.h"
#include "views/types_page.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStatusBar;
class QTimer;

namespace quarvo {

class TfrmStatistics : public QDialog, public ScanRunWindow {
    Q_OBJECT

public:
    // Notebook page indexes that handlers test.
    static constexpr int kSpacePage = 0;
    static constexpr int kSizesPage = 2;
    static constexpr int kAccessPage = 4;
    static constexpr int kCreatedPage = 5;
    static constexpr int kModifiedPage = 6;
    static constexpr int kCombinedPage = 7;
    static constexpr int kAttributePage = 8;
    static constexpr int kTimePage = 9;
    static constexpr int kSmallPieCount = 11;

    explicit TfrmStatistics(ProgramServices& services, QWidget* parent = nullptr);

    // The window.
    void FormCreate();
    void FormShow();
    void OvcNotebook1PageChanged(int newIndex);
    // Recolours the window and its notebook, charts, pick lists and grids
    // (all but gridTypes), so that a printed page can have a white ground.
    void changeBackgroundColor(const QColor& colour);
    // "&Collect statistics": asks which drives and files to scan.
    void btOKClick();
    // Stop requests: during a scan they ask it to stop; otherwise Close
    // (and Esc) hides the window.
    void btAbortClick();
    // Prints the current page: its chart through the chart's preview when
    // the page shows one, the Types listing page by page, or else a picture
    // of the window.
    void btPrintClick();
    void btCancelClick();

    // The scan run. Targets named on the command line are scanned for all
    // files, without the wizard or a confirmation; a target that can't be
    // scanned is reported and nothing is scanned.
    void scanCommandLineTargets(const std::vector<std::string>& targets);
    // A run over what the wizard chose: its drives and rule are taken, the
    // run confirmed with the user and started. No drives: nothing happens.
    void collectStatistics(const ScanChoice& choice);
    // Folders dropped onto a window are scanned as targets named on the
    // command line, once the drop has ended; none while a run is under way.
    [[nodiscard]] bool takesFolderDrops() const { return !scanRun.running(); }
    void scanDroppedFolders(const QStringList& folders);
    // Sets the Enabled state of the controls that a scan locks.
    void disenable(bool enabled) override;
    // One round of a run while a drive is walked: progress, the end of the
    // walk. Its timer calls it ten times a second, and the walk when it ends.
    void scanTimerTimer();
    // The page builders, in their fixed order, after each drive.
    void rebuildPages(bool withOverhang) override;

    // The Space page.
    void doDiskSize();
    void pckStatDriveClick();
    void cbTotalClick();
    void SelectAll1Click();
    void DeselectAll1Click();
    void rgSpaceClick();
    void doPieCharts();
    void pieTotalClick();
    void ScrollBar1Change();
    void Timer1Timer();
    void Timer2Timer();
    // 100 × part / whole with one decimal, in the regional number format;
    // "0.0" for a whole of 0 bytes or less.
    [[nodiscard]] static QString percentText(double part, double whole);

    static constexpr int kTypesPage = 1;
    static constexpr int kOverhangPage = 3;

    // Fills the charts of the four date pages from the tallies and their
    // buttons: choosing a chart on one page brings all four up to date.
    void doFileAges();

    // The small pie with the number 1 to 11.
    [[nodiscard]] Chart* smallPie(int number) const;
    // The one series of a pie chart.
    [[nodiscard]] static PieSeries* pieSeriesOf(const Chart& pie);

    // Window controls.
    Notebook* OvcNotebook1 = nullptr;
    StatisticsPage* pageSpace = nullptr;
    TypesPage* typesPage = nullptr;
    SizesPage* sizesPage = nullptr;
    ClusterOverhangPage* overhangPage = nullptr;
    DatePage* accessPage = nullptr;
    DatePage* createdPage = nullptr;
    DatePage* modifiedPage = nullptr;
    CombinedPage* combinedPage = nullptr;
    AttributePage* attributePage = nullptr;
    TimePage* timePage = nullptr;
    GlyphButton* btOK = nullptr;
    GlyphButton* btPrint = nullptr;
    GlyphButton* btCancel = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QFrame* pnlNotYet = nullptr;
    TiledPicture* EsTile1 = nullptr;
    EffectLabel* lblNotYet = nullptr;
    GlyphButton* btAbort = nullptr;
    // Beside the status text while a scan runs: the share of the used space
    // seen so far, and the files counted and time taken.
    QProgressBar* progressScan = nullptr;
    QLabel* lblProgress = nullptr;
    QTimer* Timer1 = nullptr;  // pie rotation
    QTimer* Timer2 = nullptr;  // growth of the bar chart's depth
    QMenu* popSel = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* DeselectAll1 = nullptr;

    // Space page controls.
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
    // The drives of the Space page, built once at creation; the main
    // window's chart reads every entry of it.
    TPickList* pckStatDrive = nullptr;
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

    // The tallies of the last run, its file-type table, rule, cluster size
    // and current drive: one set for the life of the window.
    StatisticsCollector collector;

    // The run: its chosen drives, and the scanning and statisticsCollected
    // state that decides what the pages show.
    ScanRun scanRun;

    // Ticked and ready drives counted by the last doDiskSize.
    int spaceDriveCount = 0;

    // One per program: a refresh of the Space page, or a rotation tick, that
    // is entered again while it runs returns at once.
    static inline bool inDriveClick = false;
    static inline bool inAnimationTick = false;

    // The Space page's colours of free and of used space.
    static inline const QColor kFreeColour{255, 0, 255};
    static inline const QColor kUsedColour{0, 0, 255};
    // The cover panel's text until statistics have been collected.
    static inline const QString kNotYetText =
        QStringLiteral("Statistics haven't been collected yet!");

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The window of the scan run.
    void showInfoBox(const std::string& text) override;
    void showErrorBox(const std::string& text) override;
    void setStatusText(const std::string& text) override;
    void setWalkStatusText(const std::string& text) override;
    void setCaption(const std::string& text) override;
    void setOverhangPageEnabled(bool enabled) override;
    void showScanCover() override;
    void setCoverVisible(bool visible) override;
    bool pieTimerEnabled() const override;
    void setPieTimerEnabled(bool enabled) override;
    void setBusyCursor(bool busy) override;
    void runEvents(const std::function<bool()>& tick) override;
    void wake() override;
    bool terminating() override { return quitting_; }
    void showProgress(const ScanProgress& progress) override;
    void endProgress() override;

private:
    // Tells the user which targets can't be scanned, and why, in one error
    // box; true when every one can.
    bool canScan(const std::vector<std::string>& targets);
    void buildWindow();
    void buildNotebook();
    // The ten pages, in the order of their tabs.
    void buildPages();
    void buildButtons();
    void buildCoverPanel();
    void buildMenus();
    void buildTimers();
    void buildProgress();
    // Shows the walk's text shortened to the room left of the progress.
    void showWalkStatus(const QString& text);
    void buildSpacePage();
    void buildSpaceFigures();
    void buildDrivePanel();
    void buildSpaceBarChart();
    void buildSpaceSwitches();
    void buildPiePanel();
    void buildPieLegend();
    Chart* makePie(const QRect& geometry);

    void printWindowPicture();
    // The window's client area as a picture of scale × its size in pixels.
    [[nodiscard]] QImage windowPicture(double scale);

    void clearSpaceFigures();
    void showSpaceFigures(double freeGB, double totalGB);
    void hideSpaceCaptions();
    void showPieView();
    void showBarView();
    void fillPie(Chart& pie, const QString& titleStart, double freeBytes, double totalBytes);
    void turnSpacePies();
    // The series of the small pies that are not hidden, pie1 first.
    [[nodiscard]] std::vector<PieSeries*> shownSmallPies() const;
    [[nodiscard]] bool entryReady(int index) const;
    [[nodiscard]] DriveSize entrySpace(int index) const;

    ProgramServices& services_;
    // The program is ending: a scan stops at once, and Close gives way.
    bool quitting_ = false;
    // The walk's latest status text, shown with the progress.
    std::string pendingStatus_;
    // The run's round of events while a drive is walked; empty otherwise.
    std::function<void()> scanTick_;
};

}  // namespace quarvo
