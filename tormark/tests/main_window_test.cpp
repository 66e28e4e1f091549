// The main window's widgets driven offscreen: typing and resolving, colours, Set as Home with the
// Pointing window, the list window pick, the reset on a click into the input box, default buttons.

#include "main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

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
        window->LocDatabase->setText(QString::fromStdString(database));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        if (window) window->close();
    }
    // Types a text into the input box (after the click that starts a new entry) and presses
    // "&Use This".
    void Enter(const QString& text) {
        QTest::mouseClick(window->InputText, Qt::LeftButton);
        QTest::keyClicks(window->InputText, text);
        QTest::mouseClick(window->FindIt, Qt::LeftButton);
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
    EXPECT_EQ(w.height(), Px(kMainClosedHeight - kMainCaptionAndBorder));
    EXPECT_FALSE(w.bearingCalc()->isVisible());
    EXPECT_EQ(w.setUpCom()->portText(), "1");
    EXPECT_EQ(w.setUpCom()->baudText(), "9600");
    EXPECT_EQ(w.UseNMEA->text(), "Real Time GPS");
    EXPECT_FALSE(w.SetHome->isEnabled());
    EXPECT_FALSE(w.GenList->isEnabled());
    EXPECT_FALSE(w.LocSites->isEnabled());
    EXPECT_TRUE(w.MakeList->isHidden());
    EXPECT_TRUE(w.ListFileName->isHidden());
    EXPECT_EQ(w.MaxDistText->text(), "99999");
    EXPECT_EQ(w.defaultButton(), w.FindIt);
    // The listing panel lies below the closed window's edge.
    EXPECT_GE(w.Label13->y(), w.height());
    // Captions with access keys and tool-tips as designed.
    EXPECT_EQ(w.FindIt->text(), "&Use This");
    EXPECT_EQ(w.Lookup->text(), "&Lookup Database");
    EXPECT_EQ(w.SetHome->text(), "&Set as Home");
    EXPECT_EQ(w.GenList->text(), "&Make a Listing File");
    EXPECT_EQ(w.LLfmt->toolTip(), "Toggle through Lat/Long formatting");
    EXPECT_EQ(w.OSMap->toolTip(), "OS Map JPG files must be stored in C:\\OS_Maps");
    EXPECT_EQ(w.InputText->geometry(), TwipsRect(480, 735, 5895, 330));
    EXPECT_TRUE(w.LocText->font().bold());
    EXPECT_EQ(w.LocText->font().pointSize(), 12);
    EXPECT_TRUE(QFontInfo(w.showList()->PR->font()).fixedPitch());
    EXPECT_EQ(w.bearingCalc()->windowTitle(), "Pointing");
    EXPECT_EQ(w.setUpCom()->windowTitle(), "GPS / NMEA  Setup");
}

TEST_F(MainWindowTest, TypedFormsShowTheirColours) {
    MainWindow& w = *window;
    Enter("io91im");
    EXPECT_EQ(w.InputText->text(), "IO91IM");
    EXPECT_EQ(w.bearingCalc()->Ipt->text(), "IO91IM");
    EXPECT_EQ(w.LocText->text(), "IO91IM");
    EXPECT_EQ(Back(w.LocText), QColor(255, 255, 90));
    EXPECT_EQ(Fore(w.NGRText), QColor(255, 0, 0));
    EXPECT_EQ(Fore(w.LocText), QColor(0, 0, 0));
    EXPECT_EQ(w.Xdim->text(), "5766m");
    EXPECT_EQ(w.Ydim->text(), "4633m");
    EXPECT_GT(w.Frame1->ewMetres(), w.Frame1->nsMetres());
    EXPECT_TRUE(w.SetHome->isEnabled());

    Enter("SU12 345678");
    EXPECT_EQ(w.NGRText->text(), "SU12345678");
    EXPECT_EQ(Back(w.LLText), QColor(255, 250, 90));
    EXPECT_EQ(Fore(w.LocText), QColor(255, 0, 0));
    EXPECT_EQ(w.OSMap->text(), "SU15");
    EXPECT_TRUE(w.EastNorth->text().startsWith("E: "));

    Enter("1 15 W 51 30 N");
    EXPECT_EQ(w.InputText->text(), "1 15 W 51 30 N");
    EXPECT_EQ(w.LLText->text(), "51.500000N , 1.250000W");
    EXPECT_EQ(Back(w.NGRText), QColor(180, 255, 200));
    EXPECT_EQ(Fore(w.NGRText), QColor(0, 0, 0));
    EXPECT_EQ(w.Xdim->text(), "~");
    EXPECT_TRUE(w.Frame1->isPoint());
}

TEST_F(MainWindowTest, DatabaseSearchFromTheWindow) {
    MainWindow& w = *window;
    Enter("st45");  // a name search that matches the location field
    EXPECT_EQ(w.InputText->text(), "Hill Top   ST4523 8150");
    EXPECT_EQ(w.NGRText->text(), "ST45238150");
    EXPECT_EQ(Back(w.LLText), QColor(255, 240, 200));
    EXPECT_EQ(Fore(w.LocText), QColor(255, 0, 0));

    Enter("beacon");  // stored location with a blank among its first four characters
    EXPECT_EQ(w.LocText->text(), "ERROR");
    EXPECT_EQ(w.NGRText->text(), "ERROR");
    EXPECT_EQ(w.LLText->text(), "");

    Enter("hidden");
    EXPECT_EQ(w.InputText->text(), "Not Found");
    EXPECT_EQ(w.bearingCalc()->Ipt->text(), "Not Found");
    EXPECT_EQ(w.LocText->text(), "");
    EXPECT_TRUE(messages.isEmpty());

    w.LocDatabase->setText(dir.filePath("nowhere.dat"));
    Enter("hill");
    EXPECT_EQ(messages, QStringList{"Site datbase not found"});
    EXPECT_EQ(w.InputText->text(), "hill");
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
        QTest::mouseClick(w.InputText, Qt::LeftButton);
        w.InputText->insert(text);
        QTest::mouseClick(w.FindIt, Qt::LeftButton);
    };
    enter(
        QString::fromUtf8("f\xc3\xa2"
                          "ch"));
    EXPECT_EQ(w.InputText->text(), QString::fromUtf8("Moel F\xc3\xa2"
                                                     "ch   SH5454"));
    QTest::mouseClick(w.InputText, Qt::LeftButton);
    QTest::mouseClick(w.Lookup, Qt::LeftButton);
    ASSERT_EQ(w.showList()->PR->count(), 2);
    w.showList()->PR->setCurrentRow(0);
    QTest::mouseClick(w.showList()->OK, Qt::LeftButton);
    EXPECT_EQ(w.NGRText->text(), "SH5454");
    EXPECT_EQ(w.session().sitename,
              "Moel F\xe2"
              "ch");

    enter(
        QString::fromUtf8("51\xc2\xb0"
                          "30'N 1\xc2\xb0"
                          "15'W"));  // typed degree signs
    EXPECT_EQ(w.LLText->text(), "51.500000N , 1.250000W");
    QTest::mouseClick(w.LLfmt, Qt::LeftButton);
    EXPECT_EQ(w.LLText->text(), QString::fromUtf8("51\xc2\xb0 30.0000' N , 1\xc2\xb0 15.0000' W"));
}

TEST_F(MainWindowTest, SetAsHomeFillsThePointingWindow) {
    MainWindow& w = *window;
    Enter("52N 0E");
    QTest::mouseClick(w.SetHome, Qt::LeftButton);
    EXPECT_TRUE(w.bearingCalc()->isVisible());
    EXPECT_TRUE(w.bearingCalc()->DistText->isVisible());
    EXPECT_TRUE(w.bearingCalc()->C->isVisible());
    EXPECT_TRUE(w.LocSites->isEnabled());
    EXPECT_TRUE(w.GenList->isEnabled());
    EXPECT_EQ(w.BaseLocLbl->text(),
              "Home Station:   - " + w.LocText->text() + "  " + w.NGRText->text());
    EXPECT_EQ(w.bearingCalc()->windowTitle(), w.BaseLocLbl->text());
    EXPECT_EQ(w.session().BaseName, "52N 0E");

    int drawn = 0;
    QObject::connect(&w, &MainWindow::siteResolved, [&drawn] { ++drawn; });
    Enter("51.5N 1W");
    EXPECT_EQ(w.bearingCalc()->DistText->text(), "88.49");
    EXPECT_EQ(w.bearingCalc()->BearText->text(), "231.5");
    EXPECT_EQ(w.bearingCalc()->BackBearText->text(), "50.7");
    EXPECT_EQ(w.bearingCalc()->UncertText->text(), "0.001km 0.0 deg");
    EXPECT_EQ(drawn, 1);
}

TEST_F(MainWindowTest, LatLongFormatCyclesThroughThreeLayouts) {
    MainWindow& w = *window;
    Enter("51.5N 1.25W");
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(w.LLfmt, Qt::LeftButton);
        seen << w.LLText->text();
    }
    EXPECT_EQ(seen, (QStringList{"51° 30.0000' N , 1° 15.0000' W",
                                 "51° 30' 00.0'' N, 1° 15' 00.0'' W", "51.500000N , 1.250000W"}));
}

TEST_F(MainWindowTest, LookupAndPickFromTheList) {
    MainWindow& w = *window;
    QTest::mouseClick(w.InputText, Qt::LeftButton);
    QTest::mouseClick(w.Lookup, Qt::LeftButton);
    ShowList& list = *w.showList();
    ASSERT_TRUE(list.isVisible());
    EXPECT_TRUE(list.OK->isVisible());
    ASSERT_EQ(list.PR->count(), 5);  // every line, the end marker and what follows it included
    EXPECT_EQ(list.PR->item(0)->text(), "Hill Top~ST4523 8150~a hill");
    EXPECT_EQ(list.PR->item(0)->text().size(), 27);
    EXPECT_EQ(list.PR->item(3)->text(), "ENDENDEND");

    list.PR->setCurrentRow(1);
    QTest::mouseClick(list.OK, Qt::LeftButton);
    EXPECT_EQ(w.LocText->text(), "IO91IM");
    EXPECT_EQ(w.InputText->text(), "Radio Mast   IO91IM");
    EXPECT_FALSE(w.FindIt->isEnabled());
    EXPECT_EQ(w.defaultButton(), w.SetHome);
    EXPECT_TRUE(list.isVisible());  // the list stays open

    // Enter now sets the picked site as home.
    QTest::keyClick(&w, Qt::Key_Return);
    QTest::qWait(250);  // the default button's animated click
    EXPECT_TRUE(w.session().BaseSet);
    EXPECT_EQ(w.BaseLocLbl->text(), "Home Station:  Radio Mast - IO91IM  " + w.NGRText->text());

    // A double click does the same as OK; with nothing selected only the buttons change.
    list.PR->clearSelection();
    list.PR->setCurrentRow(-1);
    const QString before = w.LocText->text();
    QTest::mouseClick(list.OK, Qt::LeftButton);
    EXPECT_EQ(w.LocText->text(), before);
    EXPECT_FALSE(w.SetHome->isEnabled());

    QTest::mouseClick(w.InputText, Qt::LeftButton);
    QTest::keyClicks(w.InputText, "hill");
    QTest::mouseClick(w.Lookup, Qt::LeftButton);
    ASSERT_EQ(list.PR->count(), 1);
    const QRect row = list.PR->visualItemRect(list.PR->item(0));
    QTest::mouseClick(list.PR->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.PR->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(w.NGRText->text(), "ST45238150");
}

TEST_F(MainWindowTest, ClickIntoTheInputBoxStartsANewEntry) {
    MainWindow& w = *window;
    Enter("52N 0E");
    QTest::mouseClick(w.SetHome, Qt::LeftButton);
    QTest::mouseClick(w.GenList, Qt::LeftButton);
    EXPECT_EQ(w.height(), Px(kMainListingHeight - kMainCaptionAndBorder));
    EXPECT_FALSE(w.MakeList->isHidden());
    EXPECT_TRUE(w.FindIt->isHidden());
    EXPECT_EQ(w.defaultButton(), w.MakeList);
    EXPECT_EQ(w.LocText->text(), "");
    EXPECT_EQ(w.bearingCalc()->DistText->text(), "");

    QTest::mouseClick(w.InputText, Qt::LeftButton);
    EXPECT_EQ(w.InputText->text(), "");
    EXPECT_TRUE(w.MakeList->isHidden());
    EXPECT_TRUE(w.Srchtext->isHidden());
    EXPECT_FALSE(w.FindIt->isHidden());
    EXPECT_EQ(w.defaultButton(), w.FindIt);
    EXPECT_FALSE(w.SetHome->isEnabled());
    EXPECT_FALSE(w.GenList->isEnabled());  // only a later Set as Home enables it again
    EXPECT_EQ(w.height(), Px(kMainListingHeight - kMainCaptionAndBorder));
    EXPECT_TRUE(w.session().BaseSet);

    // Enter in the input box presses "&Use This".
    QTest::keyClicks(w.InputText, "IO91IM");
    QTest::keyClick(w.InputText, Qt::Key_Return);
    QTest::qWait(250);
    EXPECT_EQ(w.LocText->text(), "IO91IM");
}

}  // namespace
}  // namespace tormark
