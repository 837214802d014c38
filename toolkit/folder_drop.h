#pragma once
// Folders dropped onto a window: a drag is taken only when everything it
// carries is a local folder, so that a file, a web address or text among
// them refuses the whole drop, with the no-drop cursor.

#include <QObject>
#include <QStringList>
#include <functional>

class QDropEvent;
class QMimeData;
class QWidget;

namespace quarvo {

// The folders' paths, cleaned and in the platform's form; empty when the
// drag carries anything but local folders.
[[nodiscard]] QStringList droppedFolders(const QMimeData* data);

// Makes a window take drags of folders alone, while canTake says it can, and
// hands each dropped set of folders to dropped. Owned by the window.
class FolderDropTarget : public QObject {
public:
    FolderDropTarget(QWidget& window, std::function<bool()> canTake,
                     std::function<void(const QStringList&)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Accepts or ignores a drag entering, moving or dropped.
    bool answer(QDropEvent& event) const;

    std::function<bool()> canTake_;
    std::function<void(const QStringList&)> dropped_;
};

}  // namespace quarvo
