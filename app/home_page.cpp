#include "app/home_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"

namespace quarvo {

QUrl homePageUrl(const QString& programDir, const QString& sourceReadme) {
    const QString installed =
        QDir(programDir).absoluteFilePath(QStringLiteral("../share/doc/quarvo/README.md"));
    for (const QString& candidate : {installed, sourceReadme}) {
        const QFileInfo file(candidate);
        if (!candidate.isEmpty() && file.isFile())
            return QUrl::fromLocalFile(file.canonicalFilePath());
    }
    return {};
}

QUrl homePageUrl() {
    return homePageUrl(QCoreApplication::applicationDirPath(),
                       QStringLiteral(QUARVO_SOURCE_README));
}

void openHomePage(QWidget* parent) {
    const QUrl url = homePageUrl();
    if (url.isEmpty() || !dialogs().openUrl(url))
        showError(QStringLiteral("Couldn't open web browser for home page."), parent);
}

}  // namespace quarvo
