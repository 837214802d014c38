#include "app/home_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "toolkit/dialog_seam.h"
#include "toolkit/message_boxes.h"

namespace quarvo {
namespace {

enum class ReadmeKind { installed, source, none };

struct Readme {
    ReadmeKind kind = ReadmeKind::none;
    QString path;  // canonical, when found
};

Readme findReadme(const QString& programDir, const QString& sourceReadme) {
    const QString installed =
        QDir(programDir).absoluteFilePath(QStringLiteral("../share/doc/quarvo/README.md"));
    const std::pair<ReadmeKind, QString> candidates[] = {{ReadmeKind::installed, installed},
                                                         {ReadmeKind::source, sourceReadme}};
    for (const auto& [kind, candidate] : candidates) {
        const QFileInfo file(candidate);
        if (!candidate.isEmpty() && file.isFile()) return {kind, file.canonicalFilePath()};
    }
    return {};
}

QString runningProgramDir() {
    return QCoreApplication::applicationDirPath();
}
QString sourceTreeReadme() {
    return QStringLiteral(QUARVO_SOURCE_README);
}

}  // namespace

QUrl homePageUrl(const QString& programDir, const QString& sourceReadme) {
    const Readme readme = findReadme(programDir, sourceReadme);
    if (readme.kind == ReadmeKind::none) return {};
    return QUrl::fromLocalFile(readme.path);
}

QUrl homePageUrl() {
    return homePageUrl(runningProgramDir(), sourceTreeReadme());
}

QString homePageHint(const QString& programDir, const QString& sourceReadme) {
    const Readme readme = findReadme(programDir, sourceReadme);
    switch (readme.kind) {
        case ReadmeKind::installed:
            return QStringLiteral("Opens the README installed with Quarvo (%1)").arg(readme.path);
        case ReadmeKind::source:
            return QStringLiteral("Opens the README of the source tree Quarvo runs from (%1)")
                .arg(readme.path);
        case ReadmeKind::none:
            break;
    }
    return QStringLiteral("Quarvo's README is not installed beside the program");
}

QString homePageHint() {
    return homePageHint(runningProgramDir(), sourceTreeReadme());
}

void openHomePage(QWidget* parent) {
    const QUrl url = homePageUrl();
    if (url.isEmpty() || !dialogs().openUrl(url))
        showError(QStringLiteral("Couldn't open web browser for home page."), parent);
}

}  // namespace quarvo
