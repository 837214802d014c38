// Folders in the wizard's drive list: added through the folder chooser,
// listed after the drives by their paths, scanned as if each were the root
// of a drive, and remembered in the settings file for the next scan.
#include <QAction>
#include <QDir>

#include "collect/scan_targets.h"
#include "setup/frm_which_drive.h"
#include "system/added_folders.h"
#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

// Marks an entry of pckDrive as a folder rather than a drive.
constexpr int kFolderRole = Qt::UserRole;

}  // namespace

void TfrmWhichDrive::btAddFolderClick() {
    const QString chosen =
        dialogs().chooseFolder(this, QStringLiteral("Add folder"), QDir::homePath());
    if (chosen.isEmpty()) return;
    const QString folder = QDir::toNativeSeparators(QDir::cleanPath(QDir(chosen).absolutePath()));
    const std::string path = folder.toStdString();
    if (const std::string problem = folderProblem(path); !problem.empty()) {
        showError(QString::fromStdString(cannotScanText(path, problem)) +
                      QStringLiteral("\nThe folder was not added."),
                  this);
        return;
    }
    int entry = folderEntry(folder);
    if (entry >= 0) {
        pckDrive->setSelected(entry, true);
    } else {
        entry = addFolderEntry(folder, true);
        saveFolders();
    }
    pckDriveClick();
    // From the list, Enter goes on to the next page and Space unticks the
    // folder; from the button, Enter would open the chooser again.
    pckDrive->setCurrentRow(entry, QItemSelectionModel::NoUpdate);
    pckDrive->setFocus();
}

void TfrmWhichDrive::pckDriveMenu(const QPoint& at) {
    const QModelIndex index = pckDrive->indexAt(at);
    menuEntry_ = index.isValid() ? index.row() : pckDrive->currentRow();
    RemoveFolder1->setEnabled(isFolder(menuEntry_));
}

void TfrmWhichDrive::RemoveFolder1Click() {
    if (!isFolder(menuEntry_)) return;
    delete pckDrive->takeItem(menuEntry_);
    menuEntry_ = -1;
    saveFolders();
    pckDriveClick();
}

QStringList TfrmWhichDrive::chosenDrives() const {
    return selectedDriveEntries(false);
}

QStringList TfrmWhichDrive::chosenFolders() const {
    return selectedDriveEntries(true);
}

// A damaged list was read whole, so saving it again with a count loses none
// of its folders; the user is told once per wizard.
void TfrmWhichDrive::loadFolders() {
    const SavedFolders saved = readAddedFolders(services_.profile);
    for (const std::string& folder : saved.folders)
        addFolderEntry(QString::fromStdString(folder), false);
    if (saved.damaged)
        showError(QStringLiteral("The list of added folders in the settings file has no valid "
                                 "count. Every folder found in it is offered, and the list is "
                                 "saved again when a folder is added or removed."),
                  this);
}

void TfrmWhichDrive::saveFolders() {
    std::vector<std::string> folders;
    for (int i = 0; i < pckDrive->count(); ++i)
        if (isFolder(i)) folders.push_back(pckDrive->text(i).toStdString());
    try {
        writeAddedFolders(services_.profile, folders);
    } catch (const ProfileWriteError& error) {
        showError(QString::fromStdString(error.what()) +
                      QStringLiteral("\nThe folders listed here can be scanned now, but the "
                                     "list will not be the same next time."),
                  this);
    }
}

int TfrmWhichDrive::folderEntry(const QString& folder) const {
    for (int i = 0; i < pckDrive->count(); ++i)
        if (isFolder(i) && pckDrive->text(i) == folder) return i;
    return -1;
}

int TfrmWhichDrive::addFolderEntry(const QString& folder, bool ticked) {
    const int index = pckDrive->add(folder);
    QListWidgetItem* entry = pckDrive->item(index);
    entry->setData(kFolderRole, true);
    entry->setToolTip(folder);
    pckDrive->setSelected(index, ticked);
    return index;
}

bool TfrmWhichDrive::isFolder(int index) const {
    const QListWidgetItem* entry = pckDrive->item(index);
    return entry != nullptr && entry->data(kFolderRole).toBool();
}

QStringList TfrmWhichDrive::selectedDriveEntries(bool folders) const {
    QStringList entries;
    for (int i = 0; i < pckDrive->count(); ++i)
        if (pckDrive->selected(i) && isFolder(i) == folders) entries << pckDrive->text(i);
    return entries;
}

}  // namespace quarvo
