#pragma once

// The serial port of the GPS input, kept behind a small interface so that the receive handling
// can be driven by tests without a port, and the naming of ports in the "GPS / NMEA  Setup"
// window's port box.
//
// Port box texts: "COM" followed by n names serial port n. On Windows that is the port COMn
// itself; elsewhere it is /dev/ttyS(n-1), the same physical port. Off Windows a text holding a
// "/" is a device path (a USB receiver such as /dev/ttyUSB0, or a pseudo-terminal) and is opened
// as it stands.

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tormark {

// Highest port number the port scan tries.
inline constexpr int kMaxComPort = 32;

// Line settings in the text form "<baud>,n,8,1": baud rate, parity letter (n, e, o), data bits,
// stop bits.
struct LineSettings {
    int baud = 0;
    char parity = 'n';
    int data_bits = 8;
    int stop_bits = 1;
};

// Reads "<baud>,<parity>,<data bits>,<stop bits>"; empty when a part is missing or out of range
// (a baud rate below 1, a parity other than n/e/o, data bits outside 5..8, stop bits not 1 or 2).
std::optional<LineSettings> ParseLineSettings(const QString& text);

// The port number in a port box text: the leading number from its fourth character on (the text
// after "COM"), rounded to a whole number; 0 when there is none.
int ComPortNumber(const QString& port_box_text);

// The device to open for a port box text, or an empty text when it names no port (a number
// below 1, such as the default "1" whose fourth character on is empty).
QString PortDevice(const QString& port_box_text);

// The port box items for the ports that can be opened: "COM" + n for n = 1 to kMaxComPort, then
// the extra device paths (USB and ACM receivers) that open. can_open tries to open a device and
// closes it again.
QStringList ScanPorts(const std::function<bool(const QString& device)>& can_open,
                      const QStringList& extra_devices);

// Device paths of the USB and ACM serial receivers now present (never on Windows, where they
// are COM ports like any other).
QStringList UsbSerialDevices();

// True when device can be opened now at 9600 baud (the port is closed again at once).
bool CanOpenSerialDevice(const QString& device);

// A serial port that delivers received characters on the window thread.
class SerialLink : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // Opens device with settings; false (and the port closed) when it cannot be opened.
    virtual bool Open(const QString& device, const LineSettings& settings) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;
    // All characters received and not yet read; reading empties the port's buffer.
    virtual QByteArray ReadAll() = 0;

  signals:
    // Characters have arrived.
    void Received();
    // The port failed while open (the receiver was unplugged) and has been closed.
    void Lost();
};

// SerialLink over QSerialPort.
class QtSerialLink : public SerialLink {
    Q_OBJECT
  public:
    explicit QtSerialLink(QObject* parent = nullptr);
    ~QtSerialLink() override;

    bool Open(const QString& device, const LineSettings& settings) override;
    void Close() override;
    bool IsOpen() const override;
    QByteArray ReadAll() override;

  private:
    void OnError(QSerialPort::SerialPortError error);

    QSerialPort port_;
};

}  // namespace tormark
