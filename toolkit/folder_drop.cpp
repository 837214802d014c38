#include "toolkit/folder_drop.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

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

FolderDropTarget::FolderDropTarget(QWidget& window, std::function<bool()> canTake,
                                   std::function<void(const QStringList&)> dropped)
    : QObject(&window), canTake_(std::move(canTake)), dropped_(std::move(dropped)) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FolderDropTarget::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
            answer(static_cast<QDropEvent&>(*event));
            return true;
        case QEvent::Drop: {
            auto& drop = static_cast<QDropEvent&>(*event);
            if (answer(drop)) dropped_(droppedFolders(drop.mimeData()));
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

bool FolderDropTarget::answer(QDropEvent& event) const {
    const bool taken = canTake_() && !droppedFolders(event.mimeData()).isEmpty();
    if (taken)
        event.acceptProposedAction();
    else
        event.ignore();
    return taken;
}

}  // namespace quarvo
