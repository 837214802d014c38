#include "setup/frm_stat_list.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <exception>

#include "forms/pick_list_entries.h"
#include "setup/dialog_style.h"
#include "setup/frm_select_extension.h"
#include "setup/typed_pattern.h"
#include "system/extension_lists.h"
#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

// Where the list's description column starts, in average character widths.
constexpr int kTabStop = 16;

}  // namespace

TfrmStatList::TfrmStatList(ProgramServices& services, std::string sectionName, QWidget* owner)
    : QDialog(owner), services_(services), sectionName_(std::move(sectionName)) {
    setUpDialogFrame(*this, QStringLiteral("File types"), {367, 348});
    buildControls();
    buildButtons();
}

void TfrmStatList::buildControls() {
    Label1 = makeHeading(QStringLiteral("File Types"), this);
    Label1->setGeometry(8, 4, 130, 34);
    lblCount = makeHeading(QString(), this);
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblCount->setGeometry(138, 4, 134, 34);
    PickList1 = new TPickList(this);
    PickList1->setGeometry(8, 42, 264, 248);
    PickList1->setSelectedStyle(TSelectedStyle::psStandard);
    PickList1->setTabStops(QString::number(kTabStop));
    PickList1->setItemHeight(13);
    PickList1->setExtendedSelect(true);
    PickList1->setSorted(true);
    PickList1->setColor(palette().color(QPalette::Button));
    PickList1->setToolTip(QStringLiteral("List of temporary file extensions and types"));
    Label2 = new QLabel(
        QStringLiteral("Hint: Drag mouse or use ctrl-click to select multiple file types."), this);
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 298, 264, 42);
}

void TfrmStatList::buildButtons() {
    const auto place = [this](QPushButton* button, int top, const char* hint) {
        button->setGeometry(280, top, 79, 25);
        button->setToolTip(QString::fromLatin1(hint));
    };
    btAdd = new QPushButton(QStringLiteral("&Add"), this);
    place(btAdd, 42, "Add a file extension to this list");
    btDelete = new QPushButton(QStringLiteral("&Delete"), this);
    place(btDelete, 74, "Delete a file extension");
    btClear = new QPushButton(QStringLiteral("&Clear all"), this);
    place(btClear, 106, "Clear all extensions");
    btClose = new GlyphButton(Glyph::Exit, QStringLiteral("Close"), this);
    place(btClose, 265, "Close window");
    // Enter, like Esc, ends the editing; a focused button still takes it.
    btClose->setDefault(true);
    connect(btAdd, &QPushButton::clicked, this, &TfrmStatList::btAddClick);
    connect(btDelete, &QPushButton::clicked, this, &TfrmStatList::btDeleteClick);
    connect(btClear, &QPushButton::clicked, this, &TfrmStatList::btClearClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmStatList::btCloseClick);
}

void TfrmStatList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmStatList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmStatList::FormShow() {
    centreOnScreen(*this);
    PickListEntries entries(*PickList1);
    // A damaged saved list has been pointed out by the wizard, over the page
    // that shows it.
    ReadStatFilesFromDisk(services_.profile, services_.classes, entries, sectionName_);
    fitPatternColumn(*PickList1, kTabStop);
    showCount();
}

void TfrmStatList::btAddClick() {
    TfrmSelectExtension picker(services_, this);
    if (dialogs().exec(picker) == QDialog::Accepted) addChosen(picker);
    fitPatternColumn(*PickList1, kTabStop);
    showCount();
}

void TfrmStatList::addChosen(const TfrmSelectExtension& picker) {
    if (!picker.severalChosen) {
        if (!picker.chosenPattern.isEmpty())
            addUnlessListed(picker.chosenPattern + u'\t' + picker.chosenDescription);
        return;
    }
    for (const QListWidgetItem* item : picker.lBox->selectedItems()) addUnlessListed(item->text());
}

void TfrmStatList::addUnlessListed(const QString& entry) {
    for (int i = 0; i < PickList1->count(); ++i)
        if (PickList1->text(i).compare(entry, Qt::CaseInsensitive) == 0) return;
    PickList1->add(entry);
}

void TfrmStatList::btDeleteClick() {
    const auto chosen = PickList1->selectedItems().size();
    if (chosen > 1 && confirm(QStringLiteral("Confirm"),
                              QStringLiteral("Really delete %1 extensions?").arg(chosen),
                              this) != MessageAnswer::Yes)
        return;
    for (int i = PickList1->count() - 1; i >= 0; --i)
        if (PickList1->selected(i)) delete PickList1->takeItem(i);
    showCount();
}

void TfrmStatList::btClearClick() {
    if (confirm(QStringLiteral("Confirm"), QStringLiteral("Really clear out all extensions?"),
                this) != MessageAnswer::Yes)
        return;
    PickList1->clear();
    showCount();
}

void TfrmStatList::btCloseClick() {
    try {
        WriteStatFilesToDisk(services_.profile, PickListEntries(*PickList1), sectionName_);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()), this);
        reject();
        return;
    }
    accept();
}

void TfrmStatList::showCount() {
    lblCount->setText(QStringLiteral("%1 available").arg(PickList1->count()));
}

}  // namespace quarvo
