#include "real_time_gps.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace tormark {
namespace {

// A port that opens only the device it is told to and delivers text the test feeds.
class FakeLink : public SerialLink {
  public:
    QString present = "/dev/ttyS11";
    QString opened_device;
    LineSettings opened_settings;
    QByteArray incoming;
    bool open = false;

    bool Open(const QString& device, const LineSettings& settings) override {
        if (device != present) return false;
        opened_device = device;
        opened_settings = settings;
        open = true;
        return true;
    }
    void Close() override { open = false; }
    bool IsOpen() const override { return open; }
    QByteArray ReadAll() override { return std::exchange(incoming, {}); }

    void Deliver(const QByteArray& chars) {
        incoming += chars;
        emit Received();
    }
    void Unplug() {
        open = false;
        emit Lost();
    }
};

const QByteArray kWorked =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";

struct RealTimeGpsTest : ::testing::Test {
    bool real_time = false;  // the main window's flag
    FakeLink* link = new FakeLink;
    RealTimeGps gps{std::unique_ptr<SerialLink>(link), real_time};
    QString caption = kRealTimeGpsCaption;  // what the UseNMEA button shows

    void SetUp() override {
        // The port "COM12" is /dev/ttyS11 off Windows and COM12 on it.
        link->present = PortDevice("COM12");
        QObject::connect(&gps, &RealTimeGps::CaptionChanged,
                         [this](const QString& text) { caption = text; });
    }
};

TEST_F(RealTimeGpsTest, CaptionsFollowTheClicks) {
    EXPECT_EQ(caption, kRealTimeGpsCaption);
    EXPECT_FALSE(gps.realTime());
    // Off -> setting up: the setup window shows, the caption stays.
    EXPECT_TRUE(gps.UseNmeaClick());
    EXPECT_TRUE(real_time);
    EXPECT_EQ(caption, kRealTimeGpsCaption);
    // Setting up -> running.
    ASSERT_TRUE(gps.OpenPort("COM12", "4800"));
    EXPECT_TRUE(gps.portOpen());
    EXPECT_EQ(caption, kPauseRealTimeCaption);
    // Running -> paused: the port closes.
    EXPECT_FALSE(gps.UseNmeaClick());
    EXPECT_FALSE(gps.portOpen());
    EXPECT_FALSE(gps.realTime());
    EXPECT_EQ(caption, kResumeRealTimeCaption);
    // Paused -> setting up again.
    EXPECT_TRUE(gps.UseNmeaClick());
    ASSERT_TRUE(gps.OpenPort("COM12", "9600"));
    // A click into the input box ends it all.
    gps.Stop();
    EXPECT_FALSE(real_time);
    EXPECT_FALSE(gps.portOpen());
    EXPECT_FALSE(gps.realTime());
    EXPECT_EQ(caption, kRealTimeGpsCaption);
    EXPECT_TRUE(gps.UseNmeaClick());
}

TEST_F(RealTimeGpsTest, SetupThenClickPausesWithoutAPort) {
    EXPECT_TRUE(gps.UseNmeaClick());
    EXPECT_FALSE(gps.UseNmeaClick());
    EXPECT_EQ(caption, kResumeRealTimeCaption);
    EXPECT_FALSE(gps.portOpen());
}

TEST_F(RealTimeGpsTest, FollowsTheWindowsFlag) {
    EXPECT_TRUE(gps.UseNmeaClick());
    // The window's reset for a new entry turns the mode off while the setup window is open.
    real_time = false;
    EXPECT_TRUE(gps.UseNmeaClick());
    EXPECT_TRUE(real_time);
}

TEST_F(RealTimeGpsTest, OpensTheNumberedPortWithTheLineSettings) {
    gps.UseNmeaClick();
    EXPECT_TRUE(gps.OpenPort("COM12", "19200"));
    EXPECT_EQ(link->opened_device, PortDevice("COM12"));
    EXPECT_EQ(link->opened_settings.baud, 19200);
    EXPECT_EQ(link->opened_settings.parity, 'n');
    EXPECT_EQ(link->opened_settings.data_bits, 8);
    EXPECT_EQ(link->opened_settings.stop_bits, 1);
}

TEST_F(RealTimeGpsTest, AFailedOpenChangesNothing) {
    gps.UseNmeaClick();
    EXPECT_FALSE(gps.OpenPort("COM2", "4800"));   // not there
    EXPECT_FALSE(gps.OpenPort("1", "4800"));      // the default text names no port
    EXPECT_FALSE(gps.OpenPort("COM12", "fast"));  // no baud rate
    EXPECT_FALSE(gps.portOpen());
    EXPECT_TRUE(gps.realTime());
    EXPECT_EQ(caption, kRealTimeGpsCaption);
}

TEST_F(RealTimeGpsTest, ReceivedSentencesBecomeFixesOnlyWhileOpen) {
    QSignalSpy fixes(&gps, &RealTimeGps::Fix);
    gps.UseNmeaClick();
    ASSERT_TRUE(gps.OpenPort("COM12", "4800"));
    link->Deliver(kWorked.left(30));
    EXPECT_EQ(fixes.count(), 0);
    link->Deliver(kWorked.mid(30));
    ASSERT_EQ(fixes.count(), 1);
    EXPECT_EQ(fixes.at(0).at(0).toString(), "48 07.038N 011 31.000E          [ 12:35:19 UTC ]");
    // Half a sentence, then the port is closed: the half is forgotten.
    link->Deliver(kWorked.left(30));
    gps.UseNmeaClick();
    link->Deliver(kWorked);
    EXPECT_EQ(fixes.count(), 1);
    gps.UseNmeaClick();
    ASSERT_TRUE(gps.OpenPort("COM12", "4800"));
    link->Deliver(kWorked.mid(30));
    EXPECT_EQ(fixes.count(), 1);
    link->Deliver(kWorked);
    EXPECT_EQ(fixes.count(), 2);
}

TEST_F(RealTimeGpsTest, ALostPortPauses) {
    QSignalSpy lost(&gps, &RealTimeGps::PortLost);
    gps.UseNmeaClick();
    ASSERT_TRUE(gps.OpenPort("COM12", "4800"));
    link->Unplug();
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(gps.portOpen());
    EXPECT_FALSE(gps.realTime());
    EXPECT_EQ(caption, kResumeRealTimeCaption);
    // The next click shows the setup window again.
    EXPECT_TRUE(gps.UseNmeaClick());
}

}  // namespace
}  // namespace tormark
