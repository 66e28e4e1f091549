// The window's default places off Windows: the listing folder ~/fellside/ made on first use (and
// no other folder), the --db path kept absolute in the settings, and tool-tips that name the
// places this platform uses. Each test gives the program a home folder of its own.

#include "default_places.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "main_window.h"
#include "test_support.h"

namespace tormark {
namespace {

class DefaultPlacesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        QDir::setCurrent(work.path());
        store = test::TempStore(work);
    }
    void TearDown() override {
        if (window) window->close();
        qputenv("HOME", savedHome);
        QDir::setCurrent(QDir::homePath());
    }
    // A window whose home station and current site are set, so that a listing can be made.
    void OpenWindowReadyToList() {
        window = std::make_unique<MainWindow>(*store);
        window->setMessageHandler([this](const QString& m) { messages << m; });
        window->setViewer([this](const QString& f) { viewed << f; });
        Named<QLineEdit>(*window, "LocDatabase")
            ->setText(QString::fromStdString(
                test::WriteFile(work, "Sites.dat", {"Worked Site~51.5N 1W"})));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QTest::mouseClick(Named<QLineEdit>(*window, "InputText"), Qt::LeftButton);
        QTest::keyClicks(Named<QLineEdit>(*window, "InputText"), "52N 0E");
        QTest::mouseClick(Named<QPushButton>(*window, "FindIt"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*window, "SetHome"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*window, "GenList"), Qt::LeftButton);
    }

    QTemporaryDir home, work;
    QByteArray savedHome;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<MainWindow> window;
    QStringList messages, viewed;
};

#ifndef Q_OS_WIN

TEST_F(DefaultPlacesTest, OnlyTheDefaultListingFolderIsMade) {
    const QString fellside = home.filePath("fellside");
    EXPECT_EQ(DefaultListFile(), fellside + "/SITELIST.TXT");
    ASSERT_FALSE(QFileInfo::exists(fellside));
    // A name the user typed: its missing folder stays missing.
    EXPECT_TRUE(MakeDefaultListFolder(work.filePath("typed/LIST.TXT")));
    EXPECT_FALSE(QFileInfo::exists(work.filePath("typed")));
    EXPECT_TRUE(MakeDefaultListFolder(home.filePath("fellside2/SITELIST.TXT")));
    EXPECT_FALSE(QFileInfo::exists(home.filePath("fellside2")));
    EXPECT_FALSE(QFileInfo::exists(fellside));
    // The default: made, and made again without complaint.
    EXPECT_TRUE(MakeDefaultListFolder(DefaultListFile()));
    EXPECT_TRUE(QFileInfo(fellside).isDir());
    EXPECT_TRUE(MakeDefaultListFolder(DefaultListFile()));
}

TEST_F(DefaultPlacesTest, TheListingGoesToTheDefaultFolderOnAFirstStart) {
    OpenWindowReadyToList();
    EXPECT_EQ(Named<QLineEdit>(*window, "ListFileName")->text(),
              home.filePath("fellside/SITELIST.TXT"));
    QTest::mouseClick(Named<QPushButton>(*window, "MakeList"), Qt::LeftButton);
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
    EXPECT_EQ(viewed, QStringList{home.filePath("fellside/SITELIST.TXT")});
    const QStringList lines =
        test::ReadCrLfLines(home.filePath("fellside/SITELIST.TXT").toStdString());
    ASSERT_GE(lines.size(), 9);
    EXPECT_TRUE(lines[8].startsWith("Worked Site")) << lines[8].toStdString();
}

TEST_F(DefaultPlacesTest, ATypedMissingFolderIsAnErrorAndIsNotMade) {
    OpenWindowReadyToList();
    const QString typed = home.filePath("fellside/elsewhere/LIST.TXT");
    Named<QLineEdit>(*window, "ListFileName")->setText(typed);
    QTest::mouseClick(Named<QPushButton>(*window, "MakeList"), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{"Path or filename error\n" + typed});
    EXPECT_TRUE(viewed.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.filePath("fellside")));
}

TEST_F(DefaultPlacesTest, TipsNameTheFoldersInUse) {
    EXPECT_EQ(ShortHomePath(home.filePath("fellside/Sites.dat")), "~/fellside/Sites.dat");
    EXPECT_EQ(ShortHomePath(home.path()), "~");
    EXPECT_EQ(ShortHomePath(home.path() + "x/Sites.dat"), home.path() + "x/Sites.dat");
    EXPECT_EQ(ShortHomePath("/srv/Sites.dat"), "/srv/Sites.dat");

    window = std::make_unique<MainWindow>(*store);
    const QString database = Named<QLineEdit>(*window, "LocDatabase")->toolTip();
    const QString list = Named<QLineEdit>(*window, "ListFileName")->toolTip();
    const QString maps = Named<QPushButton>(*window, "OSMap")->toolTip();
    EXPECT_EQ(database,
              "Insert full path and filename for the site database.  eg. ~/fellside/Sites.dat");
    EXPECT_EQ(list, "Insert full path and filename for the listing.  eg. ~/fellside/SITELIST.TXT");
    EXPECT_EQ(maps, "OS Map JPG files must be stored in ~/OS_Maps");
    for (const QString& tip : {database, list, maps})
        EXPECT_FALSE(tip.contains(":\\", Qt::CaseInsensitive)) << tip.toStdString();
}

#endif

TEST_F(DefaultPlacesTest, TheDatabaseNamedOnTheCommandLineIsStoredAbsolute) {
    const QString database = QString::fromStdString(test::WriteFile(work, "Sites.dat", {}));
    window = std::make_unique<MainWindow>(*store);
    window->setDatabasePath("Sites.dat");  // as typed after --db, relative to the current folder
    EXPECT_EQ(Named<QLineEdit>(*window, "LocDatabase")->text(),
              QFileInfo(database).absoluteFilePath());
    window->close();
    window.reset();
    EXPECT_EQ(store->Load().database, QFileInfo(database).absoluteFilePath());
    EXPECT_TRUE(QFileInfo(store->Load().database).isAbsolute());
}

}  // namespace
}  // namespace tormark
