// The wizard's three pages and their controls, at the positions of its fixed
// layout: each page fills the client area but for a 2-pixel margin.
#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "setup/dialog_style.h"
#include "setup/frm_which_drive.h"

namespace quarvo {
namespace {

constexpr int kMargin = 8;
constexpr int kButtonTop = 280;
constexpr int kHeadingHeight = 34;
// The counter's least width; a longer count takes room from the heading.
constexpr int kCounterWidth = 75;

}  // namespace

TfrmWhichDrive::TfrmWhichDrive(ProgramServices& services, QWidget* owner)
    : QDialog(owner), services_(services) {
    setUpDialogFrame(*this, QStringLiteral("Which drives and file types?"),
                     kPageSize + QSize(2, 2));
    buildDrivePage();
    buildRulePage();
    buildTypesPage();
    connectHandlers();
}

QFrame* TfrmWhichDrive::makePage() {
    auto* page = new QFrame(this);
    page->setFrameStyle(QFrame::Panel | QFrame::Raised);
    page->setGeometry(QRect(QPoint(0, 0), kPageSize));
    return page;
}

TPickList* TfrmWhichDrive::makePickList(QFrame* page, int top, int height) {
    auto* list = new TPickList(page);
    list->setGeometry(kMargin, top, kPageSize.width() - 2 * kMargin, height);
    list->setTabStops(QString::number(kTabStop));
    list->setItemHeight(16);
    list->setToolTip(QStringLiteral("Right click to select/deselect all"));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    return list;
}

QPushButton* TfrmWhichDrive::makeButton(QFrame* page, const QString& caption, int left, int width) {
    auto* button = new QPushButton(caption, page);
    button->setGeometry(left, kButtonTop, width, 25);
    return button;
}

QMenu* TfrmWhichDrive::makeSelectMenu(TPickList* list, QAction*& selectAll, QAction*& deselectAll) {
    auto* menu = new QMenu(this);
    selectAll = menu->addAction(QStringLiteral("Select All"));
    deselectAll = menu->addAction(QStringLiteral("Deselect All"));
    connect(list, &QWidget::customContextMenuRequested, menu,
            [menu, list](const QPoint& at) { menu->popup(list->viewport()->mapToGlobal(at)); });
    return menu;
}

void TfrmWhichDrive::buildDrivePage() {
    Panel1 = makePage();
    EsLabel1 = makeHeading(QStringLiteral("Which drives?"), Panel1);
    EsLabel1->setGeometry(kMargin, 4, 265, kHeadingHeight);
    pckDrive = makePickList(Panel1, 42, 230);
    connect(pckDrive, &QWidget::customContextMenuRequested, this, &TfrmWhichDrive::pckDriveMenu);
    PopupMenu1 = makeSelectMenu(pckDrive, SelectAll1, Deselectall1);
    PopupMenu1->addSeparator();
    RemoveFolder1 = PopupMenu1->addAction(QStringLiteral("&Remove folder"));
    btAddFolder = makeButton(Panel1, QStringLiteral("Add &folder\u2026"), kMargin, 88);
    btAddFolder->setToolTip(QStringLiteral("Scan a folder as if it were a drive"));
    btCancel1 = makeButton(Panel1, QStringLiteral("Cancel"), 104);
    btNext1 = makeButton(Panel1, QStringLiteral("&Next >>"), 193);
}

void TfrmWhichDrive::buildRulePage() {
    Panel2 = makePage();
    EsLabel3 = makeHeading(QStringLiteral("Which file types?"), Panel2);
    EsLabel3->setGeometry(kMargin, 4, 265, kHeadingHeight);
    btPrior2 = makeButton(Panel2, QStringLiteral("<< &Previous"), 104);
    btNext2 = makeButton(Panel2, QStringLiteral("&Next >>"), 193);
    const char* captions[] = {"&All files", "&Selected file types only",
                              "All files &except selected file types"};
    QRadioButton** buttons[] = {&rbAll, &rbInclude, &rbExclude};
    for (int i = 0; i < 3; ++i) {
        *buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), Panel2);
        (*buttons[i])->setGeometry(24, 80 + 32 * i, 240, 20);
    }
    rbAll->setChecked(true);
}

void TfrmWhichDrive::buildTypesPage() {
    Panel3 = makePage();
    lblSelect = makeHeading(QString(), Panel3);
    lblOf = makeHeading(QString(), Panel3);
    lblOf->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblOf->setWordWrap(false);
    placeCounter();
    PickList1 = makePickList(Panel3, 66, 206);
    PickList1->setSorted(true);
    PopupMenu2 = makeSelectMenu(PickList1, SelectAll2, DeselectAll2);
    btEdit = makeButton(Panel3, QStringLiteral("&Add/Delete"), kMargin, 88);
    btEdit->setToolTip(QStringLiteral("Add, delete file types"));
    btPrior3 = makeButton(Panel3, QStringLiteral("<< &Previous"), 104);
    btOK = makeButton(Panel3, QStringLiteral("OK"), 193);
}

// The heading keeps to one line. The counter, shown whole, stands beside it
// where both fit, else right-aligned on the line below, above the list.
void TfrmWhichDrive::placeCounter() {
    const int right = kPageSize.width() - kMargin;
    const int counterWidth = std::max(kCounterWidth, lblOf->sizeHint().width());
    const int headingWidth = lblSelect->sizeHint().width();
    const bool beside = kMargin + headingWidth + counterWidth <= right;
    const int counterTop = beside ? 4 : 4 + lblSelect->fontMetrics().lineSpacing();
    lblOf->setGeometry(right - counterWidth, counterTop, counterWidth, kHeadingHeight);
    const int headingRight = beside ? right - counterWidth : right;
    lblSelect->setGeometry(kMargin, 4, headingRight - kMargin, kHeadingHeight);
}

void TfrmWhichDrive::connectHandlers() {
    // Every way of ticking counts: a click, the space bar, Ctrl+A, the menus.
    connect(pckDrive, &QListWidget::itemSelectionChanged, this, &TfrmWhichDrive::pckDriveClick);
    connect(SelectAll1, &QAction::triggered, this, &TfrmWhichDrive::SelectAll1Click);
    connect(Deselectall1, &QAction::triggered, this, &TfrmWhichDrive::Deselectall1Click);
    connect(RemoveFolder1, &QAction::triggered, this, &TfrmWhichDrive::RemoveFolder1Click);
    connect(btAddFolder, &QPushButton::clicked, this, &TfrmWhichDrive::btAddFolderClick);
    connect(btCancel1, &QPushButton::clicked, this, &TfrmWhichDrive::btCancel1Click);
    connect(btNext1, &QPushButton::clicked, this, &TfrmWhichDrive::btNext1Click);
    connect(btPrior2, &QPushButton::clicked, this, &TfrmWhichDrive::btPrior2Click);
    connect(btNext2, &QPushButton::clicked, this, &TfrmWhichDrive::btNext2Click);
    connect(btPrior3, &QPushButton::clicked, this, &TfrmWhichDrive::btPrior3Click);
    connect(PickList1, &QListWidget::itemSelectionChanged, this, &TfrmWhichDrive::PickList1Click);
    connect(SelectAll2, &QAction::triggered, this, &TfrmWhichDrive::SelectAll2Click);
    connect(DeselectAll2, &QAction::triggered, this, &TfrmWhichDrive::DeselectAll2Click);
    connect(btEdit, &QPushButton::clicked, this, &TfrmWhichDrive::btEditClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmWhichDrive::btOKClick);
}

}  // namespace quarvo
