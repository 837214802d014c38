#include "app/frm_main.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "app/frm_about.h"
#include "app/hint_style.h"
#include "app/home_page.h"
#include "app/pixel_font.h"
#include "app/window_colors.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/folder_drop.h"
#include "views/frm_statistics.h"

namespace quarvo {

TfrmMain::TfrmMain(ProgramServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setFont(pixelFont(QStringLiteral("System"), 13, true));
    QPalette background = palette();
    background.setColor(QPalette::Window, colors::gray);
    setPalette(background);
    setAutoFillBackground(true);
    resize(650, 509);
    createControls();
    connectHandlers();
    // Folders dropped here are scanned in the statistics window, which
    // comes to the front as "&Collect disk statistics" brings it.
    new FolderDropTarget(
        *this, [this] { return statistics_ != nullptr && statistics_->takesFolderDrops(); },
        [this](const QStringList& folders) {
            btStatisticClick();
            statistics_->scanDroppedFolders(folders);
        });
    FormCreate();
}

void TfrmMain::FormCreate() {
    chartSpaceBar->setZoomPercent(20);
    setLabelsVisible(false);
    setWindowTitle(QStringLiteral("Quarvo"));
    HintStyle::applyToApplication();
    placeOnScreen();
}

// Centred at its own size, or maximized on a screen too small for it.
void TfrmMain::placeOnScreen() {
    const QRect screenRect = screen()->geometry();
    if (screenRect.width() > 640) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screenRect));
        return;
    }
    // Filling the screen first keeps the window whole where no window
    // manager maximizes it.
    setGeometry(screen()->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void TfrmMain::FormShow() {
    closeRequests = 0;
    HintStyle::applyToApplication();
    FormResize();
    doDiskSize();
    startOpening();
}

// The buttons make a row in the lower right corner: Exit, About, Collect,
// from right to left.
void TfrmMain::FormResize() {
    const int width = this->width();
    const int height = this->height();
    btClose->move(width - btClose->width() - 6, height - btClose->height() - 5);
    btReach->move(btClose->x() - btReach->width() - 6, btClose->y());
    btStatistic->move(btReach->x() - btStatistic->width() - 6, btClose->y());
}

// The first request starts the closing animation instead of closing; the
// animation's end makes the second, which closes.
void TfrmMain::FormCloseQuery(bool& canClose) {
    ++closeRequests;
    canClose = false;
    if (closeRequests > 1) {
        canClose = true;
        return;
    }
    isOpening = false;
    btClose->hide();
    btReach->hide();
    btStatistic->hide();
    setLabelsVisible(false);
    Timer1->start();
}

void TfrmMain::btStatisticClick() {
    if (statistics_ == nullptr) return;
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

void TfrmMain::btReachClick() {
    TfrmAbout about(this);
    dialogs().exec(about);
}

void TfrmMain::btCloseClick() {
    close();
}

void TfrmMain::lblBottomClick() {
    openHomePage(this);
}

// A main window is shown once; a spontaneous show is only the window
// coming back from being minimized.
void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    chartSpaceBar->setGeometry(rect());
    FormResize();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    FormCloseQuery(canClose);
    event->setAccepted(canClose);
}

// Enter anywhere but on another button presses the default button; a
// hidden button (while closing) presses nothing.
void TfrmMain::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (btStatistic->isVisible()) btStatistic->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrmMain::setLabelsVisible(bool visible) {
    lblTitle->setVisible(visible);
    lblBottom->setVisible(visible);
}

}  // namespace quarvo
