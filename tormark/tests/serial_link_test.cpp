#include "serial_link.h"

#include <gtest/gtest.h>

#include <QSet>

namespace tormark {
namespace {

TEST(PortDevice, ComNumberNamesTheSerialPort) {
    EXPECT_EQ(ComPortNumber("COM12"), 12);
    EXPECT_EQ(ComPortNumber("COM 3"), 3);
    // The default port box text "1" has nothing after its third character.
    EXPECT_EQ(ComPortNumber("1"), 0);
    EXPECT_EQ(ComPortNumber("COM"), 0);
    EXPECT_EQ(ComPortNumber("COMx"), 0);
    EXPECT_EQ(PortDevice("1"), "");
    EXPECT_EQ(PortDevice("COM0"), "");
#ifdef Q_OS_WIN
    EXPECT_EQ(PortDevice("COM12"), "COM12");
    EXPECT_EQ(PortDevice("COM1"), "COM1");
#else
    EXPECT_EQ(PortDevice("COM12"), "/dev/ttyS11");
    EXPECT_EQ(PortDevice("COM1"), "/dev/ttyS0");
    // Device paths stand as they are.
    EXPECT_EQ(PortDevice("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(PortDevice(" /tmp/gps/A "), "/tmp/gps/A");
#endif
}

TEST(LineSettings, ReadsBaudParityDataAndStopBits) {
    const auto s = ParseLineSettings("4800,n,8,1");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->baud, 4800);
    EXPECT_EQ(s->parity, 'n');
    EXPECT_EQ(s->data_bits, 8);
    EXPECT_EQ(s->stop_bits, 1);
    EXPECT_EQ(ParseLineSettings("19200,E,7,2")->parity, 'e');
    EXPECT_FALSE(ParseLineSettings(",n,8,1"));  // empty baud box
    EXPECT_FALSE(ParseLineSettings("fast,n,8,1"));
    EXPECT_FALSE(ParseLineSettings("0,n,8,1"));
    EXPECT_FALSE(ParseLineSettings("9600,x,8,1"));
    EXPECT_FALSE(ParseLineSettings("9600,n,9,1"));
    EXPECT_FALSE(ParseLineSettings("9600,n,8,1,n,8,1"));
}

TEST(ScanPorts, ListsThePortsThatOpenInOrder) {
    const QSet<QString> present{PortDevice("COM3"), PortDevice("COM1"), PortDevice("COM32"),
                                "/dev/ttyUSB0"};
    QStringList tried;
    const auto can_open = [&](const QString& device) {
        tried << device;
        return present.contains(device);
    };
    EXPECT_EQ(ScanPorts(can_open, {"/dev/ttyUSB0", "/dev/ttyACM0"}),
              QStringList({"COM1", "COM3", "COM32", "/dev/ttyUSB0"}));
    EXPECT_EQ(tried.size(), kMaxComPort + 2);
    EXPECT_TRUE(ScanPorts([](const QString&) { return false; }, {}).isEmpty());
}

TEST(QtSerialLink, FailsCleanlyOnAMissingDevice) {
    QtSerialLink link;
    EXPECT_FALSE(link.Open("/nonexistent/gps", LineSettings{4800}));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_FALSE(link.Open("", LineSettings{4800}));
    EXPECT_FALSE(CanOpenSerialDevice("/nonexistent/gps"));
}

}  // namespace
}  // namespace tormark
