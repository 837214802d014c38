#pragma once
// Quarvo's home page, opened in the user's browser from the main window and
// the about box. Until the project has a web site, the home page is the
// README installed with the program, opened as a local file.

#include <QString>
#include <QUrl>

class QWidget;

namespace quarvo {

inline const QString homePageCaption = QStringLiteral("Quarvo home page");

// The README installed beside the program (<programDir>/../share/doc/quarvo),
// else sourceReadme (the source tree's, for a program run from its build
// tree); an empty address when neither exists.
[[nodiscard]] QUrl homePageUrl(const QString& programDir, const QString& sourceReadme);
// The home page of the running program.
[[nodiscard]] QUrl homePageUrl();

// The hint of the home-page label: which README it opens, and where that is.
[[nodiscard]] QString homePageHint(const QString& programDir, const QString& sourceReadme);
[[nodiscard]] QString homePageHint();

// Opens the home page through the dialog seam; tells the user when that
// failed.
void openHomePage(QWidget* parent);

}  // namespace quarvo
