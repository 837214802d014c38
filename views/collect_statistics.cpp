// "&Collect statistics": the road from the button to a scan.
#include "setup/frm_which_drive.h"
#include "toolkit/dialog_seam.h"
#include "views/frm_statistics.h"

namespace quarvo {

// A fresh wizard for every request, so nothing but the saved lists is
// remembered from the last one.
void TfrmStatistics::btOKClick() {
    TfrmWhichDrive wizard(services_, this);
    dialogs().exec(wizard);
}

}  // namespace quarvo
