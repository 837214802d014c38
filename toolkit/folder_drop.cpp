#include "toolkit/folder_drop.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace quarvo {

QStringList droppedFolders(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    QStringList folders;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        const QFileInfo info(url.toLocalFile());
        if (!info.isDir()) return {};
        folders << QDir::toNativeSeparators(QDir::cleanPath(info.absoluteFilePath()));
    }
    return folders;
}

void answerFolderDrag(QDropEvent& event, bool canTake) {
    if (canTake && !droppedFolders(event.mimeData()).isEmpty())
        event.acceptProposedAction();
    else
        event.ignore();
}

}  // namespace quarvo
