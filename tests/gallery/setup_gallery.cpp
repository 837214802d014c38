// Gallery pages of the scan set-up: the wizard's three pages, the list
// editor and the extension picker, on fake drives and file types.
#include <QApplication>
#include <QListWidget>
#include <QRadioButton>

#include "setup/frm_select_extension.h"
#include "setup/frm_stat_list.h"
#include "setup/frm_which_drive.h"
#include "tests/fakes/setup_machine.h"
#include "tests/gallery/gallery.h"
#include "toolkit/focus_frame_style.h"

namespace quarvo::gallery {
namespace {

using testing::SetupMachine;

// Seven saved types to include: one unknown to the registry, two with long
// extensions.
void saveIncludeList(SetupMachine& machine) {
    machine.saveList("Include",
                     {"*.desktop", "*.doc", "*.htm", "*.pdf", "*.properties", "*.qqq", "*.xls"});
}

void settle(QWidget& window) {
    window.show();
    QApplication::processEvents();
}

const GalleryPage wizardPage("setup-wizard", [](const QString& folder) {
    SetupMachine machine;
    saveIncludeList(machine);
    TfrmWhichDrive wizard(machine.services);
    settle(wizard);
    saveWidget(wizard, folder, "wizard-drives");
    wizard.btNext1Click();
    wizard.rbInclude->setChecked(true);
    saveWidget(wizard, folder, "wizard-rule");
    wizard.btNext2Click();
    wizard.PickList1->setSelected(0, true);
    wizard.PickList1->setSelected(2, true);
    wizard.PickList1Click();
    saveWidget(wizard, folder, "wizard-types");
});

// Page 2 as a keyboard user comes to it from page 1: the focus, on the
// chosen rule, is framed before any key is pressed on the page.
const GalleryPage wizardFocusPage("setup-wizard-focus", [](const QString& folder) {
    SetupMachine machine;
    FocusFrameStyle style(QApplication::style()->name());
    TfrmWhichDrive wizard(machine.services);
    wizard.setStyle(&style);
    for (QWidget* child : wizard.findChildren<QWidget*>()) child->setStyle(&style);
    settle(wizard);
    wizard.activateWindow();
    QApplication::processEvents();
    wizard.btNext1Click();
    QApplication::processEvents();
    saveWidget(wizard, folder, "wizard-rule-focus");
});

// Two folders added at earlier scans, offered after the drives; one ticked.
const GalleryPage wizardFoldersPage("setup-wizard-folders", [](const QString& folder) {
    SetupMachine machine;
    machine.profile.sections.push_back({"Folders",
                                        {{"Number", "2"},
                                         {"Folder1", "/home/me/Documents"},
                                         {"Folder2", "/media/backup/Photos 2019"}}});
    TfrmWhichDrive wizard(machine.services);
    settle(wizard);
    wizard.pckDrive->setSelected(wizard.pckDrive->count() - 1, true);
    wizard.pckDriveClick();
    saveWidget(wizard, folder, "wizard-drives-with-folders");
});

// A list filled from the picker: a counter of three digits on each side of
// the slash, below each heading.
const GalleryPage longListPage("setup-wizard-long-list", [](const QString& folder) {
    SetupMachine machine;
    std::vector<std::string> patterns;
    for (int n = 0; n < 905; ++n) patterns.push_back("*.t" + std::to_string(n));
    machine.saveList("Include", patterns);
    machine.saveList("Exclude", patterns);
    TfrmWhichDrive wizard(machine.services);
    settle(wizard);
    wizard.btNext1Click();
    wizard.rbInclude->setChecked(true);
    wizard.btNext2Click();
    wizard.SelectAll2Click();
    saveWidget(wizard, folder, "wizard-types-905");
    wizard.btPrior3Click();
    wizard.rbExclude->setChecked(true);
    wizard.btNext2Click();
    for (int i = 0; i < 123; ++i) wizard.PickList1->setSelected(i, true);
    saveWidget(wizard, folder, "wizard-types-except-123");
});

const GalleryPage editorPage("setup-editor", [](const QString& folder) {
    SetupMachine machine;
    saveIncludeList(machine);
    TfrmStatList editor(machine.services, "Include");
    settle(editor);
    editor.PickList1->setSelected(1, true);
    editor.PickList1->setSelected(2, true);
    saveWidget(editor, folder, "editor");
});

const GalleryPage pickerPage("setup-picker", [](const QString& folder) {
    SetupMachine machine;
    TfrmSelectExtension picker(machine.services);
    settle(picker);
    picker.lBox->item(3)->setSelected(true);
    picker.lBox->setCurrentRow(3, QItemSelectionModel::NoUpdate);
    picker.lBoxClick();
    saveWidget(picker, folder, "picker");
});

}  // namespace
}  // namespace quarvo::gallery
