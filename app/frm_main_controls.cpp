// The main window's controls: the chart filling the window, the two 3-D
// labels docked inside the chart, and the buttons lying over its lower right
// corner.
#include <QVBoxLayout>

#include "app/frm_main.h"
#include "app/home_page.h"
#include "app/pixel_font.h"
#include "app/window_colors.h"

namespace quarvo {

void TfrmMain::createControls() {
    chartSpaceBar = new Chart(this);
    setUpChart();
    createLabels();
    // Created after the chart, so they lie over it.
    createButtons();
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    Timer2 = new QTimer(this);
    Timer2->setInterval(55);
}

void TfrmMain::createLabels() {
    lblTitle = new EffectLabel(QStringLiteral("Quarvo - Disk Statistics"), chartSpaceBar);
    lblTitle->setFixedHeight(57);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setFont(pixelFont(QStringLiteral("Times New Roman"), 29));
    lblTitle->setTextColor(colors::olive);
    lblTitle->setHighlightColor(colors::yellow);
    lblTitle->setShadow(colors::gray, 0, ShadowDirection::UpRight, true);

    lblBottom = new EffectLabel(homePageCaption, chartSpaceBar);
    lblBottom->setFixedHeight(41);
    lblBottom->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblBottom->setFont(pixelFont(QStringLiteral("Times New Roman"), 27));
    lblBottom->setTextColor(colors::fuchsia);
    lblBottom->setShadow(colors::navy, 7, ShadowDirection::UpRight, true);
    lblBottom->setClickable(true);
    lblBottom->setToolTip(homePageHint());

    auto* docks = new QVBoxLayout(chartSpaceBar);
    docks->setContentsMargins(0, 0, 0, 0);
    docks->setSpacing(0);
    docks->addWidget(lblTitle);
    docks->addStretch();
    docks->addWidget(lblBottom);
}

void TfrmMain::createButtons() {
    btStatistic = new GlyphButton(Glyph::Chart, QStringLiteral("&Collect disk statistics"), this);
    btStatistic->setFixedSize(176, 28);
    btStatistic->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    btStatistic->setDefault(true);
    btReach = new GlyphButton(Glyph::Question, QStringLiteral("&About"), this);
    btReach->setFixedSize(76, 28);
    btReach->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    btClose = new GlyphButton(Glyph::Exit, QStringLiteral("E&xit"), this);
    btClose->setFixedSize(76, 28);
    btClose->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    btClose->setToolTip(QStringLiteral("Quit and close "));
    // Enter on a focused button presses that button, as in a dialog.
    for (GlyphButton* button : {btStatistic, btReach, btClose}) button->setAutoDefault(true);
    setTabOrder(btReach, btClose);
    setTabOrder(btClose, chartSpaceBar);
    setTabOrder(chartSpaceBar, btStatistic);
    btStatistic->setFocus();
}

void TfrmMain::connectHandlers() {
    connect(btStatistic, &QPushButton::clicked, this, &TfrmMain::btStatisticClick);
    connect(btReach, &QPushButton::clicked, this, &TfrmMain::btReachClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmMain::btCloseClick);
    connect(lblBottom, &EffectLabel::clicked, this, &TfrmMain::lblBottomClick);
    connect(chartSpaceBar, &Chart::doubleClicked, this, &TfrmMain::chartSpaceBarDblClick);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmMain::Timer2Timer);
}

}  // namespace quarvo
