// The main window's widgets driven offscreen: typing and resolving, colours, Set as Home with the
// Pointing window, the list window pick, the reset on a click into the input box, default buttons.

#include "main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "fixed_pitch_font.h"
#include "test_support.h"
#include "twips.h"

namespace tormark {
namespace {

QColor Back(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}
QColor Fore(const QWidget* w) {
    return w->palette().color(QPalette::Text);
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        store = test::TempStore(dir);
        database = test::WriteFile(dir, "Sites.dat",
                                   {"Hill Top~ST4523 8150~a hill", "Radio Mast~IO91IM",
                                    "Beacon~SU 1234 5678", "ENDENDEND", "Hidden~SU123456"});
        window = std::make_unique<MainWindow>(*store);
        window->setMessageHandler([this](const QString& m) { messages << m; });
        Named<QLineEdit>(*window, "LocDatabase")->setText(QString::fromStdString(database));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        if (window) window->close();
    }
    // Types a text into the input box (after the click that starts a new entry) and presses
    // "&Use This".
    void Enter(const QString& text) {
        QTest::mouseClick(Named<QLineEdit>(*window, "InputText"), Qt::LeftButton);
        QTest::keyClicks(Named<QLineEdit>(*window, "InputText"), text);
        QTest::mouseClick(Named<QPushButton>(*window, "FindIt"), Qt::LeftButton);
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::string database;
    std::unique_ptr<MainWindow> window;
    QStringList messages;
};

TEST_F(MainWindowTest, FirstStartState) {
    MainWindow& w = *window;
    EXPECT_EQ(w.pos(), QPoint(0, Px(100)));
    EXPECT_EQ(w.height(), w.layout().GrownHeight(Px(kMainClosedHeight - kMainCaptionAndBorder)));
    EXPECT_FALSE(w.pointingWindow()->isVisible());
    EXPECT_EQ(w.gpsSetupWindow()->portText(), "1");
    EXPECT_EQ(w.gpsSetupWindow()->baudText(), "9600");
    EXPECT_EQ(Named<QPushButton>(w, "UseNMEA")->text(), "Real Time GPS");
    EXPECT_FALSE(Named<QPushButton>(w, "SetHome")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(w, "GenList")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(w, "LocSites")->isEnabled());
    EXPECT_TRUE(Named<QPushButton>(w, "MakeList")->isHidden());
    EXPECT_TRUE(Named<QLineEdit>(w, "ListFileName")->isHidden());
    EXPECT_EQ(Named<QLineEdit>(w, "MaxDistText")->text(), "99999");
    EXPECT_EQ(w.defaultButton(), Named<QPushButton>(w, "FindIt"));
    // The listing panel lies below the closed window's edge.
    EXPECT_GE(Named<QLabel>(w, "Label13")->y(), w.height());
    // Captions with access keys and tool-tips as designed.
    EXPECT_EQ(Named<QPushButton>(w, "FindIt")->text(), "&Use This");
    EXPECT_EQ(Named<QPushButton>(w, "Lookup")->text(), "&Lookup Database");
    EXPECT_EQ(Named<QPushButton>(w, "SetHome")->text(), "&Set as Home");
    EXPECT_EQ(Named<QPushButton>(w, "GenList")->text(), "&Make a Listing File");
    EXPECT_EQ(Named<QPushButton>(w, "LLfmt")->toolTip(), "Toggle through Lat/Long formatting");
#ifdef Q_OS_WIN
    EXPECT_EQ(Named<QPushButton>(w, "OSMap")->toolTip(),
              "OS Map JPG files must be stored in C:\\OS_Maps");
#else
    // Elsewhere the tip names the folder actually searched.
    EXPECT_EQ(Named<QPushButton>(w, "OSMap")->toolTip(),
              "OS Map JPG files must be stored in ~/OS_Maps");
#endif
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->geometry(),
              w.layout().Grown(TwipsRect(480, 735, 5895, 330)));
    EXPECT_TRUE(Named<QLineEdit>(w, "LocText")->font().bold());
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->font().pointSize(), 12);
    // The list lines up its columns: its font is drawn fixed pitch, in the family it names (Qt's
    // own flag says "proportional" for Noto Sans Mono, which is not).
    const QFont listFont = Named<QListWidget>(*w.siteListWindow(), "PR")->font();
    EXPECT_TRUE(DrawsFixedPitch(listFont)) << listFont.family().toStdString();
    EXPECT_EQ(QFontInfo(listFont).family(), listFont.family());
    EXPECT_EQ(w.pointingWindow()->windowTitle(), "Pointing");
    EXPECT_EQ(w.gpsSetupWindow()->windowTitle(), "GPS / NMEA  Setup");
}

TEST_F(MainWindowTest, TypedFormsShowTheirColours) {
    MainWindow& w = *window;
    Enter("io91im");
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "IO91IM");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "Ipt")->text(), "IO91IM");
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "IO91IM");
    EXPECT_EQ(Back(Named<QLineEdit>(w, "LocText")), QColor(255, 255, 90));
    EXPECT_EQ(Fore(Named<QLineEdit>(w, "NGRText")), QColor(255, 0, 0));
    EXPECT_EQ(Fore(Named<QLineEdit>(w, "LocText")), QColor(0, 0, 0));
    EXPECT_EQ(Named<QLabel>(w, "Xdim")->text(), "5766m");
    EXPECT_EQ(Named<QLabel>(w, "Ydim")->text(), "4633m");
    EXPECT_GT(Named<CellFrame>(w, "Frame1")->ewMetres(), Named<CellFrame>(w, "Frame1")->nsMetres());
    EXPECT_TRUE(Named<QPushButton>(w, "SetHome")->isEnabled());

    Enter("SU12 345678");
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "SU12345678");
    EXPECT_EQ(Back(Named<QLineEdit>(w, "LLText")), QColor(255, 250, 90));
    EXPECT_EQ(Fore(Named<QLineEdit>(w, "LocText")), QColor(255, 0, 0));
    EXPECT_EQ(Named<QPushButton>(w, "OSMap")->text(), "SU15");
    EXPECT_TRUE(Named<QLineEdit>(w, "EastNorth")->text().startsWith("E: "));

    Enter("1 15 W 51 30 N");
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "1 15 W 51 30 N");
    EXPECT_EQ(Named<QLineEdit>(w, "LLText")->text(), "51.500000N , 1.250000W");
    EXPECT_EQ(Back(Named<QLineEdit>(w, "NGRText")), QColor(180, 255, 200));
    EXPECT_EQ(Fore(Named<QLineEdit>(w, "NGRText")), QColor(0, 0, 0));
    EXPECT_EQ(Named<QLabel>(w, "Xdim")->text(), "~");
    EXPECT_TRUE(Named<CellFrame>(w, "Frame1")->isPoint());
}

// Letters that name no place are refused in the box of their form, the position left as it was
// and no message box raised.
TEST_F(MainWindowTest, FormsNamingNoPlaceShowNotValid) {
    MainWindow& w = *window;
    Enter("IO91IM");
    const double lat = w.session().lat_deg;
    const QString cell = Named<QLabel>(w, "Xdim")->text();
    Enter("XZ99 ZZ");
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "XZ99 ZZ");
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "Not valid");
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "");
    EXPECT_EQ(Named<QLineEdit>(w, "LLText")->text(), "");
    EXPECT_EQ(Named<QLineEdit>(w, "EastNorth")->text(), "");
    EXPECT_EQ(Named<QLabel>(w, "Xdim")->text(), cell);  // no negative cell size
    EXPECT_FALSE(Named<QPushButton>(w, "SetHome")->isEnabled());
    EXPECT_EQ(w.session().lat_deg, lat);

    Enter("TH12 34");  // the column east of TG is off the grid
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "Not valid");
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "");
    EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
}

TEST_F(MainWindowTest, DatabaseSearchFromTheWindow) {
    MainWindow& w = *window;
    Enter("st45");  // a name search that matches the location field
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "Hill Top   ST4523 8150");
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "ST45238150");
    EXPECT_EQ(Back(Named<QLineEdit>(w, "LLText")), QColor(255, 240, 200));
    EXPECT_EQ(Fore(Named<QLineEdit>(w, "LocText")), QColor(255, 0, 0));

    Enter("beacon");  // stored location with a blank among its first four characters
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "ERROR");
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "ERROR");
    EXPECT_EQ(Named<QLineEdit>(w, "LLText")->text(), "");

    Enter("hidden");
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "Not Found");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "Ipt")->text(), "Not Found");
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "");
    EXPECT_TRUE(messages.isEmpty());

    Named<QLineEdit>(w, "LocDatabase")->setText(dir.filePath("nowhere.dat"));
    Enter("hill");
    EXPECT_EQ(messages, QStringList{"Site datbase not found"});
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "hill");
}

TEST_F(MainWindowTest, AccentedNamesInAnEightBitDatabase) {
    MainWindow& w = *window;
    QFile file(QString::fromStdString(database));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "Moel F\xe2"
        "ch~SH5454\r\nENDENDEND\r\n");  // Latin-1, as the file is 8-bit text
    file.close();
    // QTest types ASCII keys only: the accented texts are inserted as an input method would.
    auto enter = [&w](const QString& text) {
        QTest::mouseClick(Named<QLineEdit>(w, "InputText"), Qt::LeftButton);
        Named<QLineEdit>(w, "InputText")->insert(text);
        QTest::mouseClick(Named<QPushButton>(w, "FindIt"), Qt::LeftButton);
    };
    enter(
        QString::fromUtf8("f\xc3\xa2"
                          "ch"));
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), QString::fromUtf8("Moel F\xc3\xa2"
                                                                          "ch   SH5454"));
    QTest::mouseClick(Named<QLineEdit>(w, "InputText"), Qt::LeftButton);
    QTest::mouseClick(Named<QPushButton>(w, "Lookup"), Qt::LeftButton);
    ASSERT_EQ(Named<QListWidget>(*w.siteListWindow(), "PR")->count(), 2);
    Named<QListWidget>(*w.siteListWindow(), "PR")->setCurrentRow(0);
    QTest::mouseClick(Named<QPushButton>(*w.siteListWindow(), "OK"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "SH5454");
    EXPECT_EQ(w.session().siteName,
              "Moel F\xe2"
              "ch");

    enter(
        QString::fromUtf8("51\xc2\xb0"
                          "30'N 1\xc2\xb0"
                          "15'W"));  // typed degree signs
    EXPECT_EQ(Named<QLineEdit>(w, "LLText")->text(), "51.500000N , 1.250000W");
    QTest::mouseClick(Named<QPushButton>(w, "LLfmt"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(w, "LLText")->text(),
              QString::fromUtf8("51\xc2\xb0 30.0000' N , 1\xc2\xb0 15.0000' W"));
}

TEST_F(MainWindowTest, SetAsHomeFillsThePointingWindow) {
    MainWindow& w = *window;
    Enter("52N 0E");
    QTest::mouseClick(Named<QPushButton>(w, "SetHome"), Qt::LeftButton);
    EXPECT_TRUE(w.pointingWindow()->isVisible());
    EXPECT_TRUE(Named<QLineEdit>(*w.pointingWindow(), "DistText")->isVisible());
    EXPECT_TRUE(Named<PictureBox>(*w.pointingWindow(), "C")->isVisible());
    EXPECT_TRUE(Named<QPushButton>(w, "LocSites")->isEnabled());
    EXPECT_TRUE(Named<QPushButton>(w, "GenList")->isEnabled());
    EXPECT_EQ(Named<QLabel>(w, "BaseLocLbl")->text(),
              "Home Station:  " + Named<QLineEdit>(w, "LocText")->text() + "  " +
                  Named<QLineEdit>(w, "NGRText")->text());
    EXPECT_EQ(w.pointingWindow()->windowTitle(), Named<QLabel>(w, "BaseLocLbl")->text());
    EXPECT_EQ(w.session().homeName, "52N 0E");

    int drawn = 0;
    QObject::connect(&w, &MainWindow::siteResolved, [&drawn] { ++drawn; });
    Enter("51.5N 1W");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "DistText")->text(), "88.49");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "BearText")->text(), "231.5°");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "BackBearText")->text(), "50.7°");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "UncertText")->text(), "0.001km 0.0 deg");
    EXPECT_EQ(drawn, 1);
}

TEST_F(MainWindowTest, LatLongFormatCyclesThroughThreeLayouts) {
    MainWindow& w = *window;
    Enter("51.5N 1.25W");
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(Named<QPushButton>(w, "LLfmt"), Qt::LeftButton);
        seen << Named<QLineEdit>(w, "LLText")->text();
    }
    EXPECT_EQ(seen, (QStringList{"51° 30.0000' N , 1° 15.0000' W",
                                 "51° 30' 00.0'' N, 1° 15' 00.0'' W", "51.500000N , 1.250000W"}));
}

TEST_F(MainWindowTest, LookupAndPickFromTheList) {
    MainWindow& w = *window;
    QTest::mouseClick(Named<QLineEdit>(w, "InputText"), Qt::LeftButton);
    QTest::mouseClick(Named<QPushButton>(w, "Lookup"), Qt::LeftButton);
    SiteListWindow& list = *w.siteListWindow();
    ASSERT_TRUE(list.isVisible());
    EXPECT_TRUE(Named<QPushButton>(list, "OK")->isVisible());
    ASSERT_EQ(Named<QListWidget>(list, "PR")->count(),
              5);  // every line, the end marker and what follows it included
    EXPECT_EQ(Named<QListWidget>(list, "PR")->item(0)->text(), "Hill Top~ST4523 8150~a hill");
    EXPECT_EQ(Named<QListWidget>(list, "PR")->item(0)->text().size(), 27);
    EXPECT_EQ(Named<QListWidget>(list, "PR")->item(3)->text(), "ENDENDEND");

    Named<QListWidget>(list, "PR")->setCurrentRow(1);
    QTest::mouseClick(Named<QPushButton>(list, "OK"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "IO91IM");
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "Radio Mast   IO91IM");
    EXPECT_FALSE(Named<QPushButton>(w, "FindIt")->isEnabled());
    EXPECT_EQ(w.defaultButton(), Named<QPushButton>(w, "SetHome"));
    EXPECT_TRUE(list.isVisible());  // the list stays open

    // Enter now sets the picked site as home.
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::qWait(250);  // the default button's animated click
    EXPECT_TRUE(w.session().homeSet);
    EXPECT_EQ(Named<QLabel>(w, "BaseLocLbl")->text(),
              "Home Station:  Radio Mast - IO91IM  " + Named<QLineEdit>(w, "NGRText")->text());

    // A double click does the same as OK; with nothing selected only the buttons change.
    Named<QListWidget>(list, "PR")->clearSelection();
    Named<QListWidget>(list, "PR")->setCurrentRow(-1);
    const QString before = Named<QLineEdit>(w, "LocText")->text();
    QTest::mouseClick(Named<QPushButton>(list, "OK"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), before);
    EXPECT_FALSE(Named<QPushButton>(w, "SetHome")->isEnabled());

    QTest::mouseClick(Named<QLineEdit>(w, "InputText"), Qt::LeftButton);
    QTest::keyClicks(Named<QLineEdit>(w, "InputText"), "hill");
    QTest::mouseClick(Named<QPushButton>(w, "Lookup"), Qt::LeftButton);
    ASSERT_EQ(Named<QListWidget>(list, "PR")->count(), 1);
    const QRect row =
        Named<QListWidget>(list, "PR")->visualItemRect(Named<QListWidget>(list, "PR")->item(0));
    QTest::mouseClick(Named<QListWidget>(list, "PR")->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(Named<QListWidget>(list, "PR")->viewport(), Qt::LeftButton, {},
                       row.center());
    EXPECT_EQ(Named<QLineEdit>(w, "NGRText")->text(), "ST45238150");
}

TEST_F(MainWindowTest, ClickIntoTheInputBoxStartsANewEntry) {
    MainWindow& w = *window;
    Enter("52N 0E");
    QTest::mouseClick(Named<QPushButton>(w, "SetHome"), Qt::LeftButton);
    QTest::mouseClick(Named<QPushButton>(w, "GenList"), Qt::LeftButton);
    EXPECT_EQ(w.height(), w.layout().GrownHeight(Px(kMainListingHeight - kMainCaptionAndBorder)));
    EXPECT_FALSE(Named<QPushButton>(w, "MakeList")->isHidden());
    EXPECT_TRUE(Named<QPushButton>(w, "FindIt")->isHidden());
    EXPECT_EQ(w.defaultButton(), Named<QPushButton>(w, "MakeList"));
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "");
    EXPECT_EQ(Named<QLineEdit>(*w.pointingWindow(), "DistText")->text(), "");

    QTest::mouseClick(Named<QLineEdit>(w, "InputText"), Qt::LeftButton);
    EXPECT_EQ(Named<QLineEdit>(w, "InputText")->text(), "");
    EXPECT_TRUE(Named<QPushButton>(w, "MakeList")->isHidden());
    EXPECT_TRUE(Named<QLineEdit>(w, "Srchtext")->isHidden());
    EXPECT_FALSE(Named<QPushButton>(w, "FindIt")->isHidden());
    EXPECT_EQ(w.defaultButton(), Named<QPushButton>(w, "FindIt"));
    EXPECT_FALSE(Named<QPushButton>(w, "SetHome")->isEnabled());
    EXPECT_FALSE(Named<QPushButton>(w, "GenList")
                     ->isEnabled());  // only a later Set as Home enables it again
    EXPECT_EQ(w.height(), w.layout().GrownHeight(Px(kMainListingHeight - kMainCaptionAndBorder)));
    EXPECT_TRUE(w.session().homeSet);

    // Enter in the input box presses "&Use This".
    QTest::keyClicks(Named<QLineEdit>(w, "InputText"), "IO91IM");
    QTest::keyClick(Named<QLineEdit>(w, "InputText"), Qt::Key_Return);
    QTest::qWait(250);
    EXPECT_EQ(Named<QLineEdit>(w, "LocText")->text(), "IO91IM");
}

}  // namespace
}  // namespace tormark
