// Folders dropped onto either window start a scan of them, as if they had
// been named on the command line.
#include <QTimer>

#include "views/frm_statistics.h"

namespace quarvo {

// The scan waits until the drop has ended, so that the program the folders
// came from is not held up by a box the start of a run may show.
void TfrmStatistics::scanDroppedFolders(const QStringList& folders) {
    std::vector<std::string> targets;
    for (const QString& folder : folders) targets.push_back(folder.toStdString());
    QTimer::singleShot(0, this, [this, targets] { scanCommandLineTargets(targets); });
}

}  // namespace quarvo
