// Folders dropped onto the main window are scanned in the statistics
// window, which comes to the front as "&Collect disk statistics" brings it.
#include <QDropEvent>

#include "app/frm_main.h"
#include "toolkit/folder_drop.h"
#include "views/frm_statistics.h"

namespace quarvo {

bool TfrmMain::takesFolderDrops() const {
    return statistics_ != nullptr && statistics_->takesFolderDrops();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    answerFolderDrag(*event, takesFolderDrops());
}

void TfrmMain::dragMoveEvent(QDragMoveEvent* event) {
    answerFolderDrag(*event, takesFolderDrops());
}

void TfrmMain::dropEvent(QDropEvent* event) {
    answerFolderDrag(*event, takesFolderDrops());
    if (!event->isAccepted()) return;
    btStatisticClick();
    statistics_->scanDroppedFolders(droppedFolders(event->mimeData()));
}

}  // namespace quarvo
