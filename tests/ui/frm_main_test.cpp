// The main window: its layout, its buttons and the way it closes.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolTip>

#include "app/frm_about.h"
#include "tests/support/finish_run.h"
#include "tests/ui/frm_main_fixture.h"

namespace quarvo::testing {
namespace {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, OpensCentredWithItsCaptionAndHints) {
    addDrive('c', 10, 4);
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quarvo"));
    EXPECT_EQ(window->size(), QSize(650, 509));
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_LE(std::abs((frame.left() - screen.left()) - (screen.right() - frame.right())), 1);
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
    EXPECT_EQ(window->chartSpaceBar->geometry(), window->rect());
    EXPECT_TRUE(window->btStatistic->isDefault());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0, 255, 255));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
}

TEST_F(MainWindow, ButtonsStayInTheLowerRightCorner) {
    open();
    for (const QSize size : {QSize(650, 509), QSize(900, 700), QSize(400, 300)}) {
        window->resize(size);
        const int top = size.height() - 28 - 5;
        EXPECT_EQ(window->btClose->geometry(), QRect(size.width() - 76 - 6, top, 76, 28));
        EXPECT_EQ(window->btReach->geometry(), QRect(size.width() - 164, top, 76, 28));
        EXPECT_EQ(window->btStatistic->geometry(), QRect(size.width() - 346, top, 176, 28));
    }
}

TEST_F(MainWindow, EnterShowsTheStatisticsWindowBesideIt) {
    addDrive('c', 10, 4);
    open();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(statistics->isVisible());
    EXPECT_FALSE(statistics->isModal());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Timer2->isActive());
    EXPECT_TRUE(dialogs.execTitles.empty());
}

// As quarvo FOLDER...: the statistics window comes up and scans the
// folders, without the wizard.
TEST_F(MainWindow, DroppedFoldersAreScannedInTheStatisticsWindow) {
    QTemporaryDir a, b;
    QFile(a.filePath("f")).open(QIODevice::WriteOnly);
    open();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a.path()), QUrl::fromLocalFile(b.path() + "/")});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(statistics->isVisible());
    QCoreApplication::processEvents();
    finishRun(*statistics);
    EXPECT_EQ(statistics->windowTitle(),
              "Statistics completed for drives " + a.path() + " " + b.path() + " ");
    EXPECT_EQ(statistics->collector.tallies().filesProcessed, 1);
    EXPECT_TRUE(dialogs.execTitles.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindow, ExitPlaysTheClosingAnimationAndASecondRequestCloses) {
    addDrive('c', 10, 4);
    open();
    runOpening();
    window->btClose->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(buttonsHidden());
    EXPECT_TRUE(labelsHidden());
    EXPECT_TRUE(window->Timer1->isActive());
    // Enter no longer presses the hidden button.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    EXPECT_FALSE(statistics->isVisible());
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, AboutRunsTheAboutBoxModallyThroughTheSeam) {
    open();
    QStringList texts;
    dialogs.onExec = [&](QDialog& dialog) {
        auto& about = dynamic_cast<TfrmAbout&>(dialog);
        EXPECT_EQ(about.parentWidget(), window.get());
        texts << about.lblName->text() << about.lblVersion->text();
        emit about.lblHomePage->linkActivated(QStringLiteral("home"));
        return int(QDialog::Accepted);
    };
    window->btReach->click();
    EXPECT_EQ(dialogs.execTitles, std::vector<QString>{QStringLiteral("About Quarvo")});
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("Quarvo"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+")).match(texts[1]).hasMatch());
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_TRUE(dialogs.openedUrls[0].isLocalFile());
}

TEST_F(MainWindow, TheBottomLabelOpensTheHomePageOrSaysWhyNot) {
    open();
    EXPECT_EQ(window->lblBottom->cursor().shape(), Qt::PointingHandCursor);
    window->lblBottomClick();
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_TRUE(dialogs.openedUrls[0].toLocalFile().endsWith(QStringLiteral("/README.md")));
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.openUrlSucceeds = false;
    window->lblBottomClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Couldn't open web browser for home page."));
    EXPECT_EQ(dialogs.beeps, 1);
}

}  // namespace
}  // namespace quarvo::testing
