#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <fstream>

#include "setup/frm_which_drive.h"
#include "tests/fakes/scripted_dialogs.h"
#include "tests/support/finish_run.h"
#include "tests/support/temp_folder.h"
#include "tests/ui/statistics_window_fixture.h"
#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

using testing::fakeDir;
using testing::fakeFile;
using testing::FakeNode;

class ScanWindowTest : public StatisticsWindowTest {
protected:
    void SetUp() override {
        addDrive('c', "/c", 40);
        addDrive('d', "/d", 3);
    }
    void addDrive(char letter, const std::string& folder, int files, std::int64_t size = 1000) {
        testing::FakeDrive drive = sizedDrive(100 * kGiB, 40 * kGiB, std::string(1, letter));
        drive.folder = folder;
        volumes.add(letter, drive);
        directories.roots[folder] =
            fakeDir("", {fakeDir("sub", std::vector<FakeNode>(files, fakeFile("f.txt", size)))});
    }
    // Runs the action on the window's thread, in the run's loop of events,
    // once the walk waits in a folder after "sub" of the drive at folder, as
    // on a stalled mount. The test lets the walk go on with stall->release().
    // A timer rather than a posted call: a run started from a posted call
    // (a drop) holds back the calls posted before it until it returns.
    void whileStalled(const std::string& folder, std::function<void()> action) {
        FakeNode stalled = fakeDir("stalled", {fakeFile("late.txt", 1)});
        stall = stalled.gate = std::make_shared<testing::FakeGate>();
        directories.roots[folder].children.push_back(stalled);
        QTimer::singleShot(1, &window(), [this, action = std::move(action)] {
            stall->waitUntilReached();
            action();
        });
    }
    void TearDown() override {
        if (stall) stall->release();
        directories.waitUntilNoSession();
    }
    // Starts a run as the command line or the wizard does, and waits on the
    // window's events until it has ended.
    void scan(const std::vector<std::string>& targets) { scanToTheEnd(window(), targets); }
    void collect(const ScanChoice& choice) {
        window().collectStatistics(choice);
        finishRun(window());
    }
    void pressEscape() {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&window(), &escape);
    }

    testing::ScriptedDialogs dialogs;
    std::shared_ptr<testing::FakeGate> stall;
};

TEST_F(ScanWindowTest, WhileAScanRunsEveryPageIsCoveredAndTheControlsThatRebuildThemLocked) {
    TfrmStatistics& w = window();
    w.show();
    w.Timer1->start();
    bool checked = false;
    whileStalled("/c", [&] {
        checked = true;
        EXPECT_TRUE(w.scanRun.scanning);
        EXPECT_TRUE(w.pnlNotYet->isVisible());
        EXPECT_TRUE(w.btAbort->isVisible());
        EXPECT_EQ(w.lblNotYet->text(),
                  "Collecting statistics ... standby.  Press Esc or click Abort to stop.");
        EXPECT_FALSE(w.btOK->isEnabled());
        EXPECT_FALSE(w.btPrint->isEnabled());
        EXPECT_FALSE(w.spacePage->pckStatDrive->isEnabled());
        EXPECT_TRUE(w.btCancel->isEnabled());
        EXPECT_FALSE(w.Timer1->isActive());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        // The walk's text comes with the next progress, a tenth of a second on.
        while (!w.StatusBar1->currentMessage().startsWith("Processing drive c: ... standby : "))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // The tabs stay usable, but the Space page too stays covered.
        w.OvcNotebook1->setPageIndex(TfrmStatistics::kSpacePage);
        EXPECT_TRUE(w.pnlNotYet->isVisible());
        w.OvcNotebook1->setPageIndex(2);
        stall->release();
    });
    scan({"C:"});
    EXPECT_TRUE(checked);
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: ");
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Finished - 41 files processed");
    EXPECT_FALSE(w.pnlNotYet->isVisible());
    EXPECT_TRUE(w.btAbort->isHidden());
    EXPECT_TRUE(w.btOK->isEnabled());
    EXPECT_TRUE(w.Timer1->isActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(w.progressScan->isHidden());
    EXPECT_TRUE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
    EXPECT_TRUE(dialogs.messages.empty());
    // The pages show the run, the Types listing sorted by extension.
    EXPECT_EQ(w.typesPage->gridTypes->cell(0, 1), ".TXT");
    EXPECT_TRUE(w.typesPage->SortbyExtension->isChecked());
    EXPECT_EQ(w.sizesPage->gridSizes->cell(2, kSizeBands), "41");  // band 1, the last row
}

// The walk waits in a listing, as on a stalled mount; Esc and Abort end the
// run at once all the same, with the files counted before.
TEST_F(ScanWindowTest, EscapeAndAbortStopEvenAStalledWalkAtOnce) {
    TempFolder kept;
    SavedRunStore store(kept.path().string());
    keepRunsIn(store);
    TfrmStatistics& w = window();
    w.show();
    whileStalled("/c", [&] { pressEscape(); });
    scan({"c:", "d:"});
    EXPECT_EQ(w.collector.tallies().filesProcessed, 40);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "File Statistics for drive(s) incomplete ... aborted.");
    EXPECT_EQ(w.StatusBar1->currentMessage(),
              "Finished - 40 files processed INCOMPLETE ... ABORTED");
    EXPECT_FALSE(w.pnlNotYet->isVisible());  // the partial pages show
    stall->release();
    directories.waitUntilNoSession();
    EXPECT_EQ(w.collector.tallies().filesProcessed, 40);  // nothing came after

    whileStalled("/d", [&] { w.btAbort->click(); });
    scan({"d:"});
    EXPECT_EQ(w.collector.tallies().filesProcessed, 3);
    EXPECT_EQ(w.windowTitle(), "File Statistics for drive(s) incomplete ... aborted.");
    EXPECT_TRUE(store.runs().empty());  // an aborted run is not kept

    pressEscape();  // no scan runs: the window hides
    EXPECT_FALSE(w.isVisible());
}

// Enter would press the default button, which a scan disables; neither it
// nor a second start reaches the run under way.
TEST_F(ScanWindowTest, NothingStartsASecondRunWhileOneRuns) {
    TfrmStatistics& w = window();
    w.show();
    int runs = 0;
    whileStalled("/c", [&] {
        ++runs;
        // Wherever the focus is: on Abort, Close or the window itself.
        for (QWidget* focus : std::initializer_list<QWidget*>{w.btAbort, w.btCancel, &w}) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(focus, &enter);
        }
        w.btOK->click();
        w.scanCommandLineTargets({"d:"});
        EXPECT_FALSE(w.scanRun.abortRequested());
        stall->release();
    });
    scan({"c:"});
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: ");
    EXPECT_EQ(w.collector.tallies().filesProcessed, 41);
}

// A box the user opens while a drive is walked (About, a message) holds up
// neither the walk nor the next drive: the run ends while it is open.
TEST_F(ScanWindowTest, ABoxOpenedDuringAScanHoldsUpNeitherTheWalkNorTheNextDrive) {
    TfrmStatistics& w = window();
    w.show();
    bool endedWhileOpen = false;
    dialogs.onMessage = [&] {
        stall->release();
        // The box's own loop of events, as a modal box runs it; bounded, so
        // that a run held up by it fails the test rather than hanging it.
        const QDeadlineTimer deadline(std::chrono::seconds(10));
        while (w.scanRun.running() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        endedWhileOpen = !w.scanRun.running();
    };
    whileStalled("/c", [&] { showInfo(QStringLiteral("About"), &w); });
    scan({"c:", "d:"});
    EXPECT_TRUE(endedWhileOpen);
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: D: ");
    EXPECT_EQ(w.collector.tallies().filesProcessed, 44);
}

// Disabling the Overhang page while it is shown would let the notebook pick
// another page in the middle of the run; the window moves to Types first.
TEST_F(ScanWindowTest, AMultiDriveRunMovesOffTheOverhangPageBeforeDisablingIt) {
    TfrmStatistics& w = window();
    w.show();
    scan({"d:"});
    w.OvcNotebook1->setPageIndex(TfrmStatistics::kOverhangPage);
    std::vector<int> changes;
    QObject::connect(w.OvcNotebook1, &Notebook::pageChanged,
                     [&](int page) { changes.push_back(page); });
    scan({"c:", "d:"});
    EXPECT_EQ(changes, std::vector<int>{TfrmStatistics::kTypesPage});
    EXPECT_EQ(w.OvcNotebook1->pageIndex(), TfrmStatistics::kTypesPage);
    EXPECT_FALSE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: D: ");
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Finished - 43 files processed");
    EXPECT_EQ(w.collector.tallies().overhang4K, 0);
    scan({"d:"});
    EXPECT_TRUE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
    EXPECT_EQ(w.OvcNotebook1->pageIndex(), TfrmStatistics::kTypesPage);

    // Files of no bytes leave the page nothing to show: it is disabled as
    // the pages are rebuilt, with the same move.
    addDrive('e', "/e", 4, 0);
    w.OvcNotebook1->setPageIndex(TfrmStatistics::kOverhangPage);
    changes.clear();
    scan({"e:"});
    EXPECT_EQ(changes, std::vector<int>({TfrmStatistics::kTypesPage}));
    EXPECT_FALSE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));
}

TEST_F(ScanWindowTest, ATargetThatCantBeScannedIsReportedAndNothingIsScanned) {
    TfrmStatistics& w = window();
    scan({"c:", "q:", "/no/such/folder"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text,
              "Cannot scan q:: there is no drive q:.\n"
              "Cannot scan /no/such/folder: cannot find /no/such/folder: No such file or "
              "directory.\nNothing was scanned.");
    EXPECT_EQ(w.windowTitle(), "File Statistics Not Yet Collected");
    EXPECT_FALSE(w.scanRun.statisticsCollected);
}

TEST_F(ScanWindowTest, TheProgramEndingStopsAStalledWalkAtOnceAndLetsTheEventLoopReturn) {
    TfrmStatistics& w = window();
    w.show();
    QTimer::singleShot(0, &w, [&] {
        whileStalled("/c", [] { QCoreApplication::quit(); });
        w.scanCommandLineTargets({"c:", "d:"});
    });
    QApplication::exec();
    // The window's closing on the way out asked once more to quit, of a
    // loop that has returned since: no later test may see it.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    EXPECT_EQ(w.collector.tallies().filesProcessed, 40);
    EXPECT_FALSE(w.scanRun.abortRequested());
    EXPECT_FALSE(w.scanRun.scanning);
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: ");
}

// Every cell of the listings that the change columns extend, by page.
std::vector<std::vector<QStringList>> listings(TfrmStatistics& w) {
    std::vector<std::vector<QStringList>> pages;
    for (const StringGrid* grid :
         {w.typesPage->gridTypes, w.sizesPage->gridSizes, w.accessPage->grid, w.createdPage->grid,
          w.modifiedPage->grid, w.combinedPage->gridCombine}) {
        std::vector<QStringList>& rows = pages.emplace_back();
        for (int r = 0; r < grid->rowCount(); ++r) rows.push_back(grid->row(r));
    }
    return pages;
}

// Every page as it shows now, listings and charts in the views chosen.
std::vector<QImage> pagePictures(TfrmStatistics& w) {
    std::vector<QImage> pictures;
    w.show();
    for (int page = 0; page < w.OvcNotebook1->pageCount(); ++page) {
        w.OvcNotebook1->setPageIndex(page);
        pictures.push_back(w.OvcNotebook1->page(page)->grab().toImage());
    }
    return pictures;
}

// The row of the grid whose first cell is first (the Types listing's
// extension, the Sizes listing's band).
QStringList rowOf(const StringGrid& grid, const QString& first) {
    for (int r = 1; r < grid.rowCount(); ++r)
        if (grid.cell(0, r) == first) return grid.row(r);
    return {};
}

class CompareRunsTest : public ScanWindowTest {
protected:
    void SetUp() override {
        ScanWindowTest::SetUp();
        keepRunsIn(store);
    }
    // The menu of "Compare with" as the user opens it.
    QList<QAction*> compareChoices() {
        emit window().comparisonChoice->compareMenu->aboutToShow();
        return window().comparisonChoice->compareMenu->actions();
    }
    QAction* choice(const QString& text) {
        for (QAction* action : compareChoices())
            if (action->text() == text) return action;
        return nullptr;
    }

    TempFolder kept;
    // A second a run, so that each run has its own file.
    std::chrono::system_clock::time_point now{std::chrono::hours(24 * 365 * 57)};
    SavedRunStore store{kept.path().string(), [this] { return now += std::chrono::seconds(1); }};
};

// Between the runs a .DOC of 3,000 bytes went and an .ISO of 20,000 bytes
// came; the .TXT files stayed as they were.
TEST_F(CompareRunsTest, ComparingShowsSignedChangesAndTurningItOffRestoresEveryListing) {
    FakeNode& c = directories.roots["/c"];
    c.children.push_back(fakeFile("old.doc", 3000));
    TfrmStatistics& w = window();
    scan({"c:"});
    c.children.pop_back();
    c.children.push_back(fakeFile("new.iso", 20000));
    scan({"c:"});
    ASSERT_EQ(store.runs().size(), 2u);
    w.typesPage->rgTypes->setItemIndex(0);  // the totals show with the listing
    w.typesPage->rgTypesClick();
    w.combinedPage->rgCombine0->setChecked(true);
    const auto before = listings(w);
    const std::vector<QImage> listingPictures = pagePictures(w);
    w.combinedPage->rbCombine1->setChecked(true);
    w.typesPage->rgTypes->setItemIndex(1);
    w.typesPage->rgTypesClick();
    const std::vector<QImage> chartPictures = pagePictures(w);

    // The run just made is no choice; the one before it is.
    const QList<QAction*> choices = compareChoices();
    ASSERT_EQ(choices.size(), 3);
    EXPECT_FALSE(choices.back()->isEnabled());  // "No comparison"
    choices.front()->trigger();
    EXPECT_TRUE(w.comparisonChoice->comparison().on());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(w.StatusBar1->currentMessage().contains(" - Compared with the run of "));

    const StringGrid& types = *w.typesPage->gridTypes;
    EXPECT_EQ(types.row(0).mid(5), QStringList({"Change in files", "Change in size"}));
    EXPECT_EQ(
        rowOf(types, ".DOC").mid(2),
        QStringList({"0", "0", "0", "-1", "-3,000"}).replaceInStrings("-", QString(QChar(0x2212))));
    EXPECT_EQ(rowOf(types, ".ISO").mid(2), QStringList({"20,000", "1", "20,000", "+1", "+20,000"}));
    EXPECT_EQ(rowOf(types, ".TXT").mid(5), QStringList({"0", "0"}));
    EXPECT_EQ(types.row(types.rowCount() - 1).mid(5), QStringList({"0", "+17,000"}));

    // The changes sort as numbers, the largest first.
    ASSERT_TRUE(w.typesPage->SortbyBytesChange->isVisible());
    w.typesPage->SortbyBytesChange->trigger();
    EXPECT_EQ(types.cell(0, 1), ".ISO");
    EXPECT_EQ(types.cell(0, 3), ".DOC");

    const StringGrid& sizes = *w.sizesPage->gridSizes;
    EXPECT_EQ(rowOf(sizes, "0 - 16K").mid(3),
              QStringList({QString(QChar(0x2212)) + "1", QString(QChar(0x2212)) + "3,000"}));
    EXPECT_EQ(rowOf(sizes, "16K - 32K").mid(3), QStringList({"+1", "+20,000"}));
    // A band listing's header sorts on the changes too: the band that lost a
    // file comes last, and the first column gives the bands' order back.
    const QString largestBand = sizes.cell(0, 1);
    emit w.sizesPage->gridSizes->headerClicked(3);
    EXPECT_EQ(sizes.cell(0, 1), "16K - 32K");
    EXPECT_EQ(sizes.cell(0, kSizeBands), "0 - 16K");
    emit w.sizesPage->gridSizes->headerClicked(0);
    EXPECT_EQ(sizes.cell(0, 1), largestBand);
    EXPECT_EQ(w.modifiedPage->grid->colCount(), 5);
    EXPECT_TRUE(w.timePage->Series10->hasEarlier());

    // On the Combined listing each figure has its change beside it, and the
    // changes sort as the figures do.
    const StringGrid& combined = *w.combinedPage->gridCombine;
    const QString size = "Change in size", files = "Change in files";
    EXPECT_EQ(combined.row(0).mid(1, 4),
              QStringList({"Access Size", size, "Access # files", files}));
    EXPECT_EQ(combined.row(0).mid(9), QStringList({"Modify Size", size, "Modify # files", files}));
    emit w.combinedPage->gridCombine->headerClicked(6);  // the Create change in size
    const QStringList grown = combined.row(1);
    for (const int col : {2, 6, 10}) EXPECT_EQ(grown[col], "+17,000") << col;
    for (const int col : {4, 8, 12}) EXPECT_EQ(grown[col], "0") << col;
    EXPECT_EQ(combined.cell(6, 2), "0");
    for (BarSeries* series :
         {w.combinedPage->Series6, w.combinedPage->Series7, w.combinedPage->Series8})
        EXPECT_TRUE(series->hasEarlier());
    // Every file is an archive file: that row has grown, the others not.
    const AttributePage& attributes = *w.attributePage;
    EXPECT_FALSE(attributes.pnlChanges->isHidden());
    EXPECT_EQ(attributes.lblSizeChange[3]->text(), "+17,000");
    EXPECT_EQ(attributes.lblFilesChange[3]->text(), "0");
    EXPECT_EQ(attributes.lblSizeChange[0]->text(), "0");
    // The Types pie gives each type's earlier share; the .ISO is new.
    PieSeries& pie = *w.typesPage->Series2;
    ASSERT_TRUE(pie.hasEarlier());
    QStringList marks;
    for (const PieSlice& slice : pie.slices()) marks << pie.markText(slice);
    EXPECT_EQ(marks.filter("(new)").size(), 1) << marks.join(" | ").toStdString();
    EXPECT_EQ(marks.filter("(was").size(), marks.size() - 1);

    choice("&No comparison")->trigger();
    EXPECT_FALSE(w.comparisonChoice->comparison().on());
    EXPECT_FALSE(w.timePage->Series10->hasEarlier());
    EXPECT_TRUE(attributes.pnlChanges->isHidden());
    // Every page looks as it did before the comparison, in both its views.
    EXPECT_TRUE(pagePictures(w) == chartPictures);
    w.combinedPage->rgCombine0->setChecked(true);
    w.typesPage->rgTypes->setItemIndex(0);
    w.typesPage->rgTypesClick();
    EXPECT_TRUE(pagePictures(w) == listingPictures);
    EXPECT_EQ(listings(w), before);
    EXPECT_EQ(w.typesPage->gridTypes->colCount(), 5);
    EXPECT_EQ(w.sizesPage->gridSizes->colCount(), 3);
    EXPECT_FALSE(w.typesPage->SortbyBytesChange->isVisible());

    // A file chosen with "Open file..." compares as well.
    dialogs.files.push_back(QString::fromStdString(store.runs().back()));
    choice("&Open file...")->trigger();
    EXPECT_EQ(rowOf(types, ".ISO").mid(5), QStringList({"+1", "+20,000"}));
}

// Comparing is off until the user chooses a run; from then on each finished
// run of the same targets is compared with the one before it, until "No
// comparison".
TEST_F(CompareRunsTest, TheChoiceIsRememberedAndEachNextRunComparesWithTheOneBefore) {
    TfrmStatistics& w = window();
    FakeNode& c = directories.roots["/c"];
    scan({"c:"});
    scan({"c:"});
    EXPECT_FALSE(w.comparisonChoice->comparison().on());
    compareChoices().front()->trigger();
    EXPECT_EQ(profile.readString("Statistics", "CompareWith", ""), "LastRun");

    c.children.push_back(fakeFile("new.iso", 20000));
    scan({"c:"});
    ASSERT_TRUE(w.comparisonChoice->comparison().on());
    EXPECT_EQ(rowOf(*w.typesPage->gridTypes, ".ISO").mid(5), QStringList({"+1", "+20,000"}));
    EXPECT_TRUE(w.StatusBar1->currentMessage().startsWith("Finished - "));
    EXPECT_TRUE(w.StatusBar1->currentMessage().contains(" - Compared with the run of "));

    // A run of other targets has nothing to compare with.
    scan({"d:"});
    EXPECT_FALSE(w.comparisonChoice->comparison().on());
    EXPECT_EQ(w.typesPage->gridTypes->colCount(), 5);

    scan({"c:"});
    EXPECT_TRUE(w.comparisonChoice->comparison().on());
    compareChoices().back()->trigger();  // "No comparison"
    EXPECT_FALSE(w.comparisonChoice->comparison().on());
    EXPECT_EQ(profile.readString("Statistics", "CompareWith", ""), "");
    scan({"c:"});
    EXPECT_FALSE(w.comparisonChoice->comparison().on());
    EXPECT_FALSE(w.StatusBar1->currentMessage().contains("Compared"));

    // After a restart, the first finished run compares with the last one.
    compareChoices().front()->trigger();
    startAgain();
    c.children.push_back(fakeFile("newer.iso", 30000));
    scan({"c:"});
    TfrmStatistics& restarted = window();
    ASSERT_TRUE(restarted.comparisonChoice->comparison().on());
    EXPECT_EQ(rowOf(*restarted.typesPage->gridTypes, ".ISO").mid(5),
              QStringList({"+1", "+30,000"}));
}

TEST_F(CompareRunsTest, ABadFileOrARunOfOtherTargetsIsReportedAndChangesNothing) {
    TfrmStatistics& w = window();
    scan({"d:"});
    const std::string otherTargets = store.runs().front();
    scan({"c:"});
    const auto before = listings(w);
    // A run of d: is no choice beside a run of c:.
    EXPECT_EQ(compareChoices().size(), 2);

    const std::string damaged = (kept.path() / "damaged.json").string();
    std::ofstream(damaged) << "{\"schemaVersion\": 1, \"types\": [";
    const std::string newer = (kept.path() / "newer.json").string();
    std::ofstream(newer) << "{\"schemaVersion\": 99}";
    for (const std::string& path : {damaged, newer, otherTargets, kept.path().string() + "/none"}) {
        dialogs.messages.clear();
        w.comparisonChoice->compareWithFile(path);
        ASSERT_EQ(dialogs.messages.size(), 1u) << path;
        EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
        EXPECT_TRUE(dialogs.messages[0].text.contains(QString::fromStdString(path)))
            << dialogs.messages[0].text.toStdString();
        EXPECT_FALSE(w.comparisonChoice->comparison().on());
        EXPECT_EQ(listings(w), before);
    }
}

TEST_F(ScanWindowTest, TheWizardsChoiceIsConfirmedAndScannedWithItsRule) {
    TfrmStatistics& w = window();
    collect({.drives = {"c: [c]"}});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              "Disk Drive c: [c] will be scanned.  The analysis may take some time.  You may "
              "quit at any time by clicking Abort or pressing ESC.");
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Finished - 40 files processed");

    directories.roots["/d"].children.push_back(fakeFile("x.doc", 5));
    collect({.drives = {"c: [c]", "d: [d]"},
             .ruleAllFiles = false,
             .ruleExclude = true,
             .fileTypes = {"*.txt\tText"}});
    EXPECT_EQ(dialogs.messages[1].text,
              "Since you selected more than one drive to analyze, the Cluster Overhang tab will "
              "be disabled.  You may quit the analysis at any time by clicking CANCEL or by "
              "pressing ESC.");
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Finished - 44 files processed 1 files found");
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: D: ");

    // A cancelled wizard chose nothing: the last run stays as it is.
    collect({});
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(w.collector.rule().selectIfNotListed);
    EXPECT_EQ(w.collector.tallies().filesSelected, 1);

    volumes.drives['C'].ready = false;
    collect({.drives = {"c: [c]"}});
    EXPECT_EQ(dialogs.messages.back().text,
              "Could not compute the total size of the disk drives selected.  Cannot proceed "
              "with statistics.");
    EXPECT_EQ(w.collector.tallies().filesSelected, 1);
}

// A chosen folder is a drive named by its path: in the confirmation, the
// caption and the Types print title; alone, it has the Overhang page.
TEST_F(ScanWindowTest, TheWizardsFoldersAreScannedAsDrivesNamedByTheirPaths) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    directories.roots[path] = fakeDir("", {fakeFile("a.doc", 10), fakeFile("b.doc", 20)});
    TfrmStatistics& w = window();
    collect({.folders = {folder.path()}});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.toStdString(),
              "Disk Drive " + path +
                  " will be scanned.  The analysis may take some time.  You "
                  "may quit at any time by clicking Abort or pressing ESC.");
    EXPECT_EQ(w.windowTitle().toStdString(), "Statistics completed for drives " + path + " ");
    EXPECT_EQ(w.collector.currentDrive, path);
    EXPECT_EQ(w.collector.tallies().filesProcessed, 2);
    EXPECT_TRUE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));

    collect({.drives = {"d: [d]"}, .folders = {folder.path()}});
    EXPECT_EQ(w.windowTitle().toStdString(), "Statistics completed for drives D: " + path + " ");
    EXPECT_EQ(w.collector.tallies().filesProcessed, 5);
    EXPECT_FALSE(w.OvcNotebook1->isPageEnabled(TfrmStatistics::kOverhangPage));

    // A remembered folder that has gone since is reported as on the
    // command line, and the last run stays.
    collect({.drives = {"d: [d]"}, .folders = {"/no/such/folder"}});
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].kind, MessageKind::Error);
    EXPECT_TRUE(dialogs.messages[2].text.endsWith("\nNothing was scanned."));
    EXPECT_EQ(w.collector.tallies().filesProcessed, 5);
}

// Only folders are taken, and only while no run is under way; a drop is
// scanned once it has ended, without the wizard or a confirmation.
TEST_F(ScanWindowTest, DroppedFoldersAreScannedAndAnythingElseIsRefused) {
    QTemporaryDir folder;
    const QString file = folder.filePath("f.txt");
    QFile(file).open(QIODevice::WriteOnly);
    directories.roots[folder.path().toStdString()] = fakeDir("", {fakeFile("x.txt", 1)});
    TfrmStatistics& w = window();
    const auto accepts = [&w](const QList<QUrl>& urls, const QString& text = {}) {
        QMimeData data;
        data.setUrls(urls);
        if (!text.isEmpty()) data.setText(text);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        return enter.isAccepted();
    };
    const QUrl folderUrl = QUrl::fromLocalFile(folder.path());
    EXPECT_TRUE(accepts({folderUrl}));
    EXPECT_FALSE(accepts({folderUrl, QUrl::fromLocalFile(file)}));
    EXPECT_FALSE(accepts({QUrl("https://example.org/")}));
    EXPECT_FALSE(accepts({}, "some text"));

    QMimeData data;
    data.setUrls({folderUrl});
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_FALSE(w.scanRun.statisticsCollected);  // not inside the drop
    bool refusedDuringTheRun = false;
    whileStalled(folder.path().toStdString(), [&] {
        refusedDuringTheRun = !accepts({folderUrl});
        stall->release();
    });
    QCoreApplication::processEvents();
    finishRun(w);
    EXPECT_TRUE(refusedDuringTheRun);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives " + folder.path() + " ");
}

TEST_F(ScanWindowTest, CollectStatisticsRunsWhatTheWizardChoseAndNothingWhenItIsCancelled) {
    TfrmStatistics& w = window();
    w.show();
    dialogs.onExec = [&](QDialog& dialog) {
        auto& wizard = dynamic_cast<TfrmWhichDrive&>(dialog);
        EXPECT_EQ(wizard.parentWidget(), &w);
        wizard.btNext1Click();  // the current drive c:, ticked already
        wizard.btNext2Click();  // all files: the wizard closes
        return wizard.result();
    };
    w.btOK->click();
    finishRun(w);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(w.windowTitle(), "Statistics completed for drives C: ");
    EXPECT_EQ(w.collector.tallies().filesProcessed, 40);

    dialogs.onExec = [](QDialog&) { return int(QDialog::Rejected); };
    w.btOK->click();
    EXPECT_EQ(dialogs.execTitles.size(), 2u);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(w.collector.tallies().filesProcessed, 40);
}

TEST_F(ScanWindowTest, ProgressShowsTheShareOfUsedSpaceTheFilesAndTheTime) {
    TfrmStatistics& w = window();
    ScanRunWindow& run = w;
    run.showProgress({.bytesSeen = 250,
                      .usedBytes = 1000,
                      .files = 12345,
                      .elapsed = std::chrono::milliseconds(65'900)});
    EXPECT_EQ(w.progressScan->value(), 250);
    EXPECT_EQ(w.progressScan->maximum(), 1000);
    EXPECT_EQ(w.lblProgress->text(), "12,345 files  1:05");
    run.showProgress({.bytesSeen = 5000, .usedBytes = 1000, .elapsed = std::chrono::hours(2)});
    EXPECT_EQ(w.progressScan->value(), w.progressScan->maximum());
    EXPECT_EQ(w.lblProgress->text(), "0 files  2:00:00");
    run.showProgress({.bytesSeen = 5000, .usedBytes = 0});  // a folder: share unknown
    EXPECT_EQ(w.progressScan->maximum(), 0);

    // A deep folder's path loses its middle; the text keeps clear of the counter.
    w.show();
    QString path = QStringLiteral("/home/me");
    for (int level = 0; level < 30; ++level) path += QStringLiteral("/folder%1").arg(level);
    path += QStringLiteral("/googleclc");
    run.setWalkStatusText("Processing drive c: ... standby : " + path.toStdString());
    run.showProgress({.files = 99'310});
    const QString shown = w.StatusBar1->currentMessage();
    EXPECT_TRUE(shown.startsWith("Processing drive c: ... standby : /home/"))
        << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("/googleclc")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();
    EXPECT_LT(w.StatusBar1->fontMetrics().horizontalAdvance(shown), w.lblProgress->x());
    run.setWalkStatusText("Processing drive c: ... standby : /home/me");
    run.showProgress({.files = 99'311});
    EXPECT_EQ(w.StatusBar1->currentMessage(), "Processing drive c: ... standby : /home/me");
    run.endProgress();
    EXPECT_TRUE(w.progressScan->isHidden());
    EXPECT_TRUE(w.lblProgress->isHidden());
}

}  // namespace
}  // namespace quarvo
