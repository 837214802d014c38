// quarvo-gallery FOLDER: renders every registered gallery page into FOLDER.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "tests/gallery/gallery.h"

namespace quarvo::gallery {

std::vector<RegisteredPage>& registeredPages() {
    static std::vector<RegisteredPage> pages;
    return pages;
}

GalleryPage::GalleryPage(const char* name, PageFunction draw) {
    registeredPages().push_back({name, std::move(draw)});
}

void saveWidget(QWidget& widget, const QString& folder, const QString& name) {
    widget.ensurePolished();
    widget.grab().save(QDir(folder).filePath(name + ".png"));
}

}  // namespace quarvo::gallery

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    QDir().mkpath(folder);
    for (const auto& page : quarvo::gallery::registeredPages()) {
        std::printf("%s\n", page.name);
        page.draw(folder);
    }
    return 0;
}
