#include "setup/frm_which_drive.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "forms/pick_list_entries.h"
#include "setup/dialog_style.h"
#include "setup/frm_stat_list.h"
#include "setup/typed_pattern.h"
#include "system/drive_list.h"
#include "system/extension_lists.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

QStringList selectedEntries(const TPickList& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i)
        if (list.selected(i)) entries << list.text(i);
    return entries;
}

bool anySelected(const TPickList& list) {
    return !list.selectedItems().isEmpty();
}

}  // namespace

void TfrmWhichDrive::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

// The drives are listed anew each time, so a disc inserted since the last
// scan is offered; an empty CD-ROM drive is offered too.
void TfrmWhichDrive::FormShow() {
    centreOnScreen(*this);
    PickListEntries drives(*pckDrive);
    buildDriveList(services_.volumes, drives, false);
    loadFolders();
    pckDriveClick();
    showPage(Panel1, btNext1, pckDrive);
    ruleAllFiles = true;
}

void TfrmWhichDrive::pckDriveClick() {
    btNext1->setEnabled(anySelected(*pckDrive));
}

void TfrmWhichDrive::SelectAll1Click() {
    pckDrive->selectAll();
    pckDriveClick();
}

void TfrmWhichDrive::Deselectall1Click() {
    pckDrive->clearSelection();
    pckDriveClick();
}

void TfrmWhichDrive::btCancel1Click() {
    reject();
}

void TfrmWhichDrive::btNext1Click() {
    showPage(Panel2, btNext2, checkedRule());
}

void TfrmWhichDrive::btPrior2Click() {
    showPage(Panel1, btNext1, pckDrive);
}

void TfrmWhichDrive::btNext2Click() {
    btOK->setEnabled(false);
    if (rbInclude->isChecked()) {
        lblSelect->setText(QStringLiteral("Selected file types only"));
    } else if (rbExclude->isChecked()) {
        lblSelect->setText(QStringLiteral("All file types except ..."));
    } else {
        ruleAllFiles = true;
        accept();
        return;
    }
    const bool damaged = loadTypes(listName());
    showPage(Panel3, btOK, PickList1);
    if (damaged) warnOfDamagedList();
}

void TfrmWhichDrive::btPrior3Click() {
    showPage(Panel2, btNext2, checkedRule());
}

void TfrmWhichDrive::PickList1Click() {
    const auto chosen = PickList1->selectedItems().size();
    btOK->setEnabled(chosen > 0 && anySelected(*pckDrive));
    lblOf->setText(QStringLiteral("%1/%2").arg(chosen).arg(PickList1->count()));
    placeCounter();
}

void TfrmWhichDrive::SelectAll2Click() {
    PickList1->selectAll();
    PickList1Click();
}

void TfrmWhichDrive::DeselectAll2Click() {
    PickList1->clearSelection();
    PickList1Click();
}

// Whatever the editor's result, the list is read back from the file: after
// Close it holds what the editor saved, after the close box (or a failed
// save) what was there before.
void TfrmWhichDrive::btEditClick() {
    const std::string name = listName();
    {
        TfrmStatList editor(services_, name, this);
        dialogs().exec(editor);
    }
    loadTypes(name);
}

void TfrmWhichDrive::btOKClick() {
    ruleAllFiles = rbAll->isChecked();
    ruleInclude = rbInclude->isChecked();
    ruleExclude = rbExclude->isChecked();
    accept();
}

QStringList TfrmWhichDrive::chosenFileTypes() const {
    return selectedEntries(*PickList1);
}

void TfrmWhichDrive::showPage(QFrame* page, QPushButton* defaultButton, QWidget* focus) {
    for (QFrame* each : {Panel1, Panel2, Panel3}) each->setVisible(each == page);
    defaultButton->setDefault(true);
    focus->setFocus();
}

QRadioButton* TfrmWhichDrive::checkedRule() const {
    if (rbInclude->isChecked()) return rbInclude;
    return rbExclude->isChecked() ? rbExclude : rbAll;
}

std::string TfrmWhichDrive::listName() const {
    return rbInclude->isChecked() ? "Include" : "Exclude";
}

bool TfrmWhichDrive::loadTypes(const std::string& name) {
    PickListEntries types(*PickList1);
    const bool damaged = ReadStatFilesFromDisk(services_.profile, services_.classes, types, name);
    fitPatternColumn(*PickList1, kTabStop);
    PickList1Click();
    return damaged;
}

// Told over the page that shows the standard list in place of the saved one,
// once for each list: the page's heading names the list, and "Add/Delete"
// is where a save would replace it.
void TfrmWhichDrive::warnOfDamagedList() {
    QRadioButton* rule = checkedRule();
    if (!warnedOf_.insert(rule).second) return;
    showError(QStringLiteral("The saved list of file types for \"%1\" cannot be read: the "
                             "settings file gives it no valid count, so the standard list is "
                             "shown. Closing \"Add/Delete\" with Close saves the list shown in "
                             "its place.")
                  .arg(rule->text().remove(u'&')),
              this);
}

}  // namespace quarvo
