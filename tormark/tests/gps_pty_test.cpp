// The GPS input through a real pseudo-terminal pair (socat), as a receiver on a serial port.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "real_time_gps.h"
#include "socat_pty.h"

namespace tormark {
namespace {

const QByteArray kWorked =
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A\r\n";

TEST(GpsOverPty, FixesArriveAndAnUnpluggedReceiverPauses) {
    if (!testing::SocatPty::Available()) GTEST_SKIP() << "socat is not installed";
    testing::SocatPty pty;
    ASSERT_TRUE(pty.ready());

    bool real_time = false;
    RealTimeGps gps(std::make_unique<QtSerialLink>(), real_time);
    QSignalSpy captions(&gps, &RealTimeGps::CaptionChanged);
    QSignalSpy fixes(&gps, &RealTimeGps::Fix);
    QSignalSpy lost(&gps, &RealTimeGps::PortLost);
    ASSERT_TRUE(gps.UseNmeaClick());
    ASSERT_TRUE(gps.OpenPort(pty.receiverEnd(), "4800"));
    EXPECT_EQ(captions.last().at(0).toString(), kPauseRealTimeCaption);

    // A sentence in two writes, then a second one.
    ASSERT_TRUE(pty.Send(kWorked.left(40)));
    QTest::qWait(50);
    ASSERT_TRUE(pty.Send(kWorked.mid(40)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fixes.count() == 1; }, 3000));
    EXPECT_EQ(fixes.at(0).at(0).toString(), "48 07.038N 011 31.000E          [ 12:35:19 UTC ]");
    ASSERT_TRUE(pty.Send("$GPRMC,235959.00,A,5130.1234,N,00130.5678,W,0.0,0.0,010126,,,A*44\r\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fixes.count() == 2; }, 3000));
    EXPECT_EQ(fixes.at(1).at(0).toString(), "51 30.1234N 001 30.5678W          [ 23:59:59 UTC ]");

    // The receiver goes away: the port closes once, the mode pauses.
    pty.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost.count() > 0; }, 3000));
    QTest::qWait(100);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(gps.portOpen());
    EXPECT_FALSE(real_time);
    EXPECT_EQ(captions.last().at(0).toString(), kResumeRealTimeCaption);
}

TEST(GpsOverPty, APortInUseCannotBeOpenedTwice) {
    if (!testing::SocatPty::Available()) GTEST_SKIP() << "socat is not installed";
    testing::SocatPty pty;
    ASSERT_TRUE(pty.ready());
    bool first_real_time = false, second_real_time = false;
    RealTimeGps first(std::make_unique<QtSerialLink>(), first_real_time);
    RealTimeGps second(std::make_unique<QtSerialLink>(), second_real_time);
    ASSERT_TRUE(first.OpenPort(pty.receiverEnd(), "4800"));
    EXPECT_FALSE(second.OpenPort(pty.receiverEnd(), "4800"));
    EXPECT_FALSE(second.portOpen());
}

}  // namespace
}  // namespace tormark
