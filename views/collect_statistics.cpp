// "&Collect statistics": the road from the button to a scan.
#include "setup/frm_which_drive.h"
#include "toolkit/dialog_seam.h"
#include "views/frm_statistics.h"

namespace quarvo {

// A fresh wizard for every request, so nothing but the saved lists is
// remembered from the last one; it is gone before the run starts. While a
// run is under way the wizard is not opened at all.
void TfrmStatistics::btOKClick() {
    if (scanRun.running()) return;
    ScanChoice choice;
    {
        TfrmWhichDrive wizard(services_, this);
        if (dialogs().exec(wizard) == QDialog::Accepted) {
            choice = {.drives = wizard.chosenDrives(),
                      .folders = wizard.chosenFolders(),
                      .ruleAllFiles = wizard.ruleAllFiles,
                      .ruleInclude = wizard.ruleInclude,
                      .ruleExclude = wizard.ruleExclude,
                      .fileTypes = wizard.chosenFileTypes()};
        }
    }
    collectStatistics(choice);
}

}  // namespace quarvo
