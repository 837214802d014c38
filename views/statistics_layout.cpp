// The statistics window's frame: notebook, buttons, status bar, cover
// panel and pie timer at the positions of its fixed layout, then the pages.
#include <QFrame>
#include <QStatusBar>
#include <QTimer>

#include "forms/form_fonts.h"
#include "views/frm_statistics.h"

namespace quarvo {

void TfrmStatistics::buildWindow() {
    setWindowTitle(QStringLiteral("File Statistics Not Yet Collected"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(632, 431);
    setFont(formFont("MS Sans Serif", 11));
    buildNotebook();
    buildButtons();
    buildProgress();
    buildCoverPanel();
    Timer1 = new QTimer(this);
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &TfrmStatistics::Timer1Timer);
}

void TfrmStatistics::buildNotebook() {
    OvcNotebook1 = new Notebook(this);
    OvcNotebook1->setGeometry(0, 0, 632, 382);
    OvcNotebook1->setTabSize({63, 18});
    OvcNotebook1->setActiveCaptionColor(Qt::red);
}

void TfrmStatistics::buildPages() {
    const NumberFormat& numbers = services_.numbers;
    const RunComparison& comparison = comparisonChoice->comparison();
    spacePage = new SpacePage(services_.volumes, *Timer1);
    typesPage = new TypesPage(collector, services_.classes, numbers, *Timer1, comparison);
    sizesPage = new SizesPage(collector, numbers, comparison);
    overhangPage = new OverhangPage(collector, numbers, [this] { setOverhangPageEnabled(false); });
    const auto rebuildCharts = [this] { doFileAges(); };
    accessPage = new DatePage(kAccessDates, collector, numbers, comparison, rebuildCharts);
    createdPage = new DatePage(kCreatedDates, collector, numbers, comparison, rebuildCharts);
    modifiedPage = new DatePage(kModifiedDates, collector, numbers, comparison, rebuildCharts);
    combinedPage = new CombinedPage(collector, numbers, comparison, rebuildCharts);
    attributePage = new AttributePage(collector, numbers, comparison);
    timePage = new TimePage(collector, comparison);
    const std::pair<QWidget*, const char*> pages[] = {
        {spacePage, "Space"},       {typesPage, "Types"},       {sizesPage, "Sizes"},
        {overhangPage, "Overhang"}, {accessPage, "Access"},     {createdPage, "Created"},
        {modifiedPage, "Modified"}, {combinedPage, "Combined"}, {attributePage, "Attribute"},
        {timePage, "Time"}};
    for (const auto& [page, caption] : pages)
        OvcNotebook1->addPage(page, QString::fromLatin1(caption));
    // In the keyboard order the Types listing comes right after the tabs,
    // then the buttons from left to right; the controls of the other pages
    // follow them.
    setTabOrder(btOK->previousInFocusChain(), typesPage->gridTypes);
    setTabOrder(typesPage->gridTypes, comparisonChoice->btCompare);
    setTabOrder(comparisonChoice->btCompare, btOK);
}

void TfrmStatistics::buildButtons() {
    btOK = new GlyphButton(Glyph::Chart, QStringLiteral("&Collect statistics"), this);
    btOK->setGeometry(256, 384, 155, 25);
    btOK->setToolTip(QStringLiteral("Start collecting statistics"));
    btOK->setDefault(true);
    connect(btOK, &QPushButton::clicked, this, &TfrmStatistics::btOKClick);
    btPrint = new GlyphButton(Glyph::Printer, QStringLiteral("&Print page"), this);
    btPrint->setGeometry(424, 384, 105, 25);
    btPrint->setToolTip(QStringLiteral("Print this page only"));
    btCancel = new GlyphButton(Glyph::Exit, QStringLiteral("Close"), this);
    btCancel->setGeometry(544, 384, 81, 25);
    btCancel->setToolTip(QStringLiteral("Cancel operation or close window"));
    connect(btCancel, &QPushButton::clicked, this, &TfrmStatistics::btCancelClick);
    connect(btPrint, &QPushButton::clicked, this, &TfrmStatistics::btPrintClick);
    comparisonChoice = new ComparisonChoice(*this, services_, scanRun);
    comparisonChoice->btCompare->setGeometry(126, 384, 121, 25);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setGeometry(0, 409, 632, 22);
    StatusBar1->setSizeGripEnabled(false);
    connect(comparisonChoice, &ComparisonChoice::changed, this, &TfrmStatistics::refillPages);
    connect(comparisonChoice, &ComparisonChoice::notRemembered, StatusBar1,
            [this](const QString& why) { StatusBar1->showMessage(why); });
}

void TfrmStatistics::buildCoverPanel() {
    pnlNotYet = new QFrame(this);
    pnlNotYet->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlNotYet->setLineWidth(2);
    pnlNotYet->setGeometry(0, 19, 625, 359);
    pnlNotYet->setFont(formFont("MS Sans Serif", 13, true));
    pnlNotYet->hide();
    EsTile1 = new TiledPicture(pnlNotYet);
    EsTile1->setPicture(TiledPicture::lightPattern(150));
    EsTile1->setGeometry(pnlNotYet->contentsRect());
    lblNotYet = new EffectLabel(kNotYetText, pnlNotYet);
    lblNotYet->setFont(formFont("Times New Roman", 36));
    lblNotYet->setTextColor(Qt::blue);
    lblNotYet->setShadow(QColor(128, 128, 0), 4, ShadowDirection::DownRight, true);
    lblNotYet->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblNotYet->setGeometry(16, 13, 593, 140);
    btAbort = new GlyphButton(Glyph::Stop, QStringLiteral("Abort"), pnlNotYet);
    btAbort->setFont(formFont("MS Sans Serif", 13));
    btAbort->setGeometry(250, 170, 121, 41);
    btAbort->hide();
    // Only a click or Space presses it: a stray Enter must not end a long scan.
    btAbort->setAutoDefault(false);
    connect(btAbort, &QPushButton::clicked, this, &TfrmStatistics::btAbortClick);
}

}  // namespace quarvo
