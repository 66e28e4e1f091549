// The settings store: first-start defaults, a stored home restored at the next start, names
// matched without regard to case, and the exit sequence's writes.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "main_window.h"
#include "test_support.h"
#include "twips.h"

namespace tormark {
namespace {

TEST(SettingsStore, DefaultsAndNamesOfAnyCase) {
    QTemporaryDir dir;
    auto store = test::TempStore(dir);
    const StoredSettings first = store->Load();
    EXPECT_EQ(first.left, " 0");
    EXPECT_EQ(first.top, " 100");
    EXPECT_EQ(first.baud, "9600");
    EXPECT_EQ(first.port, "1");
    EXPECT_EQ(first.homeLat, "999");
    EXPECT_EQ(first.database, DefaultDatabasePath());

    store->settings().setValue("formplace/LEFT", "1500");
    store->settings().setValue("cport/cp", "COM3");
    EXPECT_EQ(store->Read("FormPLace", "Left", "0"), "1500");
    EXPECT_EQ(store->Load().port, "COM3");
    // Writing reuses the stored spelling instead of adding a second key.
    store->Write("FORMPLACE", "left", "30");
    EXPECT_EQ(store->settings().value("formplace/LEFT").toString(), "30");
    EXPECT_FALSE(store->settings().contains("FormPLace/Left"));
}

TEST(LeadingNumber, ReadsTheLeadingNumberOrZero) {
    EXPECT_EQ(LeadingNumber(" 100"), 100);
    EXPECT_EQ(LeadingNumber("-2.5abc"), -2.5);
    EXPECT_EQ(LeadingNumber("51.5N"), 51.5);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(PlainNumber(51.123456789012), "51.123456789012");
    EXPECT_EQ(PlainNumber(-0.5), "-0.5");
    EXPECT_EQ(LeadingNumber(PlainNumber(0.1 + 0.2)), 0.1 + 0.2);  // exact round trip
}

class SettingsRoundTrip : public ::testing::Test {
  protected:
    std::unique_ptr<MainWindow> Open() {
        auto w = std::make_unique<MainWindow>(*store);
        w->setMessageHandler([](const QString&) {});
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        return w;
    }
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store = test::TempStore(dir);
};

TEST_F(SettingsRoundTrip, StoredHomeIsRestoredAndSetAtStart) {
    {
        auto w = Open();
        QTest::mouseClick(Named<QLineEdit>(*w, "InputText"), Qt::LeftButton);
        QTest::keyClicks(Named<QLineEdit>(*w, "InputText"), "51.5N 1W");
        QTest::mouseClick(Named<QPushButton>(*w, "FindIt"), Qt::LeftButton);
        QTest::mouseClick(Named<QPushButton>(*w, "SetHome"), Qt::LeftButton);
        Named<QCheckBox>(*w, "SaveOnExit")->setChecked(true);
        Named<QLineEdit>(*w, "LocDatabase")->setText("/data/my sites.dat");
        w->gpsSetupWindow()->setPortText("COM7");
        w->close();
    }
    EXPECT_EQ(store->Read("Home", "Lat", ""), "51.5");
    EXPECT_EQ(store->Read("Home", "Long", ""), "-1");
    EXPECT_EQ(store->Read("FormPLace", "Top", ""), QString::number(Twips(Px(100))));

    auto w = Open();
    EXPECT_EQ(Named<QLineEdit>(*w, "LocDatabase")->text(), "/data/my sites.dat");
    EXPECT_EQ(w->gpsSetupWindow()->portText(), "COM7");
    EXPECT_EQ(Named<QLineEdit>(*w, "InputText")->text(), "Base    Lat: 51.5  Long: -1.");
    EXPECT_EQ(w->session().homeName, "Base    Lat: 51.5  Long: -1.");
    EXPECT_TRUE(w->session().homeSet);
    EXPECT_TRUE(w->pointingWindow()->isVisible());
    EXPECT_TRUE(Named<QPushButton>(*w, "LocSites")->isEnabled());
    EXPECT_EQ(Named<QLineEdit>(*w, "LocText")->text(), "IO91MM00AA");
    EXPECT_EQ(Named<QLineEdit>(*w, "LLText")->palette().color(QPalette::Base),
              QColor(180, 255, 200));
    EXPECT_EQ(Named<QLineEdit>(*w->pointingWindow(), "DistText")->text(),
              "");  // no distance computed yet
    EXPECT_EQ(w->pointingWindow()->windowTitle(), Named<QLabel>(*w, "BaseLocLbl")->text());
}

TEST_F(SettingsRoundTrip, HomeIsWrittenOnlyWhenAskedAndZeroIsAHome) {
    {
        auto w = Open();
        w->close();
    }
    EXPECT_EQ(store->Read("Home", "Lat", "missing"), "missing");
    {
        auto w = Open();
        EXPECT_FALSE(w->session().homeSet);
        Named<QCheckBox>(*w, "SaveOnExit")
            ->setChecked(true);  // ticked with no home ever set: 0, 0 is stored
        w->close();
    }
    auto w = Open();
    EXPECT_TRUE(w->session().homeSet);
    EXPECT_EQ(w->session().homeLat_deg, 0);
    EXPECT_EQ(w->session().homeLon_deg, 0);
}

TEST_F(SettingsRoundTrip, PlaceOnAScreenIsRestoredAndAnOffScreenPlaceIsNot) {
    store->Write("FormPLace", "Left", "1500");
    store->Write("FormPLace", "Top", "750");
    EXPECT_EQ(Open()->pos(), QPoint(100, 50));

    store->Write("FormPLace", "Left", "900000");  // 60000 pixels: on no screen
    EXPECT_EQ(Open()->pos(), QPoint(0, Px(100)));

    store->Write("FormPLace", "Left", "not a number");
    EXPECT_EQ(Open()->pos(), QPoint(0, 50));
}

}  // namespace
}  // namespace tormark
