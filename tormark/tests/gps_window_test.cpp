// The GPS input, the map buttons and the compass in the main window, driven through its buttons.

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "compass.h"
#include "gps_and_maps.h"
#include "main_window.h"
#include "map_launch.h"
#include "socat_pty.h"
#include "test_support.h"
#include "testing/darkest_near.h"
#include "testing/url_catcher.h"

namespace tormark {
namespace {

const QByteArray kWorked =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";
const QByteArray kWest = "$GPRMC,235959.00,A,5130.1234,N,00130.5678,W,0.0,0.0,010126,,,A*44\r\n";

using qttest::UrlCatcher;

struct GpsWindowTest : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store = test::TempStore(dir);
    MainWindow window{*store};
    GpsAndMaps* gps = window.findChild<GpsAndMaps*>();
    QStringList messages;

    void SetUp() override {
        ASSERT_NE(gps, nullptr);
        window.setMessageHandler([this](const QString& m) { messages << m; });
        // No real ports are tried: the scan finds COM2 and COM5 only.
        gps->setPortProbe([](const QString& device) {
            return device == PortDevice("COM2") || device == PortDevice("COM5");
        });
    }

    void SetHomeAt(const QString& position) {
        Named<QLineEdit>(window, "InputText")->setText(position);
        Named<QPushButton>(window, "FindIt")->click();
        Named<QPushButton>(window, "SetHome")->click();
    }
};

TEST_F(GpsWindowTest, ButtonCaptionsAndSetupWindowFollowTheClicks) {
    GpsSetupWindow* setup = window.gpsSetupWindow();
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Real Time GPS");
    Named<QPushButton>(window, "UseNMEA")->click();
    EXPECT_TRUE(setup->isVisible());
    EXPECT_TRUE(gps->gps().realTime());
    // The scan filled the list; the box keeps the stored choice ("1" on a first start).
    EXPECT_EQ(Named<QComboBox>(*setup, "CPort")->count(), 2);
    EXPECT_EQ(Named<QComboBox>(*setup, "CPort")->itemText(0), "COM2");
    EXPECT_EQ(Named<QComboBox>(*setup, "CPort")->itemText(1), "COM5");
    EXPECT_EQ(setup->portText(), "1");
    // "1" names no port.
    Named<QPushButton>(*setup, "Command1")->click();
    EXPECT_EQ(Named<QPlainTextEdit>(*setup, "Text1")->toPlainText(), "COM PORT FAIL");
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Real Time GPS");
    // A further click pauses without a port ever having been open.
    Named<QPushButton>(window, "UseNMEA")->click();
    EXPECT_FALSE(gps->gps().realTime());
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Resume real time");
    Named<QPushButton>(window, "UseNMEA")->click();
    EXPECT_TRUE(gps->gps().realTime());
    // A click into the input box ends the mode; the next click shows the setup window again.
    QTest::mouseClick(Named<QLineEdit>(window, "InputText"), Qt::LeftButton);
    EXPECT_FALSE(gps->gps().realTime());
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Real Time GPS");
    setup->hide();
    Named<QPushButton>(window, "UseNMEA")->click();
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(Named<QComboBox>(*setup, "CPort")->count(), 2) << "the scan runs once";
}

TEST_F(GpsWindowTest, MapButtonsOpenTheCurrentSite) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    Named<QLineEdit>(window, "InputText")->setText("51.5N 1.25W");
    Named<QPushButton>(window, "FindIt")->click();
    Named<QPushButton>(window, "Gmap")->click();
    QFile sheet(dir.filePath("other sheet.jpg"));  // a folder with sheets enables "OS Map"
    ASSERT_TRUE(sheet.open(QIODevice::WriteOnly));
    sheet.close();
    gps->setMapFolder(dir.path() + "/");
    ASSERT_TRUE(Named<QPushButton>(window, "OSMap")->isEnabled());
    Named<QPushButton>(window, "OSMap")->click();
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].toString(), kWebMapHost + "/maps/@51.5,-1.25,14z");
    // The caption names the 10 km square of the site.
    EXPECT_NE(Named<QPushButton>(window, "OSMap")->text(), "OS Map");
    EXPECT_EQ(catcher.urls[1].toLocalFile(),
              dir.path() + "/" + Named<QPushButton>(window, "OSMap")->text() + ".JPG");
}

TEST_F(GpsWindowTest, CompassTurnsWithEachResolutionOnceAHomeIsSet) {
    PictureBox* compass = Named<PictureBox>(*window.pointingWindow(), "C");
    Named<QLineEdit>(window, "InputText")->setText("51.5N 1.25W");
    Named<QPushButton>(window, "FindIt")->click();
    EXPECT_NE(compass->backColor(), kCompassBackColor) << "no home: no compass";
    SetHomeAt("51.5N 1.25W");
    // Due north-east of home the needle points up and right.
    Named<QLineEdit>(window, "InputText")->setText("51.6N 1.09W");
    Named<QPushButton>(window, "FindIt")->click();
    EXPECT_EQ(compass->backColor(), kCompassBackColor);
    const QImage& c = compass->canvas();
    auto gray = [&](QPointF user) {
        return qttest::DarkestNear(c, CompassToPixel(c, user).toPoint());
    };
    const double bearing = window.session().distBear.bearing_deg;
    EXPECT_NEAR(bearing, 44, 3);
    EXPECT_LT(gray(CompassNeedleEnd(bearing) * 0.5), 200);
    EXPECT_EQ(gray(CompassNeedleEnd(bearing + 180) * 0.5), qGray(kCompassBackColor.rgb()));
    // A click into the input box clears it.
    QTest::mouseClick(Named<QLineEdit>(window, "InputText"), Qt::LeftButton);
    EXPECT_EQ(gray(CompassNeedleEnd(bearing) * 0.5), qGray(kCompassBackColor.rgb()));
}

// The whole path: a receiver on a pseudo-terminal, the port typed into the setup window,
// sentences moving the current site and the distance from home.
TEST_F(GpsWindowTest, SentencesFromAPseudoTerminalMoveTheSite) {
    if (!testing::SocatPty::Available()) GTEST_SKIP() << "socat is not installed";
    testing::SocatPty pty;
    ASSERT_TRUE(pty.ready());
    SetHomeAt("51.5N 1.25W");

    Named<QPushButton>(window, "UseNMEA")->click();
    GpsSetupWindow* setup = window.gpsSetupWindow();
    setup->setPortText(pty.receiverEnd());
    setup->setBaudText("4800");
    Named<QPushButton>(*setup, "Command1")->click();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Pause Real Time");

    ASSERT_TRUE(pty.Send(kWorked));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return Named<QLineEdit>(window, "InputText")
                ->text()
                .startsWith("48 07.038N 011 31.000E");
        },
        3000));
    EXPECT_EQ(Named<QLineEdit>(window, "InputText")->text(),
              "48 07.038N 011 31.000E [ 12:35:19 UTC ]");
    EXPECT_NEAR(window.session().lat_deg, 48 + 7.038 / 60, 1e-9);
    EXPECT_NEAR(window.session().lon_deg, 11 + 31.0 / 60, 1e-9);
    EXPECT_EQ(Named<QLineEdit>(window, "LLText")->text(), "48.117300N , 11.516667E");
    const QString far_away = Named<QLineEdit>(*window.pointingWindow(), "DistText")->text();
    EXPECT_FALSE(far_away.isEmpty());

    ASSERT_TRUE(pty.Send(kWest));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Named<QLineEdit>(window, "InputText")->text().startsWith("51 30"); }, 3000));
    EXPECT_NEAR(window.session().lat_deg, 51.5020567, 1e-7);
    EXPECT_NEAR(window.session().lon_deg, -1.5094633, 1e-7);
    EXPECT_NE(Named<QLineEdit>(*window.pointingWindow(), "DistText")->text(), far_away);
    EXPECT_TRUE(messages.isEmpty());

    // A click into the input box closes the port: nothing more arrives.
    QTest::mouseClick(Named<QLineEdit>(window, "InputText"), Qt::LeftButton);
    EXPECT_FALSE(gps->gps().portOpen());
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Real Time GPS");
    ASSERT_TRUE(pty.Send(kWorked));
    QTest::qWait(200);
    EXPECT_EQ(Named<QLineEdit>(window, "InputText")->text(), "");

    // Open again, then the receiver is unplugged.
    Named<QPushButton>(window, "UseNMEA")->click();
    Named<QPushButton>(*setup, "Command1")->click();
    ASSERT_TRUE(gps->gps().portOpen());
    pty.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !gps->gps().portOpen(); }, 3000));
    EXPECT_EQ(Named<QPlainTextEdit>(*setup, "Text1")->toPlainText(), "COM PORT FAIL");
    EXPECT_EQ(Named<QPushButton>(window, "UseNMEA")->text(), "Resume real time");
    EXPECT_FALSE(gps->gps().realTime());
}

}  // namespace
}  // namespace tormark
