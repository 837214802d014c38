#include "views/frm_statistics.h"

#include "system/drive_list.h"
#include "views/pick_list_entries.h"

namespace quarvo {

TfrmStatistics::TfrmStatistics(ProgramServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    pckStatDrive = new TPickList(this);
    FormCreate();
}

void TfrmStatistics::FormCreate() {
    PickListEntries drives(*pckStatDrive);
    buildDriveList(services_.volumes, drives, true);
}

}  // namespace quarvo
