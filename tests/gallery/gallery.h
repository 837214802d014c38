#pragma once
// The gallery renders every control in its typical states to PNG files, so
// that a person can look at them. Each file of the gallery registers the
// pages it draws with a static GalleryPage.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace quarvo {
class TfrmStatistics;
}

namespace quarvo::gallery {

// Draws one or more pictures into the folder.
using PageFunction = std::function<void(const QString& folder)>;

struct GalleryPage {
    GalleryPage(const char* name, PageFunction draw);
};

struct RegisteredPage {
    const char* name;
    PageFunction draw;
};
std::vector<RegisteredPage>& registeredPages();

// Saves a widget's picture as folder/name.png.
void saveWidget(QWidget& widget, const QString& folder, const QString& name);

// Shows the statistics window at the notebook page given, painted.
void show(TfrmStatistics& window, int page);

}  // namespace quarvo::gallery
