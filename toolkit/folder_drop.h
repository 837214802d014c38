#pragma once
// Folders dropped onto a window: a drag is taken only when everything it
// carries is a local folder, so that a file, a web address or text among
// them refuses the whole drop, with the no-drop cursor.

#include <QStringList>

class QDropEvent;
class QMimeData;

namespace quarvo {

// The folders' paths, cleaned and in the platform's form; empty when the
// drag carries anything but local folders.
[[nodiscard]] QStringList droppedFolders(const QMimeData* data);

// Accepts a drag (entering, moving or dropped) of folders alone while the
// window can take it; ignores any other.
void answerFolderDrag(QDropEvent& event, bool canTake);

}  // namespace quarvo
