// Where the program finds its home page.
#include "app/home_page.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quarvo {
namespace {

void writeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("# Quarvo\n");
}

TEST(HomePage, IsTheInstalledReadmeElseTheSourceTreesElseNone) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString source = root.filePath(QStringLiteral("src/README.md"));
    EXPECT_TRUE(homePageUrl(bin, source).isEmpty());

    writeFile(source);
    EXPECT_EQ(homePageUrl(bin, source), QUrl::fromLocalFile(QFileInfo(source).canonicalFilePath()));

    const QString installed = root.filePath(QStringLiteral("share/doc/quarvo/README.md"));
    writeFile(installed);
    EXPECT_EQ(homePageUrl(bin, source),
              QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath()));
}

TEST(HomePage, HintSaysWhichReadmeTheLabelOpens) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    const QString source = root.filePath(QStringLiteral("src/README.md"));
    EXPECT_EQ(homePageHint(bin, source),
              QStringLiteral("Quarvo's README is not installed beside the program"));

    writeFile(source);
    EXPECT_TRUE(homePageHint(bin, source).startsWith(
        QStringLiteral("Opens the README of the source tree Quarvo runs from (")));

    writeFile(root.filePath(QStringLiteral("share/doc/quarvo/README.md")));
    const QString hint = homePageHint(bin, source);
    EXPECT_TRUE(hint.startsWith(QStringLiteral("Opens the README installed with Quarvo (")));
    EXPECT_TRUE(hint.contains(QStringLiteral("share/doc/quarvo/README.md")));
}

}  // namespace
}  // namespace quarvo
