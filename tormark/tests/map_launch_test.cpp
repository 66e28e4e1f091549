#include "map_launch.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "testing/url_catcher.h"

namespace tormark {
namespace {

TEST(WebMapAddress, WritesLatitudeLongitudeAndZoomThroughTheMasks) {
    EXPECT_EQ(WebMapAddress(51.5, -1.25), kWebMapHost + "/maps/@51.5,-1.25,14z");
    // A whole-degree latitude keeps its point; a longitude between -1 and 0 loses its zero.
    EXPECT_EQ(WebMapAddress(51, -0.12), kWebMapHost + "/maps/@51.,-.12,14z");
    // Six decimals at most, rounded.
    EXPECT_EQ(WebMapAddress(54.12345678, 2.0000004), kWebMapHost + "/maps/@54.123457,2.,14z");
}

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(OsMap, FindsTheSheetWhateverTheCaseOfItsName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + "/";
    EXPECT_FALSE(MapFolderHasJpg(folder));
    // Without the sheet the name stands as built.
    EXPECT_EQ(OsMapFile(folder, "SU14"), folder + "SU14.JPG");
    Touch(folder + "notes.jpeg");
    EXPECT_FALSE(MapFolderHasJpg(folder));
    Touch(folder + "nt27.JPG");
    EXPECT_TRUE(MapFolderHasJpg(folder));
#ifndef Q_OS_WIN
    Touch(folder + "su14.jpg");
    EXPECT_EQ(OsMapFile(folder, "SU14"), folder + "su14.jpg");
    EXPECT_EQ(OsMapFile(folder, "NT27"), folder + "nt27.JPG");
    // A folder typed with backslashes.
    QString typed = folder;
    typed.replace('/', '\\');
    EXPECT_EQ(OsMapFile(typed, "SU14"), folder + "su14.jpg");
    EXPECT_TRUE(MapFolderHasJpg(typed));
#endif
    EXPECT_FALSE(MapFolderHasJpg(folder + "missing/"));
}

TEST(StartCommandLine, UsesTheCommandInterpretersStart) {
    EXPECT_EQ(StartCommandLine("c:\\OS_Maps\\SU14.JPG"), "cmd /c  start c:\\OS_Maps\\SU14.JPG");
#ifdef Q_OS_WIN
    EXPECT_EQ(DefaultMapPath(), "c:\\OS_Maps\\");
#else
    EXPECT_EQ(DefaultMapPath(), QDir::homePath() + "/OS_Maps/");
#endif
}

#ifndef Q_OS_WIN
using qttest::UrlCatcher;

TEST(StartMaps, HandsTheAddressAndTheFileToTheDesktop) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Touch(dir.path() + "/sk12.jpg");
    EXPECT_TRUE(StartWebMap(51.5, -1.25));
    EXPECT_TRUE(StartOsMap(dir.path() + "/", "SK12"));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toString(), kWebMapHost + "/maps/@51.5,-1.25,14z");
    EXPECT_EQ(catcher.urls[1].toLocalFile(), dir.path() + "/sk12.jpg");
}
#endif

}  // namespace
}  // namespace tormark
