#pragma once
// The statistics window: the tallies of the last scan on ten notebook pages,
// the scan itself, and printing. Created once at start-up, hidden until the
// main window shows it, alive until the program ends; "Close" only hides it.
// Each page is a class of its own that owns its controls; the window holds
// the notebook, the buttons, the cover panel, the status bar, the pie timer
// that two pages share, and the run. Its handlers are plain public methods,
// so that the main window and the tests reach them as the controls do
// (tests step the timers by calling the handlers).

#include <QDialog>
#include <string>
#include <vector>

#include "collect/scan_run.h"
#include "collect/scan_run_window.h"
#include "collect/statistics_collector.h"
#include "forms/program_services.h"
#include "toolkit/effect_label.h"
#include "toolkit/glyph_button.h"
#include "toolkit/notebook.h"
#include "toolkit/tiled_picture.h"
#include "views/attribute_page.h"
#include "views/combined_page.h"
#include "views/comparison_choice.h"
#include "views/date_page.h"
#include "views/overhang_page.h"
#include "views/scan_choice.h"
#include "views/sizes_page.h"
#include "views/space_page.h"
#include "views/time_page.h"
#include "views/types_page.h"

class QFrame;
class QLabel;
class QProgressBar;
class QStatusBar;
class QTimer;

namespace quarvo {

class TfrmStatistics : public QDialog, public ScanRunWindow {
    Q_OBJECT

public:
    // Notebook page indexes.
    static constexpr int kSpacePage = 0;
    static constexpr int kTypesPage = 1;
    static constexpr int kSizesPage = 2;
    static constexpr int kOverhangPage = 3;
    static constexpr int kAccessPage = 4;
    static constexpr int kCreatedPage = 5;
    static constexpr int kModifiedPage = 6;
    static constexpr int kCombinedPage = 7;
    static constexpr int kAttributePage = 8;
    static constexpr int kTimePage = 9;

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
    // Prints the current page: what the page prints of its own (its chart,
    // the Types listing), or else a picture of the window.
    void btPrintClick();
    void btCancelClick();
    // One tick of the pie timer: the pies of the page shown turn.
    void Timer1Timer();
    // Fills the charts of the four date pages from the tallies and their
    // buttons: choosing a chart on one page brings all four up to date.
    void doFileAges();

    // Fills the pages anew from the tallies with the comparison as it is
    // now, and says in the status line what is compared with what.
    void refillPages();

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
    // One tick of a run while a drive is walked: progress, the end of the
    // walk, the next drive. Its timer calls it ten times a second, and the
    // walk when it ends.
    void scanTimerTimer();
    // The pages fill themselves, in their fixed order, after each drive.
    void rebuildPages(bool withOverhang) override;

    Notebook* OvcNotebook1 = nullptr;
    SpacePage* spacePage = nullptr;
    TypesPage* typesPage = nullptr;
    SizesPage* sizesPage = nullptr;
    OverhangPage* overhangPage = nullptr;
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
    // Pie rotation on the Space and the Types page; a scan stops it while a
    // drive is walked.
    QTimer* Timer1 = nullptr;

    // The tallies of the last run, its file-type table, rule, cluster size
    // and current drive: one set for the life of the window.
    StatisticsCollector collector;

    // The earlier run the pages compare with, and the button that chooses
    // it; none by default.
    ComparisonChoice* comparisonChoice = nullptr;

    // The run: its chosen drives, and the scanning and statisticsCollected
    // state that decides what the pages show.
    ScanRun scanRun;

    // One per program: a rotation tick that is entered again while it runs
    // returns at once.
    static inline bool inAnimationTick = false;

    // The cover panel's text until statistics have been collected.
    static inline const QString kNotYetText =
        QStringLiteral("Statistics haven't been collected yet!");

signals:
    // A run has come to its end, after its last page rebuild.
    void scanEnded();

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
    void startTicking() override;
    void stopTicking() override;
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
    // The page with the notebook index given; every page is a statistics page.
    [[nodiscard]] StatisticsPage* pageAt(int index) const {
        return static_cast<StatisticsPage*>(OvcNotebook1->page(index));
    }
    void buildButtons();
    void buildCoverPanel();
    // What the status line adds while comparing: the run compared with.
    [[nodiscard]] std::string comparedText() const;
    void buildProgress();
    // Shows the walk's text shortened to the room left of the progress.
    void showWalkStatus(const QString& text);
    void printWindowPicture();
    // The window's client area as a picture of scale × its size in pixels.
    [[nodiscard]] QImage windowPicture(double scale);

    ProgramServices& services_;
    // The program is ending: a scan stops at once, and Close gives way.
    bool quitting_ = false;
    // The walk's latest status text, shown with the progress.
    std::string pendingStatus_;
    // Ticks the run while a drive is walked.
    QTimer* scanTimer_ = nullptr;
};

}  // namespace quarvo
