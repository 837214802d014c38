// Copying a grid's listing to the clipboard, by Ctrl+C and by the item
// "Copy listing" at the end of its context menu.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>

#include "toolkit/grid/string_grid.h"

namespace quarvo {
namespace {

// The item of a menu; a window may give one menu to several grids, so the
// item copies the grid that showed the menu last.
class CopyListingAction : public QAction {
public:
    static constexpr const char* name = "quarvoCopyListing";

    explicit CopyListingAction(QMenu* menu)
        : QAction(QStringLiteral("Copy listing"), menu), separator_(new QAction(menu)) {
        setObjectName(QString::fromLatin1(name));
        separator_->setSeparator(true);
        setShortcut(QKeySequence::Copy);
        setShortcutContext(Qt::WidgetShortcut);
        connect(this, &QAction::triggered, this, [this] {
            if (grid) grid->copyListing();
        });
    }
    // Puts the item, after a separator when the menu has other items, at
    // the end, where it stays even when the window adds items later.
    void placeLast(QMenu& menu) {
        menu.removeAction(separator_);
        menu.removeAction(this);
        if (!menu.actions().isEmpty()) menu.addAction(separator_);
        menu.addAction(this);
    }

    QPointer<StringGrid> grid;

private:
    QAction* separator_;
};

CopyListingAction* copyItemLast(QMenu& menu) {
    auto* item = dynamic_cast<CopyListingAction*>(menu.findChild<QAction*>(
        QString::fromLatin1(CopyListingAction::name), Qt::FindDirectChildrenOnly));
    if (!item) item = new CopyListingAction(&menu);
    item->placeLast(menu);
    return item;
}

QString cellText(QString text) {
    text.replace(u'\t', u' ');
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

}  // namespace

QMenu* StringGrid::contextMenu() {
    if (!popup_ && !ownMenu_) ownMenu_ = new QMenu(this);
    QMenu* menu = popup_ ? popup_ : ownMenu_;
    copyItemLast(*menu)->grid = this;
    return menu;
}

QString StringGrid::listingText() const {
    QString out;
    for (const QStringList& cells : rows_) {
        QStringList line;
        for (const QString& text : cells) line << cellText(text);
        out += line.join(u'\t') + u'\n';
    }
    return out;
}

void StringGrid::copyListing() const {
    QGuiApplication::clipboard()->setText(listingText());
}

}  // namespace quarvo
