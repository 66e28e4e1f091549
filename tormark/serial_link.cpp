#include "serial_link.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <cmath>

namespace tormark {

namespace {

// The leading number of text: blanks skipped, point as decimal separator; 0 when there is none.
double LeadingNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))"));
    const auto match = number.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

}  // namespace

std::optional<LineSettings> ParseLineSettings(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    bool ok_baud = false, ok_data = false, ok_stop = false;
    LineSettings s;
    s.baud = parts[0].trimmed().toInt(&ok_baud);
    const QString parity = parts[1].trimmed().toLower();
    s.data_bits = parts[2].trimmed().toInt(&ok_data);
    s.stop_bits = parts[3].trimmed().toInt(&ok_stop);
    if (!ok_baud || s.baud < 1) return std::nullopt;
    if (parity.size() != 1 || !QStringLiteral("neo").contains(parity)) return std::nullopt;
    s.parity = parity[0].toLatin1();
    if (!ok_data || s.data_bits < 5 || s.data_bits > 8) return std::nullopt;
    if (!ok_stop || (s.stop_bits != 1 && s.stop_bits != 2)) return std::nullopt;
    return s;
}

int ComPortNumber(const QString& port_box_text) {
    const double n = LeadingNumber(port_box_text.mid(3));
    // Port numbers are small; anything beyond names no port.
    if (!(n >= 0.5 && n < 1e6)) return 0;
    return static_cast<int>(std::nearbyint(n));
}

QString PortDevice(const QString& port_box_text) {
#ifndef Q_OS_WIN
    const QString text = port_box_text.trimmed();
    if (text.contains(QLatin1Char('/'))) return text;
#endif
    const int n = ComPortNumber(port_box_text);
    if (n < 1) return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

QStringList ScanPorts(const std::function<bool(const QString& device)>& can_open,
                      const QStringList& extra_devices) {
    QStringList found;
    for (int n = 1; n <= kMaxComPort; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        if (can_open(PortDevice(name))) found << name;
    }
    for (const QString& device : extra_devices)
        if (can_open(device)) found << device;
    return found;
}

QStringList UsbSerialDevices() {
    QStringList devices;
#ifndef Q_OS_WIN
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString name = info.portName();
        if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
            devices << info.systemLocation();
    }
    devices.sort();
#endif
    return devices;
}

bool CanOpenSerialDevice(const QString& device) {
    if (device.isEmpty()) return false;
    QtSerialLink probe;
    const bool opened = probe.Open(device, LineSettings{9600});
    probe.Close();
    return opened;
}

QtSerialLink::QtSerialLink(QObject* parent) : SerialLink(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialLink::Received);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLink::OnError);
}

QtSerialLink::~QtSerialLink() {
    port_.disconnect(this);
    port_.close();
}

bool QtSerialLink::Open(const QString& device, const LineSettings& settings) {
    if (port_.isOpen()) port_.close();
    if (device.isEmpty()) return false;
    port_.setPortName(device);
    port_.setBaudRate(settings.baud);
    port_.setParity(settings.parity == 'e'   ? QSerialPort::EvenParity
                    : settings.parity == 'o' ? QSerialPort::OddParity
                                             : QSerialPort::NoParity);
    port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.data_bits));
    port_.setStopBits(settings.stop_bits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    return port_.open(QIODevice::ReadOnly);
}

void QtSerialLink::Close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialLink::IsOpen() const {
    return port_.isOpen();
}

QByteArray QtSerialLink::ReadAll() {
    return port_.readAll();
}

void QtSerialLink::OnError(QSerialPort::SerialPortError error) {
    // A vanished device reports ReadError (or ResourceError) again and again for as long as the
    // port stays open, so it is closed at once.
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
    if (!port_.isOpen()) return;
    port_.close();
    emit Lost();
}

}  // namespace tormark
